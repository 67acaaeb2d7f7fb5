#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

// Numbers in a fixed byte order, independent of the host's.

// Little-endian numbers of the program's own binary files.
namespace plv7::le {

inline void putU32(std::span<std::uint8_t> out, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        out[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::uint32_t getU32(std::span<const std::uint8_t> in, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{in[offset + i]} << (8 * i);
    return value;
}

inline void putI32(std::span<std::uint8_t> out, std::size_t offset, std::int32_t value) {
    putU32(out, offset, static_cast<std::uint32_t>(value));
}

inline std::int32_t getI32(std::span<const std::uint8_t> in, std::size_t offset) {
    return static_cast<std::int32_t>(getU32(in, offset));
}

inline void putDouble(std::span<std::uint8_t> out, std::size_t offset, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < 8; ++i)
        out[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

inline double getDouble(std::span<const std::uint8_t> in, std::size_t offset) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) bits |= std::uint64_t{in[offset + i]} << (8 * i);
    return std::bit_cast<double>(bits);
}

}  // namespace plv7::le

// Big-endian 16-bit numbers of the box's memory: the curve image and the characteristic blocks.
namespace plv7::be {

inline void putU16(std::span<std::uint8_t> out, std::size_t offset, std::uint32_t value) {
    out[offset] = static_cast<std::uint8_t>(value >> 8);
    out[offset + 1] = static_cast<std::uint8_t>(value);
}

inline std::uint16_t getU16(std::span<const std::uint8_t> in, std::size_t offset) {
    return static_cast<std::uint16_t>(in[offset] << 8 | in[offset + 1]);
}

}  // namespace plv7::be
