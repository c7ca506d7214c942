#include "returns/Discount.h"

#include "returns/St1Section.h"

Dollars retailersDiscount(Figure discountLine, Figure taxLine, Dollars tax, bool onTime,
                          StepRecorder steps) {
    if (!onTime) {
        steps.note(discountLine, StepNote::Late);
        return 0;
    }
    steps.note(discountLine, StepNote::OnTime);
    return steps.rounded(discountLine,
                         term(taxLine, tax) * term(Operand::DiscountRate, St1Rates::kDiscountRate));
}
