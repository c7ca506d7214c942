#include "returns/entry/EntryChecks.h"

namespace {
constexpr double kNoReceipts = 0.01;
} // namespace

double EntryChecks::storedTotalReceipts(double entered) {
    return entered == 0 ? kNoReceipts : entered;
}

bool EntryChecks::sumBelowTotalReceipts(double sum, double totalReceipts) {
    return sum < totalReceipts;
}

QString EntryChecks::foodRefusal(FoodMethod method, double amount, double totalReceipts) {
    if (method == FoodMethod::TaxExcluded && amount >= totalReceipts)
        return QStringLiteral("This number can't be larger than or equal to \"Total Receipts\"");
    if (method == FoodMethod::TaxIncluded && amount > totalReceipts)
        return QStringLiteral("This number can't be larger than \"Total Receipts\"");
    return {};
}
