#include "Box.h"

#include <algorithm>

#include "Fields.h"
#include "link/Rahmenformat.h"

namespace plv7::sim {

namespace proto = plv7::protocol;

namespace {

constexpr std::size_t kAddressIndex = 1;
constexpr std::size_t kBodyIndex = 2;  // first character after '#' and the address

Reply ackOnly() {
    return Reply{std::string(1, proto::kACK), {}, false};
}
Reply nak() {
    return Reply{std::string(1, proto::kNAK), {}, false};
}
Reply can() {
    return Reply{std::string(1, proto::kCAN), {}, false};
}

bool validChannel(int channel) {
    return channel >= 1 && channel <= Box::kChannels;
}

std::size_t channelIndex(int channel) {
    return static_cast<std::size_t>(channel - 1);
}

}  // namespace

Box::Box(char address)
    : address_(proto::isIndividualAddress(address) ? address : '1'),
      memory_(static_cast<std::size_t>(proto::kMemorySize), 0) {}

bool Box::setIdentification(std::string_view identification) {
    if (identification.empty() || identification.size() > kMaxIdentificationLength) return false;
    for (char c : identification) {
        const auto code = static_cast<unsigned char>(c);
        if (code <= 0x20 || code >= 0x7F) return false;
    }
    identification_ = identification;
    return true;
}

bool Box::setBaud(long baud) {
    const auto& rates = proto::kPortBaudRates;
    if (std::find(std::begin(rates), std::end(rates), baud) == std::end(rates)) return false;
    baud_ = baud;
    return true;
}

int Box::outputMillivolts(int channel) const {
    return validChannel(channel) ? outputs_[channelIndex(channel)] : 0;
}

bool Box::setOutputMillivolts(int channel, int millivolts) {
    if (!validChannel(channel) || millivolts < 0 || millivolts > 10000) return false;
    outputs_[channelIndex(channel)] = millivolts;
    return true;
}

const InputSource& Box::inputSource(int channel) const {
    return inputs_[validChannel(channel) ? channelIndex(channel) : 0];
}

void Box::setInputSource(int channel, const InputSource& source) {
    if (validChannel(channel)) inputs_[channelIndex(channel)] = source;
}

int Box::inputMillivolts(int channel, double seconds) {
    if (!validChannel(channel)) return 0;
    const InputSource& source = inputs_[channelIndex(channel)];
    const int wired = validChannel(source.output) ? source.output : channel;
    return plv7::sim::inputMillivolts(source, outputs_[channelIndex(wired)], seconds, noiseState_);
}

std::uint8_t Box::status(int which) const {
    return (which == 1 || which == 2) ? status_[static_cast<std::size_t>(which - 1)] : 0;
}

void Box::setStatus(int which, std::uint8_t value) {
    if (which == 1 || which == 2) status_[static_cast<std::size_t>(which - 1)] = value;
}

std::optional<Request> Box::receive(std::uint8_t byte) {
    const char c = static_cast<char>(byte & 0x7F);  // the line carries seven data bits
    if (c == proto::kFrameStart) {
        receiveBuffer_.assign(1, c);
        receiving_ = true;
        overflow_ = false;
        return std::nullopt;
    }
    if (!receiving_) return std::nullopt;
    if (c == proto::kCR) {
        Request request{receiveBuffer_, overflow_};
        if (!overflow_) request.text += c;
        resetReceiver();
        return request;
    }
    if (receiveBuffer_.size() + 1 < kReceiveBufferSize) {
        receiveBuffer_ += c;
    } else {
        overflow_ = true;
    }
    return std::nullopt;
}

void Box::resetReceiver() {
    receiveBuffer_.clear();
    receiving_ = false;
    overflow_ = false;
}

bool Box::isAddressedBy(const Request& request) const {
    if (request.text.size() <= kAddressIndex) return false;
    const char address = request.text[kAddressIndex];
    return address == address_ || address == proto::kCommonAddress;
}

void Box::fortschreiben(double seconds) {
    jetzt_ = seconds;
    const bool spielte = kurvenwiedergabe_.laeuft();
    kurvenwiedergabe_.fortschreiben(seconds, outputs_);
    if (spielte && !kurvenwiedergabe_.laeuft()) status_[0] &= 0xFE;
}

Reply Box::execute(const Request& request, double seconds) {
    fortschreiben(seconds);
    if (!isAddressedBy(request)) return {};
    kennlinienregler_.takt(*this, seconds);
    const std::string_view text = request.text;
    const bool complete = !request.tooLong && text.size() >= 3 && text.back() == proto::kCR;
    const std::string_view body =
        complete ? text.substr(kBodyIndex, text.size() - kBodyIndex - 1) : std::string_view{};

    if (text[kAddressIndex] == proto::kCommonAddress) {
        if (complete && !foreign_ && !busy_) executeWrite(body);
        return {};
    }
    if (busy_) return can();
    if (!complete) return nak();
    if (foreign_) {
        if (body != "IDR") return nak();
        Reply reply = ackOnly();
        reply.frame = frameStart() + identification_ + proto::kCR;
        return reply;
    }
    return executeOwn(body, seconds);
}

Reply Box::executeOwn(std::string_view body, double seconds) {
    if (body.size() == 1) {
        const auto mask = fields::parseHex(body);
        return mask ? shortRead(static_cast<int>(*mask), seconds) : nak();
    }
    if (body == "IDR") {
        Reply reply = ackOnly();
        reply.frame = frameStart() + identification_ + proto::kCR;
        return reply;
    }
    if (body.size() == 3 && body[0] == 'V' && body[2] == 'R' && body[1] >= '1' && body[1] <= '4')
        return readInput(body[1], seconds);
    if (body.size() == 3 && body[0] == 'S' && (body[1] == '1' || body[1] == '2') &&
        body[2] == 'R') {
        Reply reply = ackOnly();
        reply.frame = frameStart() + std::string(body) + '$' +
                      fields::formatHex(status(body[1] - '0'), 2) + proto::kCR;
        return reply;
    }
    if (body == "M1R") {
        Reply reply = ackOnly();
        reply.frame = frameStart() + "M1R$" + fields::formatHex(mode_, 2) + proto::kCR;
        return reply;
    }
    if (body.starts_with("BDR")) return readMemory(body);
    if (body.starts_with("BRW")) {
        const auto baud = fields::parseUnsigned(body.substr(3));
        const auto& rates = proto::kDeviceBaudRates;
        if (!baud || std::find(std::begin(rates), std::end(rates), *baud) == std::end(rates))
            return nak();
        // The ACK still leaves at the old rate (the line times it by the request's rate);
        // from the next request on the box listens at the new one.
        baud_ = *baud;
        return ackOnly();
    }
    return executeWrite(body) ? ackOnly() : nak();
}

// The commands that the common address may carry as well.
bool Box::executeWrite(std::string_view body) {
    if (body == "DF1" || body == "DF2") {
        running_ = body[2] == '1';
        if (running_ && kurvenwiedergabe_.starten(memory_, mode_, jetzt_)) {
            status_[0] |= 0x01;
            fortschreiben(jetzt_);
        } else if (!running_ && kurvenwiedergabe_.laeuft()) {
            kurvenwiedergabe_.stoppen();
            status_[0] &= 0xFE;
        }
        return true;
    }
    if (body.size() > 3 && body[0] == 'V' && body[2] == 'W' && body[1] >= '1' && body[1] <= '4') {
        const auto millivolts = fields::parseOutputMillivolts(body.substr(3));
        return millivolts && setOutputMillivolts(body[1] - '0', *millivolts);
    }
    if (body.size() == 5 && (body.starts_with("M1S") || body.starts_with("M1C"))) {
        const auto mask = fields::parseHex(body.substr(3));
        if (!mask) return false;
        const auto bits = static_cast<std::uint8_t>(*mask);
        mode_ = body[2] == 'S' ? static_cast<std::uint8_t>(mode_ | bits)
                               : static_cast<std::uint8_t>(mode_ & ~bits);
        return true;
    }
    if (body.starts_with("BDW")) return writeMemory(body);
    return false;
}

Reply Box::readInput(char channel, double seconds) {
    Reply reply = ackOnly();
    reply.frame = frameStart() + 'V' + channel + 'R' +
                  fields::formatVolts(inputMillivolts(channel - '0', seconds)) + proto::kCR;
    return reply;
}

Reply Box::shortRead(int mask, double seconds) {
    Reply reply;
    reply.frame = frameStart();
    for (int channel = 1; channel <= kChannels; ++channel) {
        if ((mask & (1 << (channel - 1))) == 0) continue;
        const int millivolts = inputMillivolts(channel, seconds);
        reply.frame += static_cast<char>((millivolts >> 7) & 0x7F);
        reply.frame += static_cast<char>(millivolts & 0x7F);
    }
    reply.frame += proto::kCR;
    return reply;
}

namespace {

// Type digit, start and length of a memory block header ("4SSSSLLLL" after the letters);
// empty unless the type is 4 and the block lies inside the memory.
struct Block {
    unsigned start;
    unsigned length;
};

std::optional<Block> parseBlockHeader(std::string_view header) {
    if (header.size() != 9 || header[0] != '0' + proto::kMemoryType) return std::nullopt;
    const auto start = fields::parseHex(header.substr(1, 4));
    const auto length = fields::parseHex(header.substr(5, 4));
    if (!start || !length) return std::nullopt;
    if (static_cast<long>(*start) + static_cast<long>(*length) > proto::kMemorySize)
        return std::nullopt;
    return Block{*start, *length};
}

}  // namespace

Reply Box::readMemory(std::string_view body) {
    const auto block = parseBlockHeader(body.substr(3));
    if (!block) return nak();
    const auto data = memory().subspan(block->start, block->length);
    Reply reply = ackOnly();
    reply.memoryRead = true;
    std::string& frame = reply.frame;
    frame.reserve(2 * data.size() + 19);
    frame = frameStart() + "BDR4" + fields::formatHex(block->start, 4) +
            fields::formatHex(block->length, 4);
    for (std::uint8_t byte : data) frame += fields::formatHex(byte, 2);
    frame +=
        fields::formatHex(proto::blockChecksum(data.data(), static_cast<long>(data.size())), 4);
    frame += proto::kCR;
    return reply;
}

bool Box::writeMemory(std::string_view body) {
    if (body.size() < 3 + 9) return false;
    const auto block = parseBlockHeader(body.substr(3, 9));
    if (!block) return false;
    const std::string_view payload = body.substr(3 + 9);
    if (payload.size() != 2 * static_cast<std::size_t>(block->length) + 4) return false;
    std::vector<std::uint8_t> data(block->length);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const auto byte = fields::parseHex(payload.substr(2 * i, 2));
        if (!byte) return false;
        data[i] = static_cast<std::uint8_t>(*byte);
    }
    const auto checksum = fields::parseHex(payload.substr(2 * data.size(), 4));
    if (!checksum || *checksum != proto::blockChecksum(data.data(), static_cast<long>(data.size())))
        return false;
    std::copy(data.begin(), data.end(), memory_.begin() + block->start);
    return true;
}

std::string Box::frameStart() const {
    return std::string{proto::kFrameStart, address_};
}

}  // namespace plv7::sim
