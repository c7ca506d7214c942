#pragma once

#include <string_view>

// Classifies a location code for the home-rule motor fuel taxes, 0 to 6. Categories 0-5 are
// the places whose fuel tax rates the program knows; 6 (every other place, an empty code
// too) is where the preparer types the cents per gallon.
int homeRuleCategory(std::string_view locationCode);

inline constexpr int kHomeRuleCategoryTyped = 6;
