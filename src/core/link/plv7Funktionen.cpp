#include "link/plv7Funktionen.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <thread>

#include "base/Fehlergrund.h"
#include "base/NumberText.h"
#include "link/PortTable.h"
#include "link/Rahmenformat.h"

using namespace plv7;
using namespace plv7::protocol;

namespace {

// The codes one command reports for each step of the shared transaction. A flush code of
// 0 passes FlushInOut's own code on.
struct StepCodes {
    int flush;
    int writeFailed;
    int notAllWritten;
    int nak;
    int can;
    int noAck;
    int otherByte;
    int answerByteMissing;
};

// Longest wait for the output queue to drain: the frame's wire time at the slowest rate the
// port can be opened with, plus a margin for a busy machine. A port that holds its bytes
// longer is stuck, and the command fails instead of hanging the program.
double drainLimitSeconds(std::size_t frameLength) {
    return wireSeconds(static_cast<long>(frameLength), kPortBaudRates[0]) + 1.0;
}

bool waitForDrain(SerialPort& port, std::size_t frameLength) {
    using Clock = std::chrono::steady_clock;
    const auto deadline =
        Clock::now() + std::chrono::duration<double>(drainLimitSeconds(frameLength));
    for (;;) {
        const long waiting = port.outputQueueLength();
        if (waiting == 0) return true;
        if (waiting < 0 || Clock::now() >= deadline) return false;
        // The waiting bytes need at least their wire time at the fastest rate; sleeping that
        // long never oversleeps, whatever the port's rate, and keeps the poll cheap.
        const double atFastest =
            wireSeconds(waiting, kPortBaudRates[std::size(kPortBaudRates) - 1]);
        std::this_thread::sleep_for(std::chrono::duration<double>(std::max(atFastest, 50e-6)));
    }
}

// Steps 3 to 5 of every transaction: flush, write the whole frame at once, let it drain.
enum class Drain { Wait, DoNotWait };

int sendFrame(int portNumber, const std::string& frame, const StepCodes& codes,
              Drain drain = Drain::Wait) {
    if (const int flushed = FlushInOut(portNumber); flushed != 0) {
        return codes.flush != 0 ? codes.flush : flushed;
    }
    SerialPort* port = openedPort(portNumber);
    const long written =
        port->write(reinterpret_cast<const std::uint8_t*>(frame.data()), frame.size());
    if (written < 0) return codes.writeFailed;
    if (static_cast<std::size_t>(written) != frame.size()) return codes.notAllWritten;
    if (drain == Drain::Wait && !waitForDrain(*port, frame.size())) return codes.writeFailed;
    return 0;
}

// Step 7: the one-byte acknowledgement.
int readAcknowledge(int portNumber, const StepCodes& codes) {
    const int byte = openedPort(portNumber)->readByte();
    if (byte < 0) return codes.noAck;
    if (byte == kACK) return 0;
    if (byte == kNAK) return codes.nak;
    if (byte == kCAN) return codes.can;
    return codes.otherByte;
}

// Step 8: the answer frame, byte by byte, up to and including CR or maxLength bytes.
int readAnswer(int portNumber, std::size_t maxLength, int missingCode, std::string& answer) {
    SerialPort* port = openedPort(portNumber);
    answer.clear();
    while (answer.size() < maxLength) {
        const int byte = port->readByte();
        if (byte < 0) return missingCode;
        answer.push_back(static_cast<char>(byte));
        if (byte == kCR) break;
    }
    return 0;
}

// A write command: send, then the acknowledgement unless the common address was used.
int writeCommand(int port, char address, const std::string& frame, const StepCodes& codes) {
    if (const int sent = sendFrame(port, frame, codes); sent != 0) return sent;
    if (address == kCommonAddress) return 0;
    return readAcknowledge(port, codes);
}

// A read command: send, acknowledgement, answer.
int readCommand(int port, const std::string& frame, const StepCodes& codes,
                std::size_t maxAnswerLength, std::string& answer) {
    if (const int sent = sendFrame(port, frame, codes); sent != 0) return sent;
    if (const int ack = readAcknowledge(port, codes); ack != 0) return ack;
    return readAnswer(port, maxAnswerLength, codes.answerByteMissing, answer);
}

std::string frameStart(char address) {
    return std::string{kFrameStart, address};
}

bool acceptsCommonAddress(char address) {
    return isIndividualAddress(address) || address == kCommonAddress;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool endsWithCR(std::string_view text) {
    return !text.empty() && text.back() == kCR;
}

char upperHexDigit(unsigned value) {
    return "0123456789ABCDEF"[value & 0x0F];
}

void appendHex(std::string& out, unsigned value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out.push_back(upperHexDigit(value >> shift));
}

// Fixed-width hex field of an answer, upper or lower case; -1 when a digit is no hex digit.
long parseHex(std::string_view field) {
    long value = 0;
    for (char c : field) {
        const int digit = Hexchar2Int(c);
        if (digit < 0) return -1;
        value = value * 16 + digit;
    }
    return value;
}

// An input voltage as the box writes it: optional sign, digits, optional fraction.
bool parseDecimal(std::string_view text, double& value) {
    std::size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (text[k] >= '0' && text[k] <= '9') {
            digits = true;
        } else if (text[k] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digits) return false;
    if (text[0] == '+') text.remove_prefix(1);
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc{};
}

// Selector texts such as "e1".."e4": the channel digit, or 0 when the text is none of them.
char channelDigit(std::string_view channel, char letter) {
    if (channel.size() == 2 && channel[0] == letter && channel[1] >= '1' && channel[1] <= '4') {
        return channel[1];
    }
    return 0;
}

bool isOneOf(long value, const auto& allowed) {
    return std::find(std::begin(allowed), std::end(allowed), value) != std::end(allowed);
}

}  // namespace

int ORVPLV7_Open(int port, long baud) {
    if (!isOneOf(baud, kPortBaudRates)) return -125001;
    if (port < kFirstPort || port > kLastPort) return -100002;
    if (!openPort(port, baud)) {
        setFehlergrund(-100003, openFailureReason(port));
        return -100003;
    }
    return 0;
}

int ORVPLV7_Close(int port) {
    return closePort(port) ? 0 : -103004;
}

int ORVPLV7_Timeout(int port, double seconds) {
    SerialPort* p = openedPort(port);
    return p && p->setReadTimeout(seconds) ? 0 : -111005;
}

int FlushInOut(int port) {
    SerialPort* p = openedPort(port);
    if (!p || !p->flushInput()) return -124148;
    if (!p->flushOutput()) return -123149;
    return 0;
}

int Hexchar2Int(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int ORVPLV7_IDLesen(int port, char address, std::string& id) {
    static constexpr StepCodes codes{0,       -101008, -114009, -402010,
                                     -405011, -403012, -404013, -404014};
    static constexpr std::size_t kMaxAnswer = 29;
    if (!isIndividualAddress(address)) return -400006;
    std::string answer;
    if (const int rc =
            readCommand(port, frameStart(address) + "IDR\r", codes, kMaxAnswer, answer)) {
        return rc;
    }
    // '#', address, a text of one or more characters without blanks, CR.
    if (answer.size() < 4 || !startsWith(answer, frameStart(address)) || !endsWithCR(answer)) {
        return -404015;
    }
    const std::string_view text = std::string_view(answer).substr(2, answer.size() - 3);
    if (text.find_first_of(" \r") != std::string_view::npos) return -404015;
    id = text;
    return 0;
}

int ORVPLV7_BaudrateSchreiben(int port, char address, long baud) {
    static constexpr StepCodes codes{0, -101172, -101173, -402174, -405175, -403176, -404177, 0};
    if (!isIndividualAddress(address)) return -400169;
    if (!isOneOf(baud, kDeviceBaudRates)) return -125170;
    return writeCommand(port, address, frameStart(address) + "BRW" + std::to_string(baud) + "\r",
                        codes);
}

int ORVPLV7_DeviceFunction(int port, char address, std::string_view function) {
    static constexpr StepCodes codes{0, -101037, -101038, -402039, -405040, -403041, -404042, 0};
    if (!acceptsCommonAddress(address)) return -400034;
    char digit = 0;
    if (function == "start") digit = '1';
    if (function == "stopp") digit = '2';
    if (digit == 0) return -401035;
    return writeCommand(port, address, frameStart(address) + "DF" + digit + "\r", codes);
}

namespace {
constexpr StepCodes kInputCodes{-112046, -101047, -114048, -402049,
                                -405050, -403051, -404052, -404053};
}

int ORVPLV7_EingangLesen(int port, char address, std::string_view channel, double& volts) {
    static constexpr std::size_t kMaxAnswer = 14;
    if (!isIndividualAddress(address)) return -400043;
    const char n = channelDigit(channel, 'e');
    if (n == 0) return -401044;
    const std::string echo = frameStart(address) + 'V' + n + 'R';
    std::string answer;
    if (const int rc = readCommand(port, echo + "\r", kInputCodes, kMaxAnswer, answer)) return rc;
    double value = 0.0;
    if (!startsWith(answer, echo) || !endsWithCR(answer) || answer.size() <= echo.size() + 1 ||
        !parseDecimal(std::string_view(answer).substr(echo.size(), answer.size() - echo.size() - 1),
                      value)) {
        return -404054;
    }
    volts = value;
    return 0;
}

int ORVPLV7_EingaengeLesenKurz_Senden(int port, char address, unsigned mask) {
    if (!isIndividualAddress(address)) return -400043;
    // Returns as soon as the port took the bytes: the receiving half waits for them to leave.
    return sendFrame(port, frameStart(address) + upperHexDigit(mask & 0x0F) + "\r", kInputCodes,
                     Drain::DoNotWait);
}

int ORVPLV7_EingaengeLesenKurz_Empfangen(int port, char address, unsigned mask,
                                         std::array<double, 4>& volts) {
    if (!isIndividualAddress(address)) return -400043;
    SerialPort* p = openedPort(port);
    // The request was sent without waiting; the answer cannot come before it has left.
    if (!p || !waitForDrain(*p, 4)) return kInputCodes.writeFailed;
    // No acknowledgement here: the answer's '#' takes its place.
    int byte = p->readByte();
    if (byte < 0) return -403051;
    if (byte == kNAK) return -402049;
    if (byte == kCAN) return -405050;
    if (byte != kFrameStart) return -404052;
    byte = p->readByte();
    if (byte < 0) return -403051;
    if (byte != address) return -404052;
    volts.fill(0.0);
    for (int channel = 0; channel < 4; ++channel) {
        if ((mask & (1u << channel)) == 0) continue;
        const int hi = p->readByte();
        if (hi < 0) return -404053;
        const int lo = p->readByte();
        if (lo < 0) return -404053;
        volts[channel] = ((hi & 0x7F) * 128 + (lo & 0x7F)) / 1000.0;
    }
    byte = p->readByte();
    if (byte < 0) return -403051;
    if (byte != kCR) return -404052;
    return 0;
}

int ORVPLV7_AusgangSchreiben(int port, char address, std::string_view channel, double volts) {
    static constexpr StepCodes codes{-112062, -101063, -101064, -402065,
                                     -405066, -403067, -404068, 0};
    if (!acceptsCommonAddress(address)) return -400055;
    const char n = channelDigit(channel, 'a');
    if (n == 0) return -401060;
    // NaN fails both comparisons and so is out of range too.
    if (!(volts >= 0.0 && volts <= 10.0)) return -500056 - (n - '1');
    char number[16];
    const auto formatted =
        std::to_chars(number, number + sizeof number, volts, std::chars_format::fixed, 3);
    std::string frame = frameStart(address) + 'V' + n + 'W';
    frame.append(number, formatted.ptr);
    frame.push_back(kCR);
    return writeCommand(port, address, frame, codes);
}

namespace {
constexpr long kMaxField = 0xFFFF;
}

int ORVPLV7_SpeicherLesen(int port, char address, int type, long start, long length,
                          std::uint8_t* buffer) {
    static constexpr StepCodes codes{0,       -101097, -114098, -402099,
                                     -405100, -403101, -404102, -404104};
    if (!isIndividualAddress(address)) return -400092;
    if (start < 0 || start > kMaxField) return -894093;
    // The length field has four hex digits: 65536 cannot be asked for.
    if (length < 1 || length > kMaxField) return -895094;
    if (type != kMemoryType) return -896095;
    if (buffer == nullptr) return -600103;

    std::string header = frameStart(address) + "BDR" + static_cast<char>('0' + type);
    appendHex(header, static_cast<unsigned>(start), 4);
    appendHex(header, static_cast<unsigned>(length), 4);
    const std::size_t expected = 2 * static_cast<std::size_t>(length) + 19;
    std::string answer;
    answer.reserve(expected);
    if (const int rc = readCommand(port, header + "\r", codes, expected, answer)) return rc;

    if (!endsWithCR(answer)) return -404105;
    if (answer.size() != expected) return -404106;
    // The echoed header may use lower-case hex digits.
    for (std::size_t i = 0; i < header.size(); ++i) {
        const bool hexField = i >= 6;
        const bool same = hexField ? Hexchar2Int(answer[i]) >= 0 &&
                                         Hexchar2Int(answer[i]) == Hexchar2Int(header[i])
                                   : answer[i] == header[i];
        if (!same) return -404107;
    }
    std::uint16_t sum = 1;
    for (long i = 0; i < length; ++i) {
        const int high = Hexchar2Int(answer[14 + 2 * i]);
        if (high < 0) return -404108;
        const int low = Hexchar2Int(answer[15 + 2 * i]);
        if (low < 0) return -404109;
        buffer[i] = static_cast<std::uint8_t>(high * 16 + low);
        sum = static_cast<std::uint16_t>(sum + buffer[i]);
    }
    long received = 0;
    for (int digit = 0; digit < 4; ++digit) {
        const int value = Hexchar2Int(answer[14 + 2 * length + digit]);
        if (value < 0) return -404110 - digit;
        received = received * 16 + value;
    }
    if (received != sum) return -406114;
    return 0;
}

int ORVPLV7_SpeicherSchreiben(int port, char address, int type, long start, long length,
                              const std::uint8_t* data) {
    static constexpr StepCodes codes{0, -101125, -101126, -402127, -405128, -403129, -404130, 0};
    if (!acceptsCommonAddress(address)) return -400118;
    if (start < 0 || start > kMaxField) return -894119;
    if (length < 0 || length > kMaxWriteBlock) return -895120;
    if (type != kMemoryType) return -896121;
    if (length > 0 && data == nullptr) return -202123;

    std::string frame = frameStart(address) + "BDW" + static_cast<char>('0' + type);
    appendHex(frame, static_cast<unsigned>(start), 4);
    appendHex(frame, static_cast<unsigned>(length), 4);
    for (long i = 0; i < length; ++i) appendHex(frame, data[i], 2);
    appendHex(frame, blockChecksum(data, length), 4);
    frame.push_back(kCR);
    return writeCommand(port, address, frame, codes);
}

namespace {

// '#' a <letter> <selector> 'R' '$' HH CR, the status and mode answers: the byte, or -1 when
// the answer does not have this shape. The selector (status or mode number) is checked by the
// caller, since status reports a wrong one with a code of its own.
long parseByteAnswer(std::string_view answer, char address, char letter) {
    if (answer.size() != 9 || !startsWith(answer, frameStart(address) + letter) ||
        answer[4] != 'R' || answer[5] != '$' || answer[8] != kCR) {
        return -1;
    }
    return parseHex(answer.substr(6, 2));
}

}  // namespace

int ORVPLV7_StatusLesen(int port, char address, int which, int& value) {
    static constexpr StepCodes codes{0,       -101138, -114139, -402140,
                                     -405141, -403142, -404143, -404144};
    if (!isIndividualAddress(address)) return -400135;
    if (which != 1 && which != 2) return -401136;
    const char n = static_cast<char>('0' + which);
    std::string answer;
    if (const int rc =
            readCommand(port, frameStart(address) + 'S' + n + "R\r", codes, 14, answer)) {
        return rc;
    }
    const long parsed = parseByteAnswer(answer, address, 'S');
    if (parsed < 0) return -404145;
    if (answer[3] != n) return which == 1 ? -404146 : -404147;
    value = static_cast<int>(parsed);
    return 0;
}

int ORVPLV7_ModusLesen(int port, char address, int& value) {
    static constexpr StepCodes codes{0,       -101152, -114153, -402154,
                                     -405155, -403156, -404157, -404158};
    if (!isIndividualAddress(address)) return -400150;
    std::string answer;
    if (const int rc = readCommand(port, frameStart(address) + "M1R\r", codes, 14, answer)) {
        return rc;
    }
    const long parsed = parseByteAnswer(answer, address, 'M');
    if (parsed < 0 || answer[3] != '1') return -404159;
    value = static_cast<int>(parsed);
    return 0;
}

int ORVPLV7_ModusSchreiben(int port, char address, int set, unsigned mask) {
    static constexpr StepCodes codes{-112162, -101163, -101164, -402165,
                                     -405166, -403167, -404168, 0};
    if (!acceptsCommonAddress(address)) return -400160;
    std::string frame = frameStart(address) + "M1" + (set != 0 ? 'S' : 'C');
    appendHex(frame, mask & 0xFF, 2);
    frame.push_back(kCR);
    return writeCommand(port, address, frame, codes);
}
