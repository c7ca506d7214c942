#pragma once

#include "forms/filling/FormSet.h"

#include <array>
#include <optional>

// How the fills of a combined multi-site return ended. An ST-2 page without a value was not
// filled: past the last location, or after a page that failed.
struct CombinedFills {
    bool st1Page1 = false;
    bool st1Page2 = false;
    std::array<std::optional<bool>, FormSet::kSt2Pages> st2Pages;
};
