// The two byte orders of the program's files and of the box's memory.
#include <gtest/gtest.h>

#include <array>

#include "base/ByteOrder.h"

namespace plv7 {
namespace {

TEST(ByteOrder, BothOrdersOfTheSameNumbers) {
    std::array<std::uint8_t, 6> bytes{};
    be::putU16(bytes, 1, 0x1234);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 6>{0, 0x12, 0x34, 0, 0, 0}));
    EXPECT_EQ(be::getU16(bytes, 1), 0x1234);
    be::putU16(bytes, 4, 0x1FFFF);  // a 16-bit field keeps the low 16 bits
    EXPECT_EQ(be::getU16(bytes, 4), 0xFFFF);

    le::putI32(bytes, 0, -2);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 6>{0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(le::getI32(bytes, 0), -2);
    EXPECT_EQ(be::getU16(bytes, 0), 0xFEFF);
}

}  // namespace
}  // namespace plv7
