#include "clients/HomeRuleCategory.h"

int homeRuleCategory(std::string_view code) {
    if (code == "016-0001-1")
        return 0;
    if (code == "022-0068-6")
        return 1;
    if (code.starts_with("016"))
        return 2;
    if (code.starts_with("022"))
        return 3;
    if (code.starts_with("045"))
        return 4;
    if (code.starts_with("056"))
        return 5;
    return kHomeRuleCategoryTyped;
}
