#include "requester/ColorRequester.hpp"

namespace tintgrab {

Color32 ColorRequester(Color32 color, std::string_view, std::int32_t, Window*) { return color; }

} // namespace tintgrab
