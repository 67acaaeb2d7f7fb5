#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "InputSource.h"
#include "Kennlinienregler.h"
#include "Kurvenwiedergabe.h"

namespace plv7::sim {

// A request as the box's receiver collected it: from '#' up to and including CR.
struct Request {
    std::string text;
    bool tooLong = false;  // more bytes came than the receive buffer holds; text is cut short
};

// What the box sends back for one request. Both parts empty: the box stays silent.
struct Reply {
    std::string ack;          // ACK, NAK or CAN; empty for the short read and for no reply
    std::string frame;        // answer frame '#' ... CR; empty for write commands
    bool memoryRead = false;  // the frame ends with a block checksum in front of its CR

    bool empty() const { return ack.empty() && frame.empty(); }
    std::string bytes() const { return ack + frame; }
};

// One simulated PLV-7 (or, with setForeign, some other device that only tells its name).
class Box {
public:
    static constexpr char kDefaultIdentification[] = "ORV-PLV7RS232B-V1.00";
    static constexpr long kDefaultBaud = 9600;
    static constexpr std::size_t kMaxIdentificationLength = 26;
    // The longest request the box takes: a memory write of a full 64-byte block.
    static constexpr std::size_t kReceiveBufferSize = 147;
    static constexpr int kChannels = 4;

    // `address` must be '1'..'9' or 'a'..'f'; anything else is taken as '1'.
    explicit Box(char address);

    char address() const { return address_; }

    // False (and unchanged) for an empty text, one longer than 26 characters, or one with
    // blanks or control characters: the answer frame could not carry it.
    bool setIdentification(std::string_view identification);
    const std::string& identification() const { return identification_; }

    // A foreign device answers the identification request and refuses everything else.
    void setForeign(bool foreign) { foreign_ = foreign; }
    bool foreign() const { return foreign_; }

    long baud() const { return baud_; }
    // False for a rate no PLV-7 line runs at (4800 to 115200).
    bool setBaud(long baud);

    // Channels are 1..4; out-of-range channels read as 0 and are not changed.
    int outputMillivolts(int channel) const;
    double outputVolts(int channel) const { return outputMillivolts(channel) / 1000.0; }
    bool setOutputMillivolts(int channel, int millivolts);
    const InputSource& inputSource(int channel) const;
    void setInputSource(int channel, const InputSource& source);
    // The input's reading, 0..10000 mV; advances the noise generator.
    int inputMillivolts(int channel, double seconds);

    // which: 1 or 2; other numbers read 0 and are not changed.
    std::uint8_t status(int which) const;
    void setStatus(int which, std::uint8_t value);
    std::uint8_t mode() const { return mode_; }
    void setMode(std::uint8_t mode) { mode_ = mode; }
    bool running() const { return running_; }
    void setRunning(bool running) { running_ = running; }
    // A busy box answers every request addressed to it with CAN and carries out nothing.
    bool busy() const { return busy_; }
    void setBusy(bool busy) { busy_ = busy; }

    std::span<const std::uint8_t> memory() const { return memory_; }
    std::span<std::uint8_t> memory() { return memory_; }

    // Takes one byte from the PC's side of the line. Returns the request once its CR has come.
    // A '#' always starts a new request, so the receiver falls back into step after noise.
    std::optional<Request> receive(std::uint8_t byte);
    // Drops a partly received request (bytes arrived at a rate the box does not listen at).
    void resetReceiver();

    // True when the request carries this box's address or the common address.
    bool isAddressedBy(const Request& request) const;

    // Carries out a request addressed to this box (see isAddressedBy) and builds the reply.
    // Requests to the common address are carried out when they allow it and never answered.
    Reply execute(const Request& request, double seconds);

    // Moves the box's clock to `seconds`: the stored curves it plays set its outputs, and bit
    // 0 of status byte 1 shows whether they still play. Every request moves it as well.
    void fortschreiben(double seconds);

private:
    Reply executeOwn(std::string_view body, double seconds);
    bool executeWrite(std::string_view body);
    Reply readInput(char channel, double seconds);
    Reply shortRead(int mask, double seconds);
    Reply readMemory(std::string_view body);
    bool writeMemory(std::string_view body);
    std::string frameStart() const;

    char address_;
    std::string identification_ = kDefaultIdentification;
    bool foreign_ = false;
    long baud_ = kDefaultBaud;
    std::array<int, kChannels> outputs_{};
    std::array<InputSource, kChannels> inputs_{};
    std::uint32_t noiseState_ = 0x12345678u;
    std::array<std::uint8_t, 2> status_{};
    std::uint8_t mode_ = 0;
    bool running_ = false;
    bool busy_ = false;
    std::vector<std::uint8_t> memory_;
    Kennlinienregler kennlinienregler_;
    std::string receiveBuffer_;
    bool receiving_ = false;
    bool overflow_ = false;
    Kurvenwiedergabe kurvenwiedergabe_;
    double jetzt_ = 0.0;
};

}  // namespace plv7::sim
