// The words of the worked example and of the rules the calculations apply, read as a preparer
// reads them.
#include "core/returns/ReturnTestRecord.h"
#include "returns/ReturnCalculation.h"
#include "returns/report/PreparedReturn.h"
#include "returns/report/ReturnExplanation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {
// February 2005 chosen in March 2005, on time: the current rates (8.75 %, food 2.25 %) apply.
class Explanation : public ::testing::Test {
protected:
    Explanation() : today_(QDate(2005, 3, 15)) {
        prepared.record = *returnWithRates("08750", "02250");
        prepared.record.period.monthIndex = 1;
        prepared.record.st1.totalReceipts = 10000.00;
        prepared.record.st1.foodSalesInside = 2000.00;
        prepared.record.worksheet.resale = 500;
    }

    // The words of a figure, in UTF-8 so that a difference reads plainly.
    std::string words(Figure figure) {
        computeAll(prepared.record, prepared.steps);
        explanation = explainReturn(prepared);
        const ExplainedLine* line = explanation.find(figure);
        return line ? line->words.text.toStdString() : "(not explained)";
    }

    PreparedReturn prepared;
    ReturnExplanation explanation;

private:
    PinnedToday today_;
};
} // namespace

TEST_F(Explanation, WorkedExampleLine4aNamesEveryTermAndTheRounding) {
    EXPECT_EQ(
        words(Figure::St1Line4a),
        std::string("(total receipts 10,000.00 \u2212 food, drugs and medical appliances sold (tax "
                    "not included) 2,000.00 \u2212 tax on food 45.00 \u2212 worksheet item 17 500) "
                    "\u00f7 (1 + general rate 0.0875) = 6,855.17, rounded to 6,855. Check: lines "
                    "4a + 5a + 6a + 7a + 8a = 8,855, which is line 3, so line 4a stays 6,855."));
    EXPECT_EQ(explanation.find(Figure::St1Line4a)->amount().toStdString(), "6,855");
}

TEST_F(Explanation, WorkedExampleLinesEndWithTheirValues) {
    EXPECT_EQ(words(Figure::St1Line5b),
              std::string("Food rate 0.0225 \u00d7 food, drugs and medical appliances sold (tax "
                          "not included) 2,000.00 = 45."));
    EXPECT_EQ(words(Figure::St1Line10),
              std::string("The return is filed and paid on time, so the retailer's discount of "
                          "1.75 % applies. Line 9 645 \u00d7 discount rate 0.0175 = 11.29, "
                          "rounded to 11."));
    EXPECT_EQ(words(Figure::Item17), std::string("Item 3 500 (the other terms are 0) = 500."));
    EXPECT_EQ(words(Figure::St1Line25), std::string("Line 23 634 \u2212 line 24 0 = 634."));
}

TEST_F(Explanation, LateReturnExplainsTheMissingDiscountAndTheBlankLine) {
    prepared.record.period.onTime = 0;
    EXPECT_EQ(words(Figure::St1Line10),
              std::string("The return is late (not filed and paid on time), so it gets no "
                          "retailer's discount: 0. The form leaves this line blank."));
}

TEST_F(Explanation, OneDollarShortOfLine3MovesLine4aAndSaysSo) {
    // Total receipts 9,999.99 with resale 7: line 4a rounds to 7,308 while line 3 is 9,309,
    // one dollar more than lines 4a and 5a, so line 4a becomes 7,309.
    prepared.record.st1.totalReceipts = 9999.99;
    prepared.record.worksheet.resale = 7;
    EXPECT_THAT(words(Figure::St1Line4a),
                testing::EndsWith("= 7,308.50, rounded to 7,308. Check: lines 4a + 5a + 6a + 7a "
                                  "+ 8a = 9,308, one dollar less than line 3 (9,309), so line 4a "
                                  "is corrected by +1 to 7,309."));
    EXPECT_EQ(prepared.record.st1.line4a, 7309);
}

TEST_F(Explanation, DateRulePriorRatesTellWhen) {
    // A July period chosen in March: the date rule applies; the current rates took effect on
    // 1 January 2005, two months before March, so the prior rates (6 %) apply.
    prepared.record.period.monthIndex = 6;
    prepared.record.period.useDateRule = 1;
    prepared.record.period.priorYear = 1;
    const std::string text = words(Figure::Rates);
    EXPECT_THAT(text, testing::StartsWith("Location 076-5000-9 (SPRINGFIELD, SANGAMON) uses its "
                                          "prior rates: general 0.06, food 0.005"));
    EXPECT_THAT(text, testing::HasSubstr("took effect on 1/1/2005 and count from January 2005, "
                                         "2 months before this month: fewer than six"));
}

TEST_F(Explanation, OnlyTheFormsTheClientFilesAreExplained) {
    prepared.record.client.filesST4 = 1;
    words(Figure::St1Line1);
    std::vector<FigureForm> forms;
    for (const ExplainedForm& form : explanation.parts.front().forms)
        forms.push_back(form.form);
    EXPECT_EQ(forms, (std::vector<FigureForm>{FigureForm::Rates, FigureForm::St1,
                                              FigureForm::Worksheet, FigureForm::St4}));
}
