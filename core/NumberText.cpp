#include "core/NumberText.hpp"

namespace tintgrab {

namespace {

int digitValue(char c, unsigned base)
{
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

std::int64_t parseNumber(std::string_view text) { return parseNumberChecked(text).value; }

CheckedNumber parseNumberChecked(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i < text.size() && text[i] == '$') { base = 16; ++i; }
    else if (i < text.size() && text[i] == '%') { base = 2; ++i; }

    // Unsigned arithmetic wraps modulo 2^64 without undefined behaviour.
    const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    std::uint64_t value = 0;
    bool overflowed = false;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) break;
        overflowed = overflowed || value > (limit - static_cast<unsigned>(digit)) / base;
        value = value * base + static_cast<unsigned>(digit);
    }
    if (negative) value = 0 - value;
    return {static_cast<std::int64_t>(value), overflowed, negative};
}

std::string formatDecimal(std::int64_t value)
{
    // The magnitude in unsigned arithmetic, so the most negative value needs no special case.
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char digits[24];
    std::size_t n = sizeof digits;
    do {
        digits[--n] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[--n] = '-';
    return std::string(digits + n, sizeof digits - n);
}

std::string formatHex(std::uint64_t value)
{
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    char digits[16];
    std::size_t n = sizeof digits;
    do {
        digits[--n] = hexDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    return std::string(digits + n, sizeof digits - n);
}

std::string padLeft(std::string_view text, std::int64_t width, char fill)
{
    const std::size_t w = width < 0 ? 0 : static_cast<std::size_t>(width);
    if (text.size() >= w) return std::string(text.substr(0, w));
    return std::string(w - text.size(), fill).append(text);
}

std::string_view fieldOf(std::string_view text, std::int64_t index, std::string_view separator)
{
    if (index < 1) return {};
    if (separator.empty()) return index == 1 ? text : std::string_view{};
    std::size_t start = 0;
    for (std::int64_t field = 1; field < index; ++field) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) return {};
        start = at + separator.size();
    }
    const std::size_t end = text.find(separator, start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::int64_t countOf(std::string_view text, std::string_view sub)
{
    if (text.empty() || sub.empty()) return 0;
    std::int64_t count = 0;
    for (std::size_t at = text.find(sub); at != std::string_view::npos; at = text.find(sub, at + sub.size()))
        ++count;
    return count;
}

std::string_view trimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view leftOf(std::string_view text, std::int64_t n)
{
    if (n <= 0) return {};
    return text.substr(0, static_cast<std::uint64_t>(n) < text.size() ? static_cast<std::size_t>(n) : text.size());
}

std::string toUpper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) c = upperAscii(c);
    return upper;
}

std::string replaceAll(std::string_view text, std::string_view search, std::string_view replacement,
                       bool ignoreCase)
{
    if (search.empty()) return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        bool match = text.size() - i >= search.size();
        for (std::size_t k = 0; match && k < search.size(); ++k) {
            const char a = text[i + k], b = search[k];
            match = ignoreCase ? upperAscii(a) == upperAscii(b) : a == b;
        }
        if (match) {
            result.append(replacement);
            i += search.size();
        } else {
            result.push_back(text[i++]);
        }
    }
    return result;
}

} // namespace tintgrab
