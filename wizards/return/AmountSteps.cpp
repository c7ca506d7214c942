#include "wizards/return/AmountSteps.h"

#include "returns/MotorFuel.h"
#include "returns/ReturnRecord.h"
#include "wizards/return/PageKeys.h"

namespace {
// An amount of ST-1 as entered, in dollars and cents.
AmountRow st1Entry(const char* key, const QString& label, double St1Entries::*member) {
    return {QLatin1String(key), label,
            [member](ReturnRecord& record, double value) { record.st1.*member = value; }};
}

// A worksheet deduction, rounded to whole dollars when the step is left.
AmountRow deduction(const char* key, const QString& label, Dollars St1Worksheet::*member) {
    return {QLatin1String(key), label, [member](ReturnRecord& record, double value) {
                record.worksheet.*member = roundDollars(value);
            }};
}

// A deduction with a description field beside it.
AmountRow describedDeduction(const char* key, const QString& label, Dollars St1Worksheet::*member,
                             const char* descriptionKey, QString St1Worksheet::*description) {
    AmountRow row = deduction(key, label, member);
    row.descriptionKey = QLatin1String(descriptionKey);
    row.storeDescription = [description](ReturnRecord& record, const QString& text) {
        record.worksheet.*description = text;
    };
    return row;
}

AmountRow gallons(const char* key, const QString& label, std::int64_t FuelSales::*member) {
    return {QLatin1String(key), label, [member](ReturnRecord& record, double value) {
                record.fuelSales.*member = static_cast<std::int64_t>(value);
            }};
}

AmountRow fuelReceipts(const char* key, const QString& label, double FuelSales::*member) {
    return {QLatin1String(key), label,
            [member](ReturnRecord& record, double value) { record.fuelSales.*member = value; }};
}

template <typename Section>
AmountRow roundedPayment(const char* key, const QString& label, Section ReturnRecord::*section,
                         Dollars Section::*member) {
    return {QLatin1String(key), label, [section, member](ReturnRecord& record, double value) {
                record.*section.*member = roundDollars(value);
            }};
}

AmountRow tires(const char* key, const QString& label, std::int64_t St8Section::*member) {
    return {QLatin1String(key), label, [member](ReturnRecord& record, double value) {
                record.st8.*member = static_cast<std::int64_t>(value);
            }};
}
} // namespace

namespace AmountSteps {

AmountsStep salesOutside() {
    return {PageKeys::kSalesOutside,
            QStringLiteral("Sales from locations outside Illinois"),
            QStringLiteral("On the form: ST-1 lines 6a and 7a (sales from outside Illinois) "
                           "and the tax on lines 6b and 7b."),
            QStringLiteral("Please enter the receipts from sales shipped or delivered to users "
                           "in Illinois from locations outside Illinois (do NOT include sales "
                           "tax collected):"),
            {st1Entry("generalSalesOutside", QStringLiteral("General merchandise:"),
                      &St1Entries::generalSalesOutside),
             st1Entry("foodSalesOutside", QStringLiteral("Food, drugs and medical appliances:"),
                      &St1Entries::foodSalesOutside)}};
}

AmountsStep priorRates() {
    AmountRow receipts =
        st1Entry("otherRateReceipts", QStringLiteral("Receipts:"), &St1Entries::otherRateReceipts);
    receipts.paragraphAbove =
        QStringLiteral("Please enter Receipts taxed at other rates in the field below\n(do NOT "
                       "include sales tax collected).");
    AmountRow tax = st1Entry("otherRateTax", QStringLiteral("Tax:"), &St1Entries::otherRateTax);
    tax.paragraphAbove = QStringLiteral(
        "Please enter tax collected on sales taxed at other rates in the field below.");
    return {PageKeys::kPriorRates,
            QStringLiteral("Sales at prior rates"),
            QStringLiteral("On the form: ST-1 line 8a (receipts taxed at other rates) and line "
                           "8b (their tax)."),
            {},
            {receipts, tax}};
}

AmountsStep resaleDeductions() {
    return {PageKeys::kResaleDeductions,
            QStringLiteral("Deductions :resale,interstate commerce,cash refunds and  newspapers "
                           "and magazines."),
            QStringLiteral("On the form: ST-1 worksheet for line 2, items 3 to 6."),
            QStringLiteral("Please enter the receipts you deduct for:"),
            {deduction("resale", QStringLiteral("Resale:"), &St1Worksheet::resale),
             deduction("interstateCommerce", QStringLiteral("Interstate commerce:"),
                       &St1Worksheet::interstateCommerce),
             deduction("cashRefunds", QStringLiteral("Cash refunds:"), &St1Worksheet::cashRefunds),
             deduction("newspapersMagazines", QStringLiteral("Newspapers and magazines:"),
                       &St1Worksheet::newspapersMagazines)}};
}

AmountsStep motorFuel() {
    AmountRow gasoline =
        gallons("gasolineGallons", QStringLiteral("Gasoline:"), &FuelSales::gasolineGallons);
    gasoline.paragraphAbove = QStringLiteral("Gallons sold:");
    AmountRow gasoholSales =
        fuelReceipts("gasoholReceipts", QStringLiteral("Gasohol:"), &FuelSales::gasoholReceipts);
    gasoholSales.paragraphAbove =
        QStringLiteral("Receipts (including the state motor fuel tax and any home rule fuel "
                       "tax):");
    AmountsStep step{
        PageKeys::kMotorFuel,
        QStringLiteral("Deductions: state motor fuel tax and and specific fuel taxes "
                       "exemption"),
        QStringLiteral("On the form: ST-1 worksheet for line 2, items 7 and 8, and the home "
                       "rule fuel tax in item 16d; the gasohol exemption worksheet."),
        {},
        {gasoline,
         gallons("gasoholGallons", QStringLiteral("Gasohol:"), &FuelSales::gasoholGallons),
         gallons("ethanolGallons", QStringLiteral("Majority blended ethanol fuel:"),
                 &FuelSales::ethanolGallons),
         gallons("dieselGallons", QStringLiteral("Diesel:"), &FuelSales::dieselGallons),
         gallons("biodieselGallons", QStringLiteral("Biodiesel 100%:"),
                 &FuelSales::biodieselGallons),
         gallons("blend90Gallons",
                 QStringLiteral("Biodiesel blend \n(90 - 99 % petroleum- based product):"),
                 &FuelSales::blend90Gallons),
         gallons("blend1Gallons",
                 QStringLiteral("Biodiesel blend \n(1- 89 % petroleum- based product):"),
                 &FuelSales::blend1Gallons),
         gallons("dieselholGallons", QStringLiteral("Dieselhol:"), &FuelSales::dieselholGallons),
         gallons("specialFuelsGallons", QStringLiteral("Other special fuels:"),
                 &FuelSales::specialFuelsGallons),
         gasoholSales,
         fuelReceipts("ethanolReceipts", QStringLiteral("Majority blended ethanol fuel:"),
                      &FuelSales::ethanolReceipts),
         fuelReceipts("biodieselReceipts", QStringLiteral("Biodiesel 100%:"),
                      &FuelSales::biodieselReceipts),
         fuelReceipts("blend90Receipts",
                      QStringLiteral("Biodiesel blend (90 - 99 % petroleum- based product):"),
                      &FuelSales::blend90Receipts),
         fuelReceipts("blend1Receipts",
                      QStringLiteral("Biodiesel blend (1- 89 % petroleum- based product):"),
                      &FuelSales::blend1Receipts)}};
    step.onShown = [](ReturnRecord& record) { record.gasoholWorksheet = GasoholWorksheet(); };
    step.afterStore = [](ReturnRecord& record) { computeMotorFuel(record); };
    return step;
}

AmountsStep serviceDeductions() {
    AmountRow other = describedDeduction("otherService", QStringLiteral("Other sales of service:"),
                                         &St1Worksheet::otherService, "otherServiceDescription",
                                         &St1Worksheet::otherServiceDescription);
    other.paragraphAbove = QStringLiteral("Please identify any other sales of service (if any):");
    return {
        PageKeys::kServiceDeductions,
        QStringLiteral("Deductions: sales of service"),
        QStringLiteral("On the form: ST-1 worksheet for line 2, items 9a to 9c."),
        QStringLiteral("Please list the non-taxable portion from sales of the following:"),
        {deduction("repairs", QStringLiteral("Repairs:"), &St1Worksheet::repairs),
         deduction("prescriptions", QStringLiteral("Prescriptions:"), &St1Worksheet::prescriptions),
         other}};
}

AmountsStep exemptDeductions() {
    return {PageKeys::kExemptDeductions,
            QStringLiteral("Deductions : exempt organizations, food stamps and enterprise zone "
                           "building materials..."),
            QStringLiteral("On the form: ST-1 worksheet for line 2, items 10 to 12."),
            QStringLiteral("Please enter the receipts you deduct for:"),
            {deduction("exemptOrganizations", QStringLiteral("Exempt organizations:"),
                       &St1Worksheet::exemptOrganizations),
             deduction("foodStamps", QStringLiteral("Food stamps:"), &St1Worksheet::foodStamps),
             deduction("enterpriseZone",
                       QStringLiteral("Enterprise zone or high impact business building "
                                      "materials:"),
                       &St1Worksheet::enterpriseZone)}};
}

AmountsStep machineryDeductions() {
    return {
        PageKeys::kMachineryDeductions,
        QStringLiteral("Deductions : manufacturing machinery and farm machinery"),
        QStringLiteral("On the form: ST-1 worksheet for line 2, items 13 to 15."),
        QStringLiteral("Please enter the receipts you deduct for:"),
        {deduction("manufacturingMachinery",
                   QStringLiteral("Manufacturing machinery and equipment (including "
                                  "photoprocessing):"),
                   &St1Worksheet::manufacturingMachinery),
         deduction("farmMachinery", QStringLiteral("Farm machinery and equipment:"),
                   &St1Worksheet::farmMachinery),
         deduction("graphicArtsMachinery", QStringLiteral("Graphic arts machinery and equipment:"),
                   &St1Worksheet::graphicArtsMachinery)}};
}

AmountsStep otherDeductions() {
    return {PageKeys::kOtherDeductions,
            QStringLiteral("Deductions : other deductions."),
            QStringLiteral("On the form: ST-1 worksheet for line 2, items 16a and 16b."),
            QStringLiteral("Please list any other deductions below(do NOT include \"Chicago "
                           "Soft Drink Tax\" (if applicable)):"),
            {describedDeduction("otherDeduction1", QStringLiteral("First other deduction:"),
                                &St1Worksheet::otherDeduction1, "otherDeduction1Description",
                                &St1Worksheet::otherDeduction1Description),
             describedDeduction("otherDeduction2", QStringLiteral("Second other deduction:"),
                                &St1Worksheet::otherDeduction2, "otherDeduction2Description",
                                &St1Worksheet::otherDeduction2Description)}};
}

AmountsStep purchases() {
    return {
        PageKeys::kPurchases,
        QStringLiteral("Tax on Purchases"),
        QStringLiteral("On the form: ST-1 lines 12a, 13a and 14a (purchase bases) and line "
                       "14b (tax on purchases at other rates)."),
        QStringLiteral("Please specify the following (don't include tax or amounts already "
                       "contained elsewhere.) :"),
        {st1Entry("purchasesGeneral", QStringLiteral("General merchandise purchases:"),
                  &St1Entries::purchasesGeneral),
         st1Entry("purchasesFood", QStringLiteral("Food, drugs and medical appliances purchases:"),
                  &St1Entries::purchasesFood),
         st1Entry("purchasesOtherRate", QStringLiteral("Purchases at other rates:"),
                  &St1Entries::purchasesOtherRate),
         st1Entry("purchasesOtherRateTax", QStringLiteral("Purchases taxed at other rates tax:"),
                  &St1Entries::purchasesOtherRateTax)}};
}

AmountsStep netTaxDue() {
    return {PageKeys::kNetTaxDue,
            QStringLiteral("Net Tax Due"),
            QStringLiteral("On the form: ST-1 line 17 (prepaid tax), line 19 (prior "
                           "overpayment), line 18 (accelerated payments) and line 16a "
                           "(Manufacturer's Purchase Credit)."),
            {},
            {st1Entry("prepaidTax", QStringLiteral("Prepaid sales tax:"), &St1Entries::prepaidTax),
             st1Entry("priorOverpayment", QStringLiteral("Prior overpayment:"),
                      &St1Entries::priorOverpayment),
             st1Entry("quarterMonthlyPayments",
                      QStringLiteral("Quarter-monthly payments (paid on Form RR-3 or by EFT):"),
                      &St1Entries::quarterMonthlyPayments),
             st1Entry("manufacturerCredit", QStringLiteral("Manufacturer's Purchase Credit:"),
                      &St1Entries::manufacturerCredit)}};
}

AmountsStep excessTax() {
    return {PageKeys::kExcessTax,
            QStringLiteral("Excess tax collected and credit memorandum"),
            QStringLiteral("On the form: ST-1 line 24 (credit memorandum) and line 22 (excess "
                           "tax collected)."),
            {},
            {st1Entry("creditMemorandum", QStringLiteral("Credit memorandum:"),
                      &St1Entries::creditMemorandum),
             st1Entry("excessTaxCollected", QStringLiteral("Excess tax collected:"),
                      &St1Entries::excessTaxCollected)}};
}

MethodPage::Description softDrinkTax() {
    return {PageKeys::kSt14,
            QStringLiteral("ST-14 Chicago Soft Drink Tax Return"),
            QStringLiteral("On the forms: ST-14 lines 1 to 6; the tax goes into item 16c of the "
                           "ST-1 worksheet."),
            QStringLiteral("st14Amount"),
            {{QStringLiteral("Method &1 (Total Chicago Soft Drink Receipts)"),
              QStringLiteral("Enter the soft drink sales with the 3 % soft drink tax included. "
                             "Example: sales of $10,000 plus $300 of soft drink tax are entered "
                             "as 10300."),
              QStringLiteral("Part 2: Since you chose \"Method 1\", please specify \"Total "
                             "Chicago Soft Drink Receipts\" in the field below:")},
             {QStringLiteral("Method &2 (Chicago Soft Drink Taxable Receipts)"),
              QStringLiteral("Enter the soft drink sales without any tax. Example: sales of "
                             "$10,000 are entered as 10000."),
              QStringLiteral("Part 2: Since you chose \"Method 2\", please specify \"Chicago "
                             "Soft Drink Taxable Receipts\" in the field below:")},
             {QStringLiteral("Method &3 (Chicago Soft Drink Sales Plus All Types Of Tax)"),
              QStringLiteral("Enter the soft drink sales with every tax collected on them. "
                             "Example: sales of $10,000 plus $300 soft drink tax, $700 sales "
                             "tax and $100 MPEA tax are entered as 11100."),
              QStringLiteral("Part 2: Since you chose \"Method 3\", please specify \"Chicago "
                             "Soft Drink Sales Plus All Types Of Tax\" in the field below:")}},
            [](ReturnRecord& record, int method, double amount) {
                record.st14.st14Method = method;
                record.st14.st14Amount = amount;
            },
            QStringLiteral("st14Method")};
}

MethodPage::Description mpeaTax() {
    return {PageKeys::kSt4Step1,
            QStringLiteral("MPEA Return[Step 1 in form ST-4]"),
            QStringLiteral("On the forms: ST-4 lines 1 to 6; the tax goes into item 16c of the "
                           "ST-1 worksheet."),
            QStringLiteral("st4Amount"),
            {{QStringLiteral("Method &1 (Total MPEA Receipts)"),
              QStringLiteral("Enter the food and beverage sales with the 1 % MPEA tax "
                             "included. Example: sales of $10,000 plus $100 of MPEA tax are "
                             "entered as 10100."),
              QStringLiteral("Part 2: Since you chose \"Method 1\", please specify \"Total MPEA "
                             "Receipts\" in the following field:")},
             {QStringLiteral("Method &2 (MPEA Taxable Receipts)"),
              QStringLiteral("Enter the food and beverage sales without any tax. Example: sales "
                             "of $10,000 are entered as 10000."),
              QStringLiteral("Part 2: Since you chose \"Method 2\", please specify \"Total MPEA "
                             "Taxable Receipts \" in the following field:")},
             {QStringLiteral("Method &3 (MPEA Sales Plus All Types Of Tax)"),
              QStringLiteral("Enter the food and beverage sales with every tax collected on "
                             "them. Example: sales of $10,000 plus $100 MPEA tax, $700 sales "
                             "tax and $300 soft drink tax are entered as 11100."),
              QStringLiteral("Part 2: Since you chose \"Method 3\", please specify \" MPEA Sales "
                             "Plus All Types Of  Tax\" in the following field:")}},
            [](ReturnRecord& record, int method, double amount) {
                record.st4.st4Method = method;
                record.st4.st4Amount = amount;
            },
            QStringLiteral("st4Method")};
}

AmountsStep mpeaPayments() {
    return {PageKeys::kSt4Step2,
            QStringLiteral("MPEA Return[Step 2 in form ST-4]"),
            QStringLiteral("On the form: ST-4 Step 2, lines 7 to 15."),
            QStringLiteral("Please fill-in the following fields (if applicable):"),
            {roundedPayment("st4PriorOverpayment", QStringLiteral("MPEA Prior overpayment:"),
                            &ReturnRecord::st4, &St4Section::st4PriorOverpayment),
             roundedPayment("st4Penalty", QStringLiteral("MPEA Penalty:"), &ReturnRecord::st4,
                            &St4Section::st4Penalty),
             roundedPayment("st4Interest", QStringLiteral("MPEA Interest:"), &ReturnRecord::st4,
                            &St4Section::st4Interest),
             roundedPayment("st4ExcessTaxCollected", QStringLiteral("Excess MPEA tax collected:"),
                            &ReturnRecord::st4, &St4Section::st4ExcessTaxCollected),
             roundedPayment("st4CreditMemorandum", QStringLiteral("MPEA Credit memorandum:"),
                            &ReturnRecord::st4, &St4Section::st4CreditMemorandum)}};
}

AmountsStep tireFee() {
    return {
        PageKeys::kSt8,
        QStringLiteral("Tire User Fee Return [Form ST-8]"),
        QStringLiteral("On the forms: ST-8 lines 1 to 15; the fee goes into item 16d of the "
                       "ST-1 worksheet."),
        QStringLiteral("Please specify the following :"),
        {tires("tiresSold", QStringLiteral("Total number of tires sold(for the whole quarter):"),
               &St8Section::tiresSold),
         tires("tiresDeductible",
               QStringLiteral("Total number of deductible tires(for the whole quarter):"),
               &St8Section::tiresDeductible),
         roundedPayment("st8PriorOverpayment", QStringLiteral("Prior overpayment for Form ST-8:"),
                        &ReturnRecord::st8, &St8Section::st8PriorOverpayment),
         roundedPayment("st8Penalty", QStringLiteral("Penalty for Form ST-8:"), &ReturnRecord::st8,
                        &St8Section::st8Penalty),
         roundedPayment("st8Interest", QStringLiteral("Interest for Form ST-8:"),
                        &ReturnRecord::st8, &St8Section::st8Interest),
         roundedPayment("st8ExcessFeeCollected", QStringLiteral("Excess tire fee collected:"),
                        &ReturnRecord::st8, &St8Section::st8ExcessFeeCollected),
         roundedPayment("st8CreditMemorandum", QStringLiteral("Credit memorandum for Form ST-8:"),
                        &ReturnRecord::st8, &St8Section::st8CreditMemorandum)}};
}

} // namespace AmountSteps
