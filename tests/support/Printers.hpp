#pragma once
// Shows a Color32 as 0xAABBGGRR in test failures.

#include <cstdio>
#include <ostream>
#include <string>

#include "core/Color32.hpp"

namespace tintgrab {

struct Hex {
    Color32 value;
    friend bool operator==(Hex a, Hex b) { return a.value == b.value; }
    friend std::ostream& operator<<(std::ostream& out, Hex h)
    {
        char text[16];
        std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(h.value));
        return out << text;
    }
};

} // namespace tintgrab
