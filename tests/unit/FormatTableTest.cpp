#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/NumberText.hpp"
#include "formattable/FormatTable.hpp"
#include "launcher/BuildVariants.hpp"
#include "tests/support/FakeToolkit.hpp"
#include "tests/support/Printers.hpp"

namespace tintgrab {
namespace {

using namespace std::string_literals;

// The table as the field rules define it, line by line with fieldOf: quadratic, but plainly right.
FormatTable parseByFields(std::string_view text, std::int32_t alphaMode)
{
    FormatTable table;
    table.dialogTitle = std::string(fieldOf(text, 1, "\n"));
    const std::int64_t rows = countOf(text, "\n");
    for (std::int64_t lineNumber = 2; lineNumber <= rows + 1; ++lineNumber) {
        const std::int64_t row = lineNumber - 1;
        const std::string_view line = fieldOf(text, lineNumber, "\n");
        const std::int64_t k = countOf(line, "\t") + 1;
        for (std::int64_t c = 1; c <= k; ++c) {
            FormatCell cell{};
            cell.width = static_cast<std::int32_t>((350 - 2 * k) / k);
            cell.x = static_cast<std::int32_t>((c - 1) * (cell.width + 2) + 12);
            cell.y = static_cast<std::int32_t>(346 + 22 * (row - 1) + (alphaMode == 1 ? 22 : 0));
            cell.text = std::string(fieldOf(line, c, "\t"));
            cell.placeholderCount = static_cast<std::int32_t>(countOf(cell.text, "?"));
            table.formatCells.push_back(cell);
        }
    }
    table.tableHeight = rows > 0 ? static_cast<std::int32_t>(22 * rows + 12) : 0;
    return table;
}

::testing::AssertionResult sameTable(const FormatTable& a, const FormatTable& b)
{
    if (a.dialogTitle != b.dialogTitle) return ::testing::AssertionFailure() << "title " << a.dialogTitle << " / " << b.dialogTitle;
    if (a.tableHeight != b.tableHeight) return ::testing::AssertionFailure() << "height " << a.tableHeight << " / " << b.tableHeight;
    if (a.formatCells.size() != b.formatCells.size())
        return ::testing::AssertionFailure() << "cells " << a.formatCells.size() << " / " << b.formatCells.size();
    for (std::size_t i = 0; i < a.formatCells.size(); ++i) {
        const FormatCell& p = a.formatCells[i];
        const FormatCell& q = b.formatCells[i];
        if (p.x != q.x || p.y != q.y || p.width != q.width || p.text != q.text || p.placeholderCount != q.placeholderCount
            || p.control != q.control) {
            return ::testing::AssertionFailure() << "cell " << i << ": (" << p.x << ", " << p.y << ", " << p.width << ", \""
                                                 << p.text << "\", " << p.placeholderCount << ") / (" << q.x << ", " << q.y
                                                 << ", " << q.width << ", \"" << q.text << "\", " << q.placeholderCount << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

std::string repeated(std::string_view piece, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += piece;
    return text;
}

TEST(FormatTableParse, OnePassEqualsTheFieldRules)
{
    const std::string texts[] = {
        "", "\n", "\n\n", "\t", "\t\n\t", "title", "title\n", "\ntitle", "a\nb", "a\tb", "a\tb\nc\td\te",
        "t\n\t\t\n\n?\t??\t", "t\r\nA\tB\r\n?r\t?g\r\n", "\r", "\r\n", "t\nlast\t", "t\n\tfirst",
        "S\xC3\xA9lection\nH\xC3\xA9xa\td\xC3\xA9\n", "nul\0in\ttitle\n\0\t\0?"s,
        std::string(opaqueFormatText), std::string(alphaFormatText), std::string(alphaFormatText) + "\n",
        "t\n" + repeated("x\t", 116) + "x", "t\n" + repeated("?\t", 200) + "\n" + repeated("\t", 400),
        repeated("\n", 50) + "tail", repeated("a\tb\n", 30),
    };
    for (const std::string& text : texts) {
        for (std::int32_t alphaMode : {0, 1}) {
            EXPECT_TRUE(sameTable(parseFormatText(text, alphaMode), parseByFields(text, alphaMode)))
                << "alphaMode " << alphaMode << " text \"" << text << '"';
        }
    }
    // Random texts over the characters that matter, with a fixed seed.
    std::mt19937 random(20240611u);
    const char alphabet[] = {'\n', '\t', '?', 'a', '\r', '\0', 'h', '\n', '\t'};
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 40, ' ');
        for (char& c : text) c = alphabet[random() % sizeof alphabet];
        const std::int32_t alphaMode = static_cast<std::int32_t>(random() % 3); // 2 counts as the opaque build
        ASSERT_TRUE(sameTable(parseFormatText(text, alphaMode), parseByFields(text, alphaMode)))
            << "round " << round << " alphaMode " << alphaMode;
    }
}

struct ExpectedCell { std::int32_t x, y, width; std::string text; std::int32_t placeholderCount; };

::testing::AssertionResult cellsAre(const FormatTable& table, const std::vector<ExpectedCell>& expected)
{
    if (table.formatCells.size() != expected.size())
        return ::testing::AssertionFailure() << table.formatCells.size() << " cells, expected " << expected.size();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const FormatCell& cell = table.formatCells[i];
        const ExpectedCell& e = expected[i];
        if (cell.x != e.x || cell.y != e.y || cell.width != e.width || cell.text != e.text
            || cell.placeholderCount != e.placeholderCount || cell.control != nullptr) {
            return ::testing::AssertionFailure() << "cell " << i << " is (" << cell.x << ", " << cell.y << ", " << cell.width
                                                 << ", \"" << cell.text << "\", " << cell.placeholderCount << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(FormatTableParse, BuiltInTexts)
{
    const FormatTable opaque = parseFormatText(opaqueFormatText, 0);
    EXPECT_EQ(opaque.dialogTitle, "S\xC3\xA9lection de couleur");
    EXPECT_EQ(opaque.tableHeight, 56);
    EXPECT_TRUE(cellsAre(opaque, {
        {12, 346, 173, "H\xC3\xA9xad\xC3\xA9" "cimal", 0},
        {187, 346, 173, "RGB", 0},
        {12, 368, 173, "$?hb?hg?hr", 3},
        {187, 368, 173, "RGB(?r, ?g, ?b)", 3},
    }));

    const FormatTable alpha = parseFormatText(alphaFormatText, 1);
    EXPECT_EQ(alpha.dialogTitle, "S\xC3\xA9lection de couleur");
    EXPECT_EQ(alpha.tableHeight, 78);
    EXPECT_TRUE(cellsAre(alpha, {
        {12, 368, 173, "H\xC3\xA9xad\xC3\xA9" "cimal", 0},
        {187, 368, 173, "RGB", 0},
        {12, 390, 173, "$?hb?hg?hr", 3},
        {187, 390, 173, "RGB(?r, ?g, ?b)", 3},
        {12, 412, 173, "$?ha?hb?hg?hr", 4},
        {187, 412, 173, "RGBA(?r, ?g, ?b, ?a)", 4},
    }));
}

TEST(FormatTableParse, TitleOnlyEmptyAndTrailingLineFeeds)
{
    const FormatTable titleOnly = parseFormatText("Just a title", 1);
    EXPECT_EQ(titleOnly.dialogTitle, "Just a title");
    EXPECT_EQ(titleOnly.tableHeight, 0);
    EXPECT_TRUE(titleOnly.formatCells.empty());

    const FormatTable empty = parseFormatText("", 0);
    EXPECT_EQ(empty.dialogTitle, "");
    EXPECT_EQ(empty.tableHeight, 0);
    EXPECT_TRUE(empty.formatCells.empty());

    // A line feed at the end adds a row of one empty label: 34 pixels when it is the only row.
    const FormatTable onlyRow = parseFormatText("Title\n", 0);
    EXPECT_EQ(onlyRow.dialogTitle, "Title");
    EXPECT_EQ(onlyRow.tableHeight, 34);
    EXPECT_TRUE(cellsAre(onlyRow, {{12, 346, 348, "", 0}}));

    // ... and 22 more pixels after the built-in rows.
    const FormatTable longer = parseFormatText(std::string(opaqueFormatText) + "\n", 0);
    EXPECT_EQ(longer.tableHeight, 78);
    ASSERT_EQ(longer.formatCells.size(), 5u);
    EXPECT_TRUE(cellsAre(FormatTable{"", {longer.formatCells[4]}, 0}, {{12, 390, 348, "", 0}}));
}

TEST(FormatTableParse, CarriageReturnsStayInTheText)
{
    const FormatTable table = parseFormatText("Title\r\nA\tB\r\n?r\r\nlast", 0);
    EXPECT_EQ(table.dialogTitle, "Title\r");
    EXPECT_EQ(table.tableHeight, 78);
    EXPECT_TRUE(cellsAre(table, {
        {12, 346, 173, "A", 0},
        {187, 346, 173, "B\r", 0},
        {12, 368, 348, "?r\r", 1},
        {12, 390, 348, "last", 0},
    }));
}

TEST(FormatTableParse, CellWidthsByCount)
{
    struct Case { std::size_t cells; std::int32_t width; std::vector<std::int32_t> xs; };
    const Case cases[] = {
        {1, 348, {12}},
        {2, 173, {12, 187}},
        {3, 114, {12, 128, 244}},
        {4, 85, {12, 99, 186, 273}},
        {116, 1, {12, 15, 18}},
        {117, 0, {12, 14, 16}},   // from here on the platform decides what it shows
        {349, 0, {12, 14}},
        {350, -1, {12, 13, 14}},
        {1000, -1, {12, 13}},
    };
    for (const Case& c : cases) {
        std::string row = "T\n";
        for (std::size_t i = 0; i < c.cells; ++i) row += (i == 0 ? "" : "\t") + std::to_string(i);
        const FormatTable table = parseFormatText(row, 0);
        ASSERT_EQ(table.formatCells.size(), c.cells);
        for (std::size_t i = 0; i < c.cells; ++i) {
            EXPECT_EQ(table.formatCells[i].width, c.width) << c.cells << " cells";
            EXPECT_EQ(table.formatCells[i].text, std::to_string(i));
        }
        for (std::size_t i = 0; i < c.xs.size(); ++i) EXPECT_EQ(table.formatCells[i].x, c.xs[i]) << c.cells << " cells, cell " << i;
        EXPECT_EQ(table.formatCells.back().x, static_cast<std::int32_t>(c.cells - 1) * (c.width + 2) + 12) << c.cells;
    }
}

TEST(FormatTableParse, HundredsOfThousandsOfLinesInOnePass)
{
    // Walking the lines with fieldOf would read this text about 10^11 times over.
    const std::size_t lines = 300000;
    std::string text = "Many";
    text.reserve(lines * 8);
    for (std::size_t i = 0; i < lines; ++i) text += i % 2 ? "\n?r\t?g" : "\nlabel";
    const FormatTable table = parseFormatText(text, 1);
    EXPECT_EQ(table.formatCells.size(), lines / 2 * 3);
    EXPECT_EQ(table.tableHeight, 22 * 300000 + 12);
    EXPECT_EQ(table.formatCells.back().y, 346 + 22 * 299999 + 22);
    EXPECT_EQ(table.formatCells.back().text, "?g");
    EXPECT_EQ(table.formatCells.back().x, 187);
}

TEST(FormatTableFill, Templates)
{
    struct Case { std::string text; Color32 color; std::string expected; };
    const Case cases[] = {
        // red 10, green 200, blue 5, alpha 255
        {"$?hb?hg?hr", 0xFF05C80Au, "$05C80A"},
        {"RGB(?r, ?g, ?b)", 0xFF05C80Au, "RGB(10, 200, 5)"},
        {"$?ha?hb?hg?hr", 0xFF05C80Au, "$FF05C80A"},
        {"RGBA(?r, ?g, ?b, ?a)", 0xFF05C80Au, "RGBA(10, 200, 5, 255)"},
        {"?R ?G ?B ?A ?HR ?Hg ?hB ?hA", 0x80336699u, "153 102 51 128 99 66 33 80"},
        // Each step reads what the earlier ones left: ?h then ?hr gives ?hB5 and then blue 0x33.
        {"?h?hr", 0x003300B5u, "335"},
        {"?hr?hg?hb?ha", 0x00FF0500u, "0005FF00"},
        {"?a ?ha", 0x00000000u, "0 00"},   // alpha is filled whatever the build
        {"?", 0xFFFFFFFFu, "?"},
        {"What?", 0u, "What?"},
        {"??r?", 0x00000007u, "?7?"},
        {"?x ?h ?hx", 0u, "?x ?h ?hx"},
        {"", 0u, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(fillTemplate(c.text, c.color), c.expected) << '"' << c.text << "\" " << Hex{c.color};
}

class FormatControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::reset();
        window = openDialogWindow("table", 0, 0, 372, 446, nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { fake::reset(); }
    Window* window = nullptr;
};

TEST_F(FormatControls, LabelsAndReadOnlyFieldsFilledWithTheWorkedExample)
{
    FormatTable table = parseFormatText(alphaFormatText, 1);
    createFormatControls(window, table.formatCells);
    ASSERT_EQ(window->controls.size(), 6u);
    const FakeControlKind kinds[] = {FakeControlKind::label, FakeControlKind::label, FakeControlKind::readOnlyField,
                                     FakeControlKind::readOnlyField, FakeControlKind::readOnlyField,
                                     FakeControlKind::readOnlyField};
    for (std::size_t i = 0; i < 6; ++i) {
        const FormatCell& cell = table.formatCells[i];
        ASSERT_EQ(cell.control, window->controls[i].get()) << "cell " << i;
        EXPECT_EQ(cell.control->kind, kinds[i]) << "cell " << i;
        EXPECT_EQ(cell.control->x, cell.x);
        EXPECT_EQ(cell.control->y, cell.y);
        EXPECT_EQ(cell.control->width, 173);
        EXPECT_EQ(cell.control->height, 20);
        EXPECT_EQ(cell.control->text, i < 2 ? cell.text : "") << "cell " << i; // fields stay empty until filled
    }

    fillFormatCells(table.formatCells, 0xFF05C80Au);
    const std::string shown[] = {"H\xC3\xA9xad\xC3\xA9" "cimal", "RGB", "$05C80A", "RGB(10, 200, 5)", "$FF05C80A",
                                 "RGBA(10, 200, 5, 255)"};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(table.formatCells[i].control->text, shown[i]) << "cell " << i;

    // Every fill sets the text again, also when the colour has not changed.
    setControlText(table.formatCells[3].control, "edited");
    fillFormatCells(table.formatCells, 0xFF05C80Au);
    EXPECT_EQ(table.formatCells[3].control->text, "RGB(10, 200, 5)");
    fillFormatCells(table.formatCells, 0x00000000u);
    EXPECT_EQ(table.formatCells[4].control->text, "$00000000");
    EXPECT_EQ(table.formatCells[0].control->text, "H\xC3\xA9xad\xC3\xA9" "cimal");
}

TEST_F(FormatControls, CellsWithoutWidthOrWindowGetNoControl)
{
    FormatTable table = parseFormatText("T\n" + repeated("?r\t", 116) + "?r\n" + repeated("x\t", 400) + "\nlast", 0);
    ASSERT_EQ(table.formatCells.size(), 117u + 401u + 1u);
    createFormatControls(window, table.formatCells);
    EXPECT_EQ(window->controls.size(), 1u);
    for (std::size_t i = 0; i + 1 < table.formatCells.size(); ++i) EXPECT_EQ(table.formatCells[i].control, nullptr) << i;
    ASSERT_NE(table.formatCells.back().control, nullptr);
    EXPECT_EQ(table.formatCells.back().control->kind, FakeControlKind::label);
    EXPECT_EQ(table.formatCells.back().control->text, "last");
    fillFormatCells(table.formatCells, 0xFFFFFFFFu); // the cells without control are passed over

    FormatTable builtIn = parseFormatText(opaqueFormatText, 0);
    createFormatControls(nullptr, builtIn.formatCells);
    for (const FormatCell& cell : builtIn.formatCells) EXPECT_EQ(cell.control, nullptr);
    fillFormatCells(builtIn.formatCells, 0xFFFFFFFFu);
}

} // namespace
} // namespace tintgrab
