#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/Color32.hpp"
#include "core/NumberText.hpp"
#include "tests/support/Printers.hpp"

namespace tintgrab {
namespace {

TEST(Color32, PackersSpillAndBorrowWithoutMasking)
{
    struct Case { std::int32_t r, g, b, a; bool withAlpha; Color32 expected; };
    const Case cases[] = {
        {255, 0, 0, 0, false, 0x000000FFu},
        {255, 0, 0, 255, true, 0xFF0000FFu},
        {300, 0, 0, 0, false, 0x0000012Cu},
        {-1, 0, 0, 0, false, 0xFFFFFFFFu},
        {0, 0, 256, 0, false, 0x01000000u},
        {10, 20, 30, 128, true, 0x801E140Au},
        {0, 0, 0, -1, true, 0xFF000000u},
        {INT_MIN, INT_MIN, INT_MIN, INT_MIN, true, 0x80000000u},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, true, 0x7EFEFEFFu},
    };
    for (const Case& c : cases) {
        const Color32 packed = c.withAlpha ? packRgba(c.r, c.g, c.b, c.a) : packRgb(c.r, c.g, c.b);
        EXPECT_EQ(Hex{packed}, Hex{c.expected}) << c.r << " " << c.g << " " << c.b << " " << c.a;
    }
    EXPECT_EQ(signedValue(packRgba(255, 0, 0, 255)), -16776961);
}

TEST(Color32, ChannelsAreNeverNegative)
{
    EXPECT_EQ(alphaOf(0xFF0000FFu), 255);
    EXPECT_EQ(redOf(0xFF0000FFu), 255);
    EXPECT_EQ(greenOf(0x00AB0000u >> 8), 0xAB);
    EXPECT_EQ(blueOf(0x00123456u), 0x12);
    EXPECT_EQ(alphaOf(0x80000000u), 128);
}

TEST(ParseNumber, Table)
{
    struct Case { std::string text; std::int64_t expected; };
    const Case cases[] = {
        {"", 0},
        {"42", 42},
        {"  \t-17xyz", -17},
        {"+8", 8},
        {"$ff", 255},
        {"$FF", 255},
        {"-$10", -16},
        {"%101", 5},
        {"%12", 1},
        {"$", 0},
        {"0x1F", 0},
        {"- 5", 0},
        {"--5", 0},
        {"+-5", 0},
        {"12.7", 12},
        {"$FFFFFFFFFFFFFFFF", -1},
        {"18446744073709551617", 1},                    // 2^64 + 1 wraps to 1
        {"9223372036854775807", INT64_MAX},
        {"9223372036854775808", INT64_MIN},             // wraps, no undefined behaviour
        {"-9223372036854775808", INT64_MIN},
        {"\n5", 0},                                      // only spaces and tabs are skipped
        {"$ 1", 0},
        {"% 1", 0},
        {"5\xC3\xA9", 5},
        {"\xC3\xA9" "5", 0},
        {"99999999999999999999999999999999", static_cast<std::int64_t>(0x85ACEF80FFFFFFFFull) /* modulo 2^64 */},
    };
    for (const Case& c : cases) EXPECT_EQ(parseNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ParseNumber, TwoToTheThirtySecondKeepsItsHighBitsInSixtyFour)
{
    // 2^32 is not zero as a 64-bit value, but its low 32 bits are: the classic trap where long is 32 bits.
    const std::int64_t value = parseNumber("4294967296");
    EXPECT_EQ(value, std::int64_t{1} << 32);
    EXPECT_EQ(static_cast<std::uint32_t>(value), 0u);
    EXPECT_EQ(sizeof(parseNumber("")), 8u);
}

TEST(FormatDecimal, Table)
{
    EXPECT_EQ(formatDecimal(0), "0");
    EXPECT_EQ(formatDecimal(-16776961), "-16776961");
    EXPECT_EQ(formatDecimal(1971210), "1971210");
    EXPECT_EQ(formatDecimal(INT32_MIN), "-2147483648");
    EXPECT_EQ(formatDecimal(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(formatDecimal(INT64_MAX), "9223372036854775807");
}

TEST(FormatHexAndPadLeft, Table)
{
    EXPECT_EQ(formatHex(0), "0");
    EXPECT_EQ(formatHex(15), "F");
    EXPECT_EQ(formatHex(16), "10");
    EXPECT_EQ(formatHex(255), "FF");
    EXPECT_EQ(formatHex(0xFFFFFFFFFFFFFFFFull), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(padLeft(formatHex(0), 2, '0'), "00");
    EXPECT_EQ(padLeft(formatHex(171), 2, '0'), "AB");
    EXPECT_EQ(padLeft("ABC", 2, '0'), "AB");
    EXPECT_EQ(padLeft("5", 3, ' '), "  5");
    EXPECT_EQ(padLeft("abc", -4, '0'), "");
    EXPECT_EQ(padLeft("", 0, '0'), "");
}

TEST(FieldOf, Table)
{
    struct Case { std::string text; std::int64_t index; std::string separator; std::string expected; };
    const Case cases[] = {
        {"a,b,,c", 1, ",", "a"},
        {"a,b,,c", 3, ",", ""},
        {"a,b,,c", 4, ",", "c"},
        {"a,b,,c", 5, ",", ""},
        {"a,b,,c", 0, ",", ""},
        {"a,b,,c", -3, ",", ""},
        {"abc", 1, ",", "abc"},
        {"abc", 2, ",", ""},
        {",x,", 1, ",", ""},
        {",x,", 3, ",", ""},
        {"a::b:::c", 2, "::", "b"},
        {"a::b:::c", 3, "::", ":c"},          // matches never overlap, searched left to right
        {"abc", 1, "", "abc"},
        {"abc", 2, "", ""},
        {"", 1, ",", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fieldOf(c.text, c.index, c.separator), c.expected) << c.text << " #" << c.index;

    // The two steps of the "RGB(" form, with and without the closing parenthesis.
    EXPECT_EQ(fieldOf(fieldOf("RGB(1, 2, 3)", 2, "("), 1, ")"), "1, 2, 3");
    EXPECT_EQ(fieldOf(fieldOf("RGB(1, 2, 3", 2, "("), 1, ")"), "1, 2, 3");
}

TEST(TextRules, CountTrimLeftUpper)
{
    EXPECT_EQ(countOf("aaa", "aa"), 1);
    EXPECT_EQ(countOf("aaaa", "aa"), 2);
    EXPECT_EQ(countOf("abc", ""), 0);
    EXPECT_EQ(countOf("", "a"), 0);
    EXPECT_EQ(countOf("a\nb\nc", "\n"), 2);

    EXPECT_EQ(trimSpaces("  a b \t "), "a b \t");
    EXPECT_EQ(trimSpaces("    "), "");
    EXPECT_EQ(trimSpaces("\ta\n"), "\ta\n");

    EXPECT_EQ(leftOf("abc", 2), "ab");
    EXPECT_EQ(leftOf("abc", 9), "abc");
    EXPECT_EQ(leftOf("abc", 0), "");
    EXPECT_EQ(leftOf("abc", -1), "");
    EXPECT_EQ(leftOf("abc", INT64_MAX), "abc");

    EXPECT_EQ(toUpper("rgba(\xC3\xA9z"), "RGBA(\xC3\xA9Z");
}

TEST(ReplaceAll, Table)
{
    EXPECT_EQ(replaceAll("?R ?r", "?r", "7", true), "7 7");
    EXPECT_EQ(replaceAll("?R ?r", "?r", "7", false), "?R 7");
    EXPECT_EQ(replaceAll("?rr", "?r", "?", true), "?r");    // the replacement is not searched again
    EXPECT_EQ(replaceAll("aaa", "aa", "b", true), "ba");
    EXPECT_EQ(replaceAll("abc", "", "x", true), "abc");
    EXPECT_EQ(replaceAll("", "a", "x", true), "");
    EXPECT_EQ(replaceAll("x?", "?hr", "FF", true), "x?");   // a partial match at the end
    EXPECT_EQ(replaceAll("\xC3\xA9?r", "?R", "1", true), "\xC3\xA9" "1");
}

} // namespace
} // namespace tintgrab

namespace tintgrab {
namespace {

TEST(ParseNumberChecked, OverflowIsWhereTheMagnitudeLeavesSigned64Bits)
{
    struct Case { std::string text; bool overflowed; bool negative; };
    const Case cases[] = {
        {"9223372036854775807", false, false},
        {"9223372036854775808", true, false},
        {"-9223372036854775808", false, true},
        {"-9223372036854775809", true, true},
        {"$7FFFFFFFFFFFFFFF", false, false},
        {"$8000000000000000", true, false},
        {"$FFFFFFFFFFFFFFFF", true, false},
        {"18446744073709551617", true, false},
        {"99999999999999999999999", true, false},
        {"%" + std::string(63, '1'), false, false},
        {"%" + std::string(64, '1'), true, false},
        {"  \t-12", false, true},
        {"0000000000000000000000000000000000001", false, false},
    };
    for (const Case& c : cases) {
        const CheckedNumber number = parseNumberChecked(c.text);
        EXPECT_EQ(number.overflowed, c.overflowed) << c.text;
        EXPECT_EQ(number.negative, c.negative) << c.text;
        EXPECT_EQ(number.value, parseNumber(c.text)) << c.text;
    }
}

} // namespace
} // namespace tintgrab
