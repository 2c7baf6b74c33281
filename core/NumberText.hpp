#pragma once
// The rules by which numbers are read from and written to text, and the few text operations the
// program needs. Texts are UTF-8; every character these rules look at is ASCII, so a multi-byte
// character is simply a run of bytes that never matches a digit or a separator.
// None of these functions fails: malformed text gives the number read so far, missing fields are empty.

#include <cstdint>
#include <string>
#include <string_view>

namespace tintgrab {

// Skips leading spaces and tabs, one optional sign, then "$" (hex), "%" (binary) or decimal digits.
// Overflow wraps modulo 2^64; no digit at all gives 0.
std::int64_t parseNumber(std::string_view text);

// parseNumber, and whether the digits' magnitude went beyond what a signed 64-bit value holds
// (beyond 2^63 - 1, or 2^63 after a minus sign), in which case value has wrapped.
struct CheckedNumber {
    std::int64_t value = 0;
    bool overflowed = false;
    bool negative = false; // a minus sign stood before the digits
};
CheckedNumber parseNumberChecked(std::string_view text);

std::string formatDecimal(std::int64_t value);
// Upper-case hexadecimal digits without leading zeros; callers pass non-negative values.
std::string formatHex(std::uint64_t value);
// Exactly width characters: the left part of a longer text, or fill characters in front of a shorter one.
std::string padLeft(std::string_view text, std::int64_t width, char fill);

// The index-th field (1-based) between separators; empty when there is no such field.
std::string_view fieldOf(std::string_view text, std::int64_t index, std::string_view separator);
// Non-overlapping occurrences of sub; 0 when either is empty.
std::int64_t countOf(std::string_view text, std::string_view sub);
std::string_view trimSpaces(std::string_view text);
std::string_view leftOf(std::string_view text, std::int64_t n);
std::string toUpper(std::string_view text);
// Every non-overlapping occurrence of search replaced; the replacement is never searched again.
std::string replaceAll(std::string_view text, std::string_view search, std::string_view replacement,
                       bool ignoreCase);

} // namespace tintgrab
