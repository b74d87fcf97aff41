#include "VnBinaryString.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> BytesOf(const VnBinaryString& s)
{
    return s.Length() ? std::vector<std::uint8_t>(s.Bytes(), s.Bytes() + s.Length())
                      : std::vector<std::uint8_t>{};
}

TEST(BinaryString, FromHexText)
{
    struct Case {
        const char* hex;
        std::vector<std::uint8_t> expected;
        const char* why;
    } const cases[] = {
        {"", {}, "empty text, no bytes"},
        {"0aFF1", {0x0A, 0xFF}, "either case; an odd last character is ignored"},
        {"7", {}, "one character makes no byte"},
        {"80000000", {0x80, 0, 0, 0}, "a port bitmap"},
        {"G1", {0x01}, "'G' is 71-55 = 16: 16*16+1 kept to 8 bits"},
        {"zz", {0x53}, "'z' is 122-87 = 35: 35*16+35 = 0x253, kept to 8 bits"},
        {" 1", {0x01}, "a blank is 32-48 = -16: -16*16+1 = -255, kept to 8 bits"},
    };
    for (const auto& c : cases) {
        const VnBinaryString s(c.hex);
        EXPECT_EQ(BytesOf(s), c.expected) << c.hex << ": " << c.why;
        EXPECT_EQ(s.Length() == 0, s.Bytes() == nullptr) << c.hex;
    }
}

TEST(BinaryString, DefaultIsEmpty)
{
    const VnBinaryString s;
    EXPECT_EQ(s.Length(), 0u);
    EXPECT_EQ(s.Bytes(), nullptr);
}

TEST(BinaryString, CopiesOwnTheirBytes)
{
    VnBinaryString a("0102");
    VnBinaryString b("FF");
    b = a;
    const VnBinaryString c(a);
    a = VnBinaryString("09");
    EXPECT_EQ(BytesOf(b), (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(BytesOf(c), (std::vector<std::uint8_t>{1, 2}));
    EXPECT_NE(b.Bytes(), c.Bytes());

    // Freeing before copying would lose the bytes when a string is assigned
    // to itself.
    VnBinaryString& same = b;
    b = same;
    EXPECT_EQ(BytesOf(b), (std::vector<std::uint8_t>{1, 2}));
}

} // namespace
