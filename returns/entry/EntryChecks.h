#pragma once

#include <QString>

// The checks the return wizard's steps make when Next is pressed, and what they store, for the
// steps and for the figure import alike.
namespace EntryChecks {
// What the total receipts step stores for an entered amount: 0.01 for 0, so the return is not
// taken for blank forms.
double storedTotalReceipts(double entered);

// The steps whose amounts must stay below the total receipts refuse Next with this message.
inline constexpr char kPageSumMessage[] =
    "The sum of values on this page can't be larger than or equal to \"Total Receipts\"!";
bool sumBelowTotalReceipts(double sum, double totalReceipts);

// How food, drugs and medical appliances sold within the state are entered: without the sales
// tax (method 1) or with it (method 2).
enum class FoodMethod { TaxExcluded = 1, TaxIncluded = 2 };
// The food step's refusal of `amount` against the stored total receipts (the text of its
// balloon), or empty when the amount passes: method 1 must stay below the total receipts,
// method 2 must not exceed them. With method 2 the step stores foodBaseFromTotal(amount).
QString foodRefusal(FoodMethod method, double amount, double totalReceipts);
} // namespace EntryChecks
