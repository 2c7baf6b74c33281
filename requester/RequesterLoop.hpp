#pragma once
// ColorRequester with a look at its state after every loop pass, for tests that check invariants
// while a long run of events is handled.

#include <functional>

#include "requester/RequesterState.hpp"

namespace tintgrab {

using PassObserver = std::function<void(const RequesterState&)>;

Color32 runRequester(Color32 color, std::string_view formatText, std::int32_t alphaMode, Window* parentWindow,
                     const PassObserver& afterPass);

} // namespace tintgrab
