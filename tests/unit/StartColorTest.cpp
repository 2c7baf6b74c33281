#include <gtest/gtest.h>

#include <string>

#include "core/NumberText.hpp"
#include "launcher/StartColor.hpp"
#include "tests/support/Printers.hpp"

namespace tintgrab {
namespace {

TEST(StartColor, EveryRuleInOrder)
{
    struct Case { std::string text; Color32 expected; };
    const Case cases[] = {
        {"", 0xFF0000FFu},
        {"   ", 0xFF0000FFu},
        {"rgb(10, 20, 30)", 0x001E140Au},
        {"RGB(10, 20, 30)", 0x001E140Au},
        {"Rgb(10,20,30)", 0x001E140Au},
        {"RGBA(10, 20, 30, 128)", 0x801E140Au},
        {"rgba(1,2,3,4)", 0x04030201u},
        {"RGB(1,2)", 0x00000201u},
        {"RGB(x)", 0u},
        {"RGB(", 0u},
        {"RGB(1, 2, 3", 0x00030201u},
        {"  RGB(1, 2, 3)  ", 0x00030201u},
        {"\tRGB(1, 2, 3)", 0xFF0000FFu},              // tabs are not trimmed: reads as the number 0
        // Out-of-range channels stay in their own channel.
        {"RGB(300, 0, 0)", 0x000000FFu},
        {"RGB(4294967296, 0, 0)", 0x000000FFu},
        {"RGB(-5, 0, 0)", 0u},
        {"RGB(1, 256, -1)", 0x0000FF01u},
        {"RGBA(0, 0, 0, 999)", 0xFF000000u},
        {"RGBA(1,2,3,-1)", 0x00030201u},
        {"RGB(99999999999999999999999, 0, 0)", 0x000000FFu},   // wraps in 64 bits, still limited
        {"RGB(1, 2, 3, 4)", 0x00030201u},                       // a fourth field of RGB is ignored
        {"RGBA(1, 2, 3)", 0x00030201u},                         // a missing alpha reads 0
        {"RGB(1(2), 3)", 0x00000001u},                          // inner text ends at the next "("
        {"  $ff  ", 0x000000FFu},
        {"$", 0u},
        {"$zz", 0u},
        {"$100000000", 0u},
        {"$80336699", 0x80336699u},
        {"0", 0xFF0000FFu},
        {"abc", 0xFF0000FFu},
        {"0x1F", 0xFF0000FFu},
        {"-1", 0xFFFFFFFFu},
        {"4294967296", 0u},                                     // not zero in 64 bits
        {"-16776961", 0xFF0000FFu},
        {"1971210", 0x001E140Au},
        {"12abc", 12u},
        {"%1010", 10u},
        {"\t\t42", 42u},
        {"\n42", 0xFF0000FFu},
        {"S\xC3\xA9lection", 0xFF0000FFu},
    };
    for (const Case& c : cases) EXPECT_EQ(Hex{startColorFromText(c.text)}, Hex{c.expected}) << '"' << c.text << '"';
}

TEST(StartColor, SeveralMegabytesOfText)
{
    std::string text = "RGB(10, 20, 30)";
    text.append(8u << 20, 'x');
    EXPECT_EQ(Hex{startColorFromText(text)}, Hex{0x001E140Au});
    std::string digits(4u << 20, '9');
    EXPECT_EQ(Hex{startColorFromText(digits)}, Hex{static_cast<Color32>(static_cast<std::uint64_t>(parseNumber(digits)))});
}

} // namespace
} // namespace tintgrab
