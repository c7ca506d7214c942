#include "returns/import/FigureLayout.h"

#include "clients/ClientRecord.h"
#include "returns/entry/EntrySteps.h"
#include "returns/multisite/LocationClient.h"

#include <QHash>

namespace {
using EntrySteps::Step;

// Whether the client's return (any location's, for a multi-site client) takes the step.
bool anySiteIncludes(const Step& step, const ClientRecord& client) {
    if (client.multiSite != 1)
        return EntrySteps::included(step, client);
    for (int row = 0; row < client.locationCount && row < kMaxLocations; ++row) {
        if (EntrySteps::included(step, locationClientRecord(client, client.locations[row])))
            return true;
    }
    return false;
}

// What each field holds, as the help lists it.
const QHash<QString, QString>& fieldDescriptions() {
    static const QHash<QString, QString> descriptions = {
        {QStringLiteral("totalReceipts"), QStringLiteral("Total receipts, tax included")},
        {QStringLiteral("liquorPurchases"), QStringLiteral("Alcoholic liquor purchases")},
        {QStringLiteral("foodSalesInside"),
         QStringLiteral("Food, drugs and medical appliances sold within Illinois, sales tax NOT "
                        "included (method 1)")},
        {QStringLiteral("foodEntered"),
         QStringLiteral("The same sales with the sales tax included (method 2); fill only one "
                        "of the two")},
        {QStringLiteral("generalSalesOutside"),
         QStringLiteral("General merchandise sold from locations outside Illinois")},
        {QStringLiteral("foodSalesOutside"),
         QStringLiteral("Food, drugs and medical appliances sold from outside Illinois")},
        {QStringLiteral("otherRateReceipts"), QStringLiteral("Receipts taxed at other rates")},
        {QStringLiteral("otherRateTax"), QStringLiteral("Tax on receipts taxed at other rates")},
        {QStringLiteral("resale"), QStringLiteral("Resale")},
        {QStringLiteral("interstateCommerce"), QStringLiteral("Interstate commerce")},
        {QStringLiteral("cashRefunds"), QStringLiteral("Cash refunds")},
        {QStringLiteral("newspapersMagazines"), QStringLiteral("Newspapers and magazines")},
        {QStringLiteral("gasolineGallons"), QStringLiteral("Gallons of gasoline sold")},
        {QStringLiteral("gasoholGallons"), QStringLiteral("Gallons of gasohol sold")},
        {QStringLiteral("ethanolGallons"),
         QStringLiteral("Gallons of majority blended ethanol fuel sold")},
        {QStringLiteral("dieselGallons"), QStringLiteral("Gallons of diesel sold")},
        {QStringLiteral("biodieselGallons"), QStringLiteral("Gallons of biodiesel 100% sold")},
        {QStringLiteral("blend90Gallons"),
         QStringLiteral("Gallons of biodiesel blend (90 - 99 % petroleum-based) sold")},
        {QStringLiteral("blend1Gallons"),
         QStringLiteral("Gallons of biodiesel blend (1 - 89 % petroleum-based) sold")},
        {QStringLiteral("dieselholGallons"), QStringLiteral("Gallons of dieselhol sold")},
        {QStringLiteral("specialFuelsGallons"),
         QStringLiteral("Gallons of other special fuels sold")},
        {QStringLiteral("gasoholReceipts"), QStringLiteral("Receipts from gasohol")},
        {QStringLiteral("ethanolReceipts"),
         QStringLiteral("Receipts from majority blended ethanol fuel")},
        {QStringLiteral("biodieselReceipts"), QStringLiteral("Receipts from biodiesel 100%")},
        {QStringLiteral("blend90Receipts"),
         QStringLiteral("Receipts from biodiesel blend (90 - 99 %)")},
        {QStringLiteral("blend1Receipts"),
         QStringLiteral("Receipts from biodiesel blend (1 - 89 %)")},
        {QStringLiteral("repairs"), QStringLiteral("Repairs (non-taxable portion)")},
        {QStringLiteral("prescriptions"), QStringLiteral("Prescriptions (non-taxable portion)")},
        {QStringLiteral("otherServiceDescription"),
         QStringLiteral("Description of other sales of service")},
        {QStringLiteral("otherService"), QStringLiteral("Other sales of service")},
        {QStringLiteral("exemptOrganizations"), QStringLiteral("Exempt organizations")},
        {QStringLiteral("foodStamps"), QStringLiteral("Food stamps")},
        {QStringLiteral("enterpriseZone"),
         QStringLiteral("Enterprise zone or high impact business building materials")},
        {QStringLiteral("manufacturingMachinery"),
         QStringLiteral("Manufacturing machinery and equipment")},
        {QStringLiteral("farmMachinery"), QStringLiteral("Farm machinery and equipment")},
        {QStringLiteral("graphicArtsMachinery"),
         QStringLiteral("Graphic arts machinery and equipment")},
        {QStringLiteral("otherDeduction1Description"),
         QStringLiteral("Description of the first other deduction")},
        {QStringLiteral("otherDeduction1"), QStringLiteral("First other deduction")},
        {QStringLiteral("otherDeduction2Description"),
         QStringLiteral("Description of the second other deduction")},
        {QStringLiteral("otherDeduction2"), QStringLiteral("Second other deduction")},
        {QStringLiteral("purchasesGeneral"), QStringLiteral("General merchandise purchases")},
        {QStringLiteral("purchasesFood"),
         QStringLiteral("Food, drugs and medical appliances purchases")},
        {QStringLiteral("purchasesOtherRate"), QStringLiteral("Purchases at other rates")},
        {QStringLiteral("purchasesOtherRateTax"),
         QStringLiteral("Tax on purchases taxed at other rates")},
        {QStringLiteral("prepaidTax"), QStringLiteral("Prepaid sales tax")},
        {QStringLiteral("priorOverpayment"), QStringLiteral("Prior overpayment")},
        {QStringLiteral("quarterMonthlyPayments"),
         QStringLiteral("Quarter-monthly payments (Form RR-3 or EFT)")},
        {QStringLiteral("manufacturerCredit"), QStringLiteral("Manufacturer's Purchase Credit")},
        {QStringLiteral("creditMemorandum"), QStringLiteral("Credit memorandum")},
        {QStringLiteral("excessTaxCollected"), QStringLiteral("Excess tax collected")},
        {QStringLiteral("st14Method"), QStringLiteral("ST-14 method: 1, 2 or 3 (empty: 1)")},
        {QStringLiteral("st14Amount"), QStringLiteral("ST-14 amount of the chosen method")},
        {QStringLiteral("st4Method"), QStringLiteral("ST-4 method: 1, 2 or 3 (empty: 1)")},
        {QStringLiteral("st4Amount"), QStringLiteral("ST-4 amount of the chosen method")},
        {QStringLiteral("st4PriorOverpayment"), QStringLiteral("MPEA prior overpayment")},
        {QStringLiteral("st4Penalty"), QStringLiteral("MPEA penalty")},
        {QStringLiteral("st4Interest"), QStringLiteral("MPEA interest")},
        {QStringLiteral("st4ExcessTaxCollected"), QStringLiteral("Excess MPEA tax collected")},
        {QStringLiteral("st4CreditMemorandum"), QStringLiteral("MPEA credit memorandum")},
        {QStringLiteral("tiresSold"), QStringLiteral("Tires sold in the quarter")},
        {QStringLiteral("tiresDeductible"), QStringLiteral("Deductible tires in the quarter")},
        {QStringLiteral("st8PriorOverpayment"), QStringLiteral("ST-8 prior overpayment")},
        {QStringLiteral("st8Penalty"), QStringLiteral("ST-8 penalty")},
        {QStringLiteral("st8Interest"), QStringLiteral("ST-8 interest")},
        {QStringLiteral("st8ExcessFeeCollected"), QStringLiteral("Excess tire fee collected")},
        {QStringLiteral("st8CreditMemorandum"), QStringLiteral("ST-8 credit memorandum")},
    };
    return descriptions;
}

QString kindText(EntrySteps::FieldKind kind) {
    switch (kind) {
    case EntrySteps::FieldKind::Dollars:
        return QStringLiteral("dollars");
    case EntrySteps::FieldKind::WholeNumber:
        return QStringLiteral("whole number");
    case EntrySteps::FieldKind::Text:
        return QStringLiteral("text");
    case EntrySteps::FieldKind::Method:
        return QStringLiteral("1, 2 or 3");
    }
    return {};
}

QString whenTaken(EntrySteps::Condition condition) {
    using EntrySteps::Condition;
    switch (condition) {
    case Condition::Always:
        return QStringLiteral("always");
    case Condition::DeductionGroup1:
        return QStringLiteral("resale deductions in the profile");
    case Condition::SellsMotorFuel:
        return QStringLiteral("sells motor fuel");
    case Condition::DeductionGroup2:
        return QStringLiteral("exempt organization deductions in the profile");
    case Condition::DeductionGroup3:
        return QStringLiteral("machinery deductions in the profile");
    case Condition::FilesSt14:
        return QStringLiteral("files ST-14");
    case Condition::FilesSt4:
        return QStringLiteral("files ST-4");
    case Condition::FilesSt8:
        return QStringLiteral("files ST-8");
    }
    return {};
}

const char kRules[] =
    "<p>A file of figures is a CSV file, as a spreadsheet or an accounting program saves it: "
    "UTF-8 or Windows-1252 text, cells separated by commas or by semicolons (Vantrobe finds "
    "out which).</p>"
    "<ul>"
    "<li>The first row is the header: the names of the columns below, in any order (capitals "
    "do not matter). A column that is left out counts as empty.</li>"
    "<li>A multi-site client has one row per location, each named by "
    "<code>locationNumber</code> (the number the locations step shows) or <code>name</code>, "
    "or both. A single-site client has one row; its <code>name</code>, when filled, must be "
    "the client's.</li>"
    "<li>Amounts are dollars with a point before the cents: at most 10 digits before it and 2 "
    "after it, with or without <code>$</code> and commas between thousands "
    "(<code>1234.56</code>, <code>$1,234.56</code>), never negative. In a comma-separated file "
    "an amount with commas stands in quotes, as spreadsheets write it. An empty cell counts "
    "as 0; <code>totalReceipts</code> is always filled (0 when there were none).</li>"
    "<li>Gallons and tires are whole numbers. <code>st14Method</code> and "
    "<code>st4Method</code> are 1, 2 or 3, the methods of their steps.</li>"
    "<li>Food, drugs and medical appliances sold within Illinois go in "
    "<code>foodSalesInside</code> without the sales tax, or in <code>foodEntered</code> with "
    "it, never in both.</li>"
    "<li>A column of a step the client's profile does not call for stays empty or 0.</li>"
    "</ul>"
    "<p>Every row and cell is checked as the wizard checks what you type, and every location "
    "is calculated as its location wizard calculates it. Nothing is imported unless every row "
    "is good: the problems are listed all at once, each with its row, column, the value found "
    "and what was expected (the first 1,000 when there are more). If another period is chosen "
    "after the import, the locations are calculated again at its rates. "
    "<b>File &gt; Save Import Template</b> writes the header and one "
    "row per location for the selected client; <b>Export Figures</b> on the summary step "
    "writes the figures of a return in the same layout.</p>";
} // namespace

QStringList FigureLayout::columns(const ClientRecord& client) {
    QStringList names;
    if (client.multiSite == 1)
        names << QLatin1String(kLocationNumber);
    names << QLatin1String(kName);
    for (const Step& step : EntrySteps::all()) {
        if (!anySiteIncludes(step, client))
            continue;
        for (const EntrySteps::Field& field : step.fields)
            names << QLatin1String(field.key);
    }
    return names;
}

QString FigureLayout::helpHtml() {
    QString html = QLatin1String(kRules);
    html += QStringLiteral("<table cellpadding=\"3\" border=\"1\" cellspacing=\"0\">"
                           "<tr><th>Column</th><th>What it holds</th><th>Kind</th>"
                           "<th>Taken when the client</th></tr>");
    const auto row = [&html](const QString& name, const QString& text, const QString& kind,
                             const QString& when) {
        html += QStringLiteral("<tr><td><code>%1</code></td><td>%2</td><td>%3</td><td>%4</td>"
                               "</tr>")
                    .arg(name, text.toHtmlEscaped(), kind, when);
    };
    row(QLatin1String(kLocationNumber), QStringLiteral("The location's number"),
        QStringLiteral("whole number"), QStringLiteral("is multi-site"));
    row(QLatin1String(kName), QStringLiteral("The location's name (the client's name)"),
        QStringLiteral("text"), QStringLiteral("always"));
    for (const Step& step : EntrySteps::all()) {
        for (const EntrySteps::Field& field : step.fields) {
            const QString key = QLatin1String(field.key);
            row(key, fieldDescriptions().value(key), kindText(field.kind),
                whenTaken(step.condition));
        }
    }
    return html + QStringLiteral("</table>");
}
