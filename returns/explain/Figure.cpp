#include "returns/explain/Figure.h"

#include "returns/ReturnRecord.h"

#include <array>
#include <variant>

namespace {
// Where a figure is kept in a return.
using Place =
    std::variant<std::monostate, Dollars St1Lines::*, Dollars St1Worksheet::*,
                 Dollars St14Section::*, Dollars St4Section::*, Dollars St8Section::*,
                 double GasoholWorksheet::*, Dollars (St1Worksheet::*)(StepRecorder) const>;

struct Entry {
    FigureInfo info;
    Place place;
};

using F = Figure;
using Form = FigureForm;
using Style = FigureStyle;
using S1 = St1Lines;
using W = St1Worksheet;
using G = GasoholWorksheet;

constexpr Entry kFigures[] = {
    {{F::Rates, Form::Rates, "", "Rates of the location", Style::Number}, {}},
    {{F::St1LineA, Form::St1, "A", "Alcoholic liquor purchased", Style::Dollars}, &S1::lineA},
    {{F::St1Line1, Form::St1, "1", "Total receipts", Style::Dollars}, &S1::line1},
    {{F::St1Line2, Form::St1, "2", "Deductions", Style::Dollars}, &S1::line2},
    {{F::St1Line3, Form::St1, "3", "Taxable receipts", Style::Dollars}, &S1::line3},
    {{F::St1Line4a, Form::St1, "4a", "Receipts taxed at the general rate", Style::Dollars},
     &S1::line4a},
    {{F::St1Line4b, Form::St1, "4b", "Tax at the general rate", Style::Dollars}, &S1::line4b},
    {{F::St1Line5a, Form::St1, "5a", "Receipts from food, drugs and medical appliances",
      Style::Dollars},
     &S1::line5a},
    {{F::St1Line5b, Form::St1, "5b", "Tax on food, drugs and medical appliances", Style::Dollars},
     &S1::line5b},
    {{F::St1Line6a, Form::St1, "6a", "General merchandise sold from outside Illinois",
      Style::Dollars},
     &S1::line6a},
    {{F::St1Line6b, Form::St1, "6b", "Tax on general merchandise sold from outside Illinois",
      Style::Dollars},
     &S1::line6b},
    {{F::St1Line7a, Form::St1, "7a",
      "Food, drugs and medical appliances sold from outside Illinois", Style::Dollars},
     &S1::line7a},
    {{F::St1Line7b, Form::St1, "7b",
      "Tax on food, drugs and medical appliances sold from outside Illinois", Style::Dollars},
     &S1::line7b},
    {{F::St1Line8a, Form::St1, "8a", "Receipts taxed at other rates", Style::Dollars}, &S1::line8a},
    {{F::St1Line8b, Form::St1, "8b", "Tax on receipts taxed at other rates", Style::Dollars},
     &S1::line8b},
    {{F::St1Line9, Form::St1, "9", "Tax on receipts", Style::Dollars}, &S1::line9},
    {{F::St1Line10, Form::St1, "10", "Retailer's discount", Style::Dollars}, &S1::line10},
    {{F::St1Line11, Form::St1, "11", "Net tax on receipts", Style::Dollars}, &S1::line11},
    {{F::St1Line12a, Form::St1, "12a", "General merchandise purchases", Style::Dollars},
     &S1::line12a},
    {{F::St1Line12b, Form::St1, "12b", "Use tax on general merchandise purchases", Style::Dollars},
     &S1::line12b},
    {{F::St1Line13a, Form::St1, "13a", "Food, drugs and medical appliances purchases",
      Style::Dollars},
     &S1::line13a},
    {{F::St1Line13b, Form::St1, "13b", "Use tax on food, drugs and medical appliances purchases",
      Style::Dollars},
     &S1::line13b},
    {{F::St1Line14a, Form::St1, "14a", "Purchases taxed at other rates", Style::Dollars},
     &S1::line14a},
    {{F::St1Line14b, Form::St1, "14b", "Tax on purchases taxed at other rates", Style::Dollars},
     &S1::line14b},
    {{F::St1Line15, Form::St1, "15", "Tax on purchases", Style::Dollars}, &S1::line15},
    {{F::St1Line16, Form::St1, "16", "Tax due", Style::Dollars}, &S1::line16},
    {{F::St1Line16a, Form::St1, "16a", "Manufacturer's Purchase Credit", Style::Dollars},
     &S1::line16a},
    {{F::St1Line17, Form::St1, "17", "Prepaid sales tax", Style::Dollars}, &S1::line17},
    {{F::St1Line18, Form::St1, "18", "Quarter-monthly payments", Style::Dollars}, &S1::line18},
    {{F::St1Line19, Form::St1, "19", "Prior overpayment", Style::Dollars}, &S1::line19},
    {{F::St1Line20, Form::St1, "20", "Credits and payments", Style::Dollars}, &S1::line20},
    {{F::St1Line21, Form::St1, "21", "Net tax due", Style::Dollars}, &S1::line21},
    {{F::St1Line22, Form::St1, "22", "Excess tax collected", Style::Dollars}, &S1::line22},
    {{F::St1Line23, Form::St1, "23", "Tax due with excess tax", Style::Dollars}, &S1::line23},
    {{F::St1Line24, Form::St1, "24", "Credit memorandum", Style::Dollars}, &S1::line24},
    {{F::St1Line25, Form::St1, "25", "Payment due", Style::Dollars}, &S1::line25},
    {{F::Item1a, Form::Worksheet, "1a", "Taxes collected on general merchandise retail sales",
      Style::Dollars},
     &W::taxGeneralRetail},
    {{F::Item1b, Form::Worksheet, "1b", "Taxes collected on general merchandise service sales",
      Style::Dollars},
     &W::taxGeneralService},
    {{F::Item1c, Form::Worksheet, "1c",
      "Taxes collected on food, drugs and medical appliances retail sales", Style::Dollars},
     &W::taxFoodRetail},
    {{F::Item1d, Form::Worksheet, "1d",
      "Taxes collected on food, drugs and medical appliances service sales", Style::Dollars},
     &W::taxFoodService},
    {{F::Item2, Form::Worksheet, "2", "Taxes collected", Style::Dollars}, &W::item2},
    {{F::Item3, Form::Worksheet, "3", "Resale", Style::Dollars}, &W::resale},
    {{F::Item4, Form::Worksheet, "4", "Interstate commerce", Style::Dollars},
     &W::interstateCommerce},
    {{F::Item5, Form::Worksheet, "5", "Cash refunds", Style::Dollars}, &W::cashRefunds},
    {{F::Item6, Form::Worksheet, "6", "Newspapers and magazines", Style::Dollars},
     &W::newspapersMagazines},
    {{F::Item7a, Form::Worksheet, "7a", "Gasoline, gallons", Style::Count}, &W::item7a},
    {{F::Item7b, Form::Worksheet, "7b", "Gasoline, state motor fuel tax", Style::Dollars},
     &W::item7b},
    {{F::Item7c, Form::Worksheet, "7c", "Gasohol and majority blended ethanol fuel, gallons",
      Style::Count},
     &W::item7c},
    {{F::Item7d, Form::Worksheet, "7d",
      "Gasohol and majority blended ethanol fuel, state motor fuel tax", Style::Dollars},
     &W::item7d},
    {{F::Item7e, Form::Worksheet, "7e", "Diesel, biodiesel and biodiesel blends, gallons",
      Style::Count},
     &W::item7e},
    {{F::Item7f, Form::Worksheet, "7f",
      "Diesel, biodiesel and biodiesel blends, state motor fuel tax", Style::Dollars},
     &W::item7f},
    {{F::Item7g, Form::Worksheet, "7g", "Dieselhol, gallons", Style::Count}, &W::item7g},
    {{F::Item7h, Form::Worksheet, "7h", "Dieselhol, state motor fuel tax", Style::Dollars},
     &W::item7h},
    {{F::Item7i, Form::Worksheet, "7i", "Other special fuels, gallons", Style::Count}, &W::item7i},
    {{F::Item7j, Form::Worksheet, "7j", "Other special fuels, state motor fuel tax",
      Style::Dollars},
     &W::item7j},
    {{F::Item8a, Form::Worksheet, "8a", "Gasohol, receipts", Style::Dollars}, &W::item8a},
    {{F::Item8b, Form::Worksheet, "8b", "Gasohol, exemption", Style::Dollars}, &W::item8b},
    {{F::Item8c, Form::Worksheet, "8c", "Biodiesel blend of 90-99 % petroleum, receipts",
      Style::Dollars},
     &W::item8c},
    {{F::Item8d, Form::Worksheet, "8d", "Biodiesel blend of 90-99 % petroleum, exemption",
      Style::Dollars},
     &W::item8d},
    {{F::Item8e, Form::Worksheet, "8e", "Biodiesel blend of 1-89 % petroleum, receipts",
      Style::Dollars},
     &W::item8e},
    {{F::Item8f, Form::Worksheet, "8f", "Biodiesel blend of 1-89 % petroleum, exemption",
      Style::Dollars},
     &W::item8f},
    {{F::Item8g, Form::Worksheet, "8g", "100 % biodiesel, receipts", Style::Dollars}, &W::item8g},
    {{F::Item8h, Form::Worksheet, "8h", "100 % biodiesel, exemption", Style::Dollars}, &W::item8h},
    {{F::Item8i, Form::Worksheet, "8i", "Majority blended ethanol fuel, receipts", Style::Dollars},
     &W::item8i},
    {{F::Item8j, Form::Worksheet, "8j", "Majority blended ethanol fuel, exemption", Style::Dollars},
     &W::item8j},
    {{F::Item9a, Form::Worksheet, "9a", "Repairs", Style::Dollars}, &W::repairs},
    {{F::Item9b, Form::Worksheet, "9b", "Prescriptions", Style::Dollars}, &W::prescriptions},
    {{F::Item9c, Form::Worksheet, "9c", "Other sales of service", Style::Dollars},
     &W::otherService},
    {{F::Item10, Form::Worksheet, "10", "Exempt organizations", Style::Dollars},
     &W::exemptOrganizations},
    {{F::Item11, Form::Worksheet, "11", "Food stamps", Style::Dollars}, &W::foodStamps},
    {{F::Item12, Form::Worksheet, "12", "Enterprise zone building materials", Style::Dollars},
     &W::enterpriseZone},
    {{F::Item13, Form::Worksheet, "13", "Manufacturing machinery and equipment", Style::Dollars},
     &W::manufacturingMachinery},
    {{F::Item14, Form::Worksheet, "14", "Farm machinery and equipment", Style::Dollars},
     &W::farmMachinery},
    {{F::Item15, Form::Worksheet, "15", "Graphic arts machinery and equipment", Style::Dollars},
     &W::graphicArtsMachinery},
    {{F::Item16a, Form::Worksheet, "16a", "Other deduction", Style::Dollars}, &W::otherDeduction1},
    {{F::Item16b, Form::Worksheet, "16b", "Other deduction", Style::Dollars}, &W::otherDeduction2},
    {{F::Item16c, Form::Worksheet, "16c", "Local taxes included in receipts", Style::Dollars},
     &W::localTaxes},
    {{F::Item16d, Form::Worksheet, "16d", "Tire fee and home rule fuel tax", Style::Dollars},
     &W::tireAndFuelFees},
    {{F::Item17, Form::Worksheet, "17", "Total deductions", Style::Dollars}, &W::totalDeductions},
    {{F::Item18, Form::Worksheet, "18", "Deductions and taxes collected", Style::Dollars},
     &W::item18},
    {{F::HomeRuleFuelTax, Form::Worksheet, "", "Home rule fuel tax, part of item 16d",
      Style::Dollars},
     &W::homeRuleFuelTax},
    {{F::St14Line1, Form::St14, "1", "Total soft drink receipts", Style::Dollars},
     &St14Section::line1},
    {{F::St14Line2, Form::St14, "2", "Deductions", Style::Dollars}, &St14Section::line2},
    {{F::St14Line3, Form::St14, "3", "Taxable receipts", Style::Dollars}, &St14Section::line3},
    {{F::St14Line4, Form::St14, "4", "Tax due", Style::Dollars}, &St14Section::line4},
    {{F::St14Line5, Form::St14, "5", "Discount", Style::Dollars}, &St14Section::line5},
    {{F::St14Line6, Form::St14, "6", "Payment due", Style::Dollars}, &St14Section::line6},
    {{F::St14WorksheetAmount, Form::St14, "", "Soft drink tax deducted on the ST-1 worksheet",
      Style::Dollars},
     &St14Section::st14WorksheetAmount},
    {{F::St4Line1, Form::St4, "1", "Total MPEA receipts", Style::Dollars}, &St4Section::line1},
    {{F::St4Line2, Form::St4, "2", "Deductions", Style::Dollars}, &St4Section::line2},
    {{F::St4Line3, Form::St4, "3", "Taxable receipts", Style::Dollars}, &St4Section::line3},
    {{F::St4Line4, Form::St4, "4", "MPEA tax due", Style::Dollars}, &St4Section::line4},
    {{F::St4Line5, Form::St4, "5", "Discount", Style::Dollars}, &St4Section::line5},
    {{F::St4Line6, Form::St4, "6", "Net tax due on receipts", Style::Dollars}, &St4Section::line6},
    {{F::St4Line7, Form::St4, "7", "Prior overpayment", Style::Dollars}, &St4Section::line7},
    {{F::St4Line8, Form::St4, "8", "Tax due less the overpayment", Style::Dollars},
     &St4Section::line8},
    {{F::St4Line9, Form::St4, "9", "Penalty", Style::Dollars}, &St4Section::line9},
    {{F::St4Line10, Form::St4, "10", "Interest", Style::Dollars}, &St4Section::line10},
    {{F::St4Line11, Form::St4, "11", "Penalty and interest", Style::Dollars}, &St4Section::line11},
    {{F::St4Line12, Form::St4, "12", "Excess tax collected", Style::Dollars}, &St4Section::line12},
    {{F::St4Line13, Form::St4, "13", "Total due", Style::Dollars}, &St4Section::line13},
    {{F::St4Line14, Form::St4, "14", "Credit memorandum", Style::Dollars}, &St4Section::line14},
    {{F::St4Line15, Form::St4, "15", "Payment due", Style::Dollars}, &St4Section::line15},
    {{F::St4WorksheetAmount, Form::St4, "", "MPEA tax deducted on the ST-1 worksheet",
      Style::Dollars},
     &St4Section::st4WorksheetAmount},
    {{F::St8Line1, Form::St8, "1", "Tires sold", Style::Count}, &St8Section::line1},
    {{F::St8Line2, Form::St8, "2", "Deductible tires", Style::Count}, &St8Section::line2},
    {{F::St8Line3, Form::St8, "3", "Taxable tires", Style::Count}, &St8Section::line3},
    {{F::St8Line4, Form::St8, "4", "Gross tire fee", Style::Dollars}, &St8Section::line4},
    {{F::St8Line5, Form::St8, "5", "Collection allowance", Style::Dollars}, &St8Section::line5},
    {{F::St8Line6, Form::St8, "6", "Prior overpayment", Style::Dollars}, &St8Section::line6},
    {{F::St8Line7, Form::St8, "7", "Allowance and overpayment", Style::Dollars},
     &St8Section::line7},
    {{F::St8Line8, Form::St8, "8", "Net amount due", Style::Dollars}, &St8Section::line8},
    {{F::St8Line9, Form::St8, "9", "Penalty", Style::Dollars}, &St8Section::line9},
    {{F::St8Line10, Form::St8, "10", "Interest", Style::Dollars}, &St8Section::line10},
    {{F::St8Line11, Form::St8, "11", "Penalty and interest", Style::Dollars}, &St8Section::line11},
    {{F::St8Line12, Form::St8, "12", "Excess fee collected", Style::Dollars}, &St8Section::line12},
    {{F::St8Line13, Form::St8, "13", "Total due", Style::Dollars}, &St8Section::line13},
    {{F::St8Line14, Form::St8, "14", "Credit memorandum", Style::Dollars}, &St8Section::line14},
    {{F::St8Line15, Form::St8, "15", "Payment due", Style::Dollars}, &St8Section::line15},
    {{F::St8WorksheetAmount, Form::St8, "", "Tire fee deducted on the ST-1 worksheet",
      Style::Dollars},
     &St8Section::st8WorksheetAmount},
    {{F::GasoholReceipts, Form::Gasohol, "1", "Gasohol receipts with every tax", Style::Money},
     &G::receipts},
    {{F::GasoholStateTax, Form::Gasohol, "2", "State motor fuel tax", Style::Money}, &G::stateTax},
    {{F::GasoholHomeRuleTax, Form::Gasohol, "3", "Home rule fuel tax", Style::Money},
     &G::homeRuleTax},
    {{F::GasoholNet, Form::Gasohol, "4", "Receipts less the fuel taxes", Style::Money}, &G::net},
    {{F::GasoholBase, Form::Gasohol, "5", "Receipts without sales tax", Style::Money}, &G::base},
    {{F::GasoholExemption, Form::Gasohol, "6", "Exemption", Style::Money}, &G::exemption},
    {{F::GasoholRatePercent, Form::Gasohol, "7", "Sales tax rate in percent", Style::Number},
     &G::ratePercent},
    {{F::GasoholExemptShare, Form::Gasohol, "8", "Exempt share", Style::Number}, &G::exemptShare},
};

static_assert(std::size(kFigures) == kFigureCount);

constexpr bool inEnumOrder() {
    for (int index = 0; index < kFigureCount; ++index) {
        if (int(kFigures[index].info.figure) != index)
            return false;
    }
    return true;
}
static_assert(inEnumOrder(), "the table lists the figures in their enum order");

struct FormRange {
    Figure first;
    Figure last;
};

FormRange rangeOf(FigureForm form) {
    switch (form) {
    case Form::Rates:
        return {F::Rates, F::Rates};
    case Form::St1:
        return {F::St1LineA, F::St1Line25};
    case Form::Worksheet:
        return {F::Item1a, F::HomeRuleFuelTax};
    case Form::St14:
        return {F::St14Line1, F::St14WorksheetAmount};
    case Form::St4:
        return {F::St4Line1, F::St4WorksheetAmount};
    case Form::St8:
        return {F::St8Line1, F::St8WorksheetAmount};
    case Form::Gasohol:
        break;
    }
    return {F::GasoholReceipts, F::GasoholExemptShare};
}

std::array<FigureInfo, kFigureCount> infos() {
    std::array<FigureInfo, kFigureCount> all{};
    for (int index = 0; index < kFigureCount; ++index)
        all[size_t(index)] = kFigures[index].info;
    return all;
}
} // namespace

const FigureInfo& figureInfo(Figure figure) {
    return kFigures[int(figure)].info;
}

FigurePrinting figurePrinting(Figure figure) {
    const FigureInfo& info = figureInfo(figure);
    if (*info.line == '\0')
        return FigurePrinting::Never;
    const bool receiptsOfItem8 = figure == F::Item8a || figure == F::Item8c ||
                                 figure == F::Item8e || figure == F::Item8g || figure == F::Item8i;
    if (info.form == Form::Gasohol || receiptsOfItem8)
        return FigurePrinting::Always;
    return FigurePrinting::Amount;
}

std::span<const FigureInfo> formFigures(FigureForm form) {
    static const std::array<FigureInfo, kFigureCount> all = infos();
    const FormRange range = rangeOf(form);
    return std::span(all).subspan(size_t(range.first),
                                  size_t(range.last) - size_t(range.first) + 1);
}

const char* formName(FigureForm form) {
    switch (form) {
    case Form::Rates:
        return "Rates";
    case Form::St1:
        return "ST-1";
    case Form::Worksheet:
        return "ST-1 worksheet";
    case Form::St14:
        return "ST-14";
    case Form::St4:
        return "ST-4";
    case Form::St8:
        return "ST-8";
    case Form::Gasohol:
        break;
    }
    return "Gasohol worksheet";
}

const char* lineWord(FigureForm form) {
    return form == Form::Worksheet ? "Item" : "Line";
}

double figureValue(const ReturnRecord& record, Figure figure) {
    return std::visit(
        [&record](const auto& place) -> double {
            using P = std::decay_t<decltype(place)>;
            if constexpr (std::is_same_v<P, Dollars St1Lines::*>)
                return double(record.st1.*place);
            else if constexpr (std::is_same_v<P, Dollars St1Worksheet::*>)
                return double(record.worksheet.*place);
            else if constexpr (std::is_same_v<P, Dollars St14Section::*>)
                return double(record.st14.*place);
            else if constexpr (std::is_same_v<P, Dollars St4Section::*>)
                return double(record.st4.*place);
            else if constexpr (std::is_same_v<P, Dollars St8Section::*>)
                return double(record.st8.*place);
            else if constexpr (std::is_same_v<P, double GasoholWorksheet::*>)
                return record.gasoholWorksheet.*place;
            else if constexpr (std::is_same_v<P, Dollars (St1Worksheet::*)(StepRecorder) const>)
                return double((record.worksheet.*place)(StepRecorder()));
            else
                return 0.0;
        },
        kFigures[int(figure)].place);
}
