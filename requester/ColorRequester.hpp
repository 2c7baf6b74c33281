#pragma once
#include <cstdint>
#include <string_view>

#include "core/Color32.hpp"
#include "platform/Toolkit.hpp"

namespace tintgrab {

// The colour dialog: one blocking call that opens the dialog on color, runs it until the user
// accepts, cancels or closes it, releases everything it made and returns the accepted colour, or
// color itself after cancel or close. parentWindow, when it names an existing window, is disabled
// while the dialog runs.
Color32 ColorRequester(Color32 color, std::string_view formatText, std::int32_t alphaMode, Window* parentWindow);

} // namespace tintgrab
