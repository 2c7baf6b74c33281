#pragma once
// The bytes of the icon files built into the program (from icons/*.ico).

#include <cstdint>
#include <span>

namespace tintgrab::embedded {

extern const std::span<const std::uint8_t> okIcon;
extern const std::span<const std::uint8_t> cancelIcon;
extern const std::span<const std::uint8_t> pickIcon;
extern const std::span<const std::uint8_t> ringIcon;
extern const std::span<const std::uint8_t> arrowUpIcon;
extern const std::span<const std::uint8_t> arrowDownIcon;

} // namespace tintgrab::embedded
