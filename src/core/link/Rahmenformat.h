#pragma once

#include <cstdint>

// Constants of the PLV-7 line protocol, shared by the driver and the simulated box.
namespace plv7::protocol {

inline constexpr char kFrameStart = '#';
inline constexpr char kCR = 0x0D;
inline constexpr char kACK = 0x06;
inline constexpr char kNAK = 0x15;
inline constexpr char kCAN = 0x18;
inline constexpr char kCommonAddress = '&';

inline constexpr int kMemoryType = 4;
inline constexpr long kMemorySize = 32768;
inline constexpr int kMaxWriteBlock = 64;

inline constexpr int kBitsPerCharacter = 10;  // start, 7 data, parity, stop

inline constexpr long kPortBaudRates[] = {4800, 9600, 19200, 38400, 57600, 115200};
inline constexpr long kDeviceBaudRates[] = {9600, 19200, 38400, 57600, 115200};

inline constexpr char kIdentificationPrefix[] = "ORV-PLV7RS232B-";

inline constexpr int kModeCurves = 0x04;
inline constexpr int kModeCharacteristics = 0x02;

// '1'..'9' and 'a'..'f'; upper-case letters are no addresses.
constexpr bool isIndividualAddress(char a) {
    return (a >= '1' && a <= '9') || (a >= 'a' && a <= 'f');
}

// Block checksum of memory reads and writes: 1 plus every data byte, modulo 65536.
constexpr std::uint16_t blockChecksum(const std::uint8_t* data, long length) {
    std::uint16_t sum = 1;
    for (long i = 0; i < length; ++i) sum = static_cast<std::uint16_t>(sum + data[i]);
    return sum;
}

// Seconds a number of characters takes on the line at a baud rate.
constexpr double wireSeconds(long characters, long baud) {
    return static_cast<double>(characters) * kBitsPerCharacter / static_cast<double>(baud);
}

}  // namespace plv7::protocol
