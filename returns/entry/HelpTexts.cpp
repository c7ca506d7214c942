#include "returns/entry/HelpTexts.h"

#include <QHash>

namespace {
QHash<QString, HelpText> makeHelpTexts() {
    return {
        {QStringLiteral("totalReceipts"),
         {QStringLiteral("Total receipts (include tax)"),
          QStringLiteral("Write the total amount you received from all sales of tangible "
                         "personal property and from all service transactions during the "
                         "period, including the tax you collected on them. Include sales of "
                         "food, drugs and medical appliances, sales made at other rates, sales "
                         "from locations outside Illinois and sales you will deduct later on "
                         "(for example resale or interstate sales). Do not subtract any "
                         "deductions here: they are entered on the following pages.")}},
        {QStringLiteral("liquorPurchases"),
         {QStringLiteral("Alcoholic liquor purchases"),
          QStringLiteral("If this client is a liquor retailer and is not required to make "
                         "quarter-monthly payments, write the total dollar amount of alcoholic "
                         "liquor it purchased (invoiced and delivered) during the period, as "
                         "shown on its suppliers' invoices. Leave the field empty for any other "
                         "client. This amount is printed on line A and is not part of any "
                         "calculation.")}},
        {QStringLiteral("generalSalesOutside"),
         {QStringLiteral("General merchandise base"),
          QStringLiteral("Write the amount you received from general merchandise you sold to a "
                         "user in Illinois, plus the amount of your cost of general merchandise "
                         "you withdrew from stock for your own use, when the merchandise was "
                         "shipped or delivered from a location outside Illinois. Do not include "
                         "the tax you collected. The 6.25 % state rate applies to this base.")}},
        {QStringLiteral("foodSalesOutside"),
         {QStringLiteral("Food, drugs, and medical appliances base"),
          QStringLiteral("Write the amount you received from qualifying food, drugs, and "
                         "medical appliances you sold to a user in Illinois, plus your cost of "
                         "such items you withdrew from stock for your own use, when they were "
                         "shipped or delivered from a location outside Illinois. Do not include "
                         "the tax you collected. The 1 % state rate applies to this base.")}},
        {QStringLiteral("otherRateReceipts"),
         {QStringLiteral("Receipts taxed at other rates base"),
          QStringLiteral("On this line, write only the receipts from sales of merchandise that "
                         "are taxed at a rate other than this location's general merchandise "
                         "and food rates, for example sales delivered to customers in another "
                         "tax jurisdiction or sales still taxed at an earlier rate. Do not "
                         "include the tax you collected on them.")}},
        {QStringLiteral("otherRateTax"),
         {QStringLiteral("Receipts taxed at other rates tax"),
          QStringLiteral("Multiply each specific amount used to arrive at the total amount in "
                         "the receipts taxed at other rates by the rate that applies to it, "
                         "and write the total of the taxes here.")}},
        {QStringLiteral("resale"),
         {QStringLiteral("Resale"),
          QStringLiteral("Write the amount you collected from the items you sold to someone who "
                         "will resell those items at retail. Keep the buyer's certificate of "
                         "resale or resale number in your records to support this deduction.")}},
        {QStringLiteral("interstateCommerce"),
         {QStringLiteral("Interstate commerce"),
          QStringLiteral("Write the amount you collected from merchandise you sold that was "
                         "shipped or delivered by you outside Illinois.")}},
        {QStringLiteral("cashRefunds"),
         {QStringLiteral("Cash refunds"),
          QStringLiteral("Write the amount in cash refunds you made to customers for "
                         "merchandise they returned, when the sale was reported on an earlier "
                         "return and the refund includes the tax. Do not include exchanges for "
                         "other merchandise.")}},
        {QStringLiteral("newspapersMagazines"),
         {QStringLiteral("Newspapers and magazines"),
          QStringLiteral("Write the amount you collected from your sales of newspapers, "
                         "magazines, and other periodicals.")}},
        {QStringLiteral("repairs"),
         {QStringLiteral("Repairs"),
          QStringLiteral("Write the total of any portion of the repairs on which you did not "
                         "charge your customers tax.")}},
        {QStringLiteral("prescriptions"),
         {QStringLiteral("Prescriptions"),
          QStringLiteral("Write the total of any portion of the prescriptions on which you did "
                         "not charge your customers tax.")}},
        {QStringLiteral("otherService"),
         {QStringLiteral("Other sales of service."),
          QStringLiteral("Write the total of any portion of all other service transactions on "
                         "which you did not charge your customers tax (for example the labour "
                         "part of a service), and describe them in the field beside it.")}},
        {QStringLiteral("exemptOrganizations"),
         {QStringLiteral("Exempt organizations."),
          QStringLiteral("Write the amount you collected from merchandise you sold to "
                         "organizations that are exempt from paying sales tax. Keep each "
                         "organization's exemption identification number (the \"E\" number) "
                         "in your records.")}},
        {QStringLiteral("foodStamps"),
         {QStringLiteral("Food stamps"),
          QStringLiteral("Write the amount you collected from customers who used food stamps.")}},
        {QStringLiteral("enterpriseZone"),
         {QStringLiteral("Enterprise zone building materials and consumables or high-impact "
                         "business building materials"),
          QStringLiteral("Write the amount you collected from qualifying sales of building "
                         "materials incorporated into real estate in an enterprise zone, or "
                         "into a high-impact business location, for which the buyer gave you "
                         "a valid certificate or exemption number.")}},
        {QStringLiteral("manufacturingMachinery"),
         {QStringLiteral("Manufacturing machinery and equipment (including certain "
                         "photoprocessing equipment)"),
          QStringLiteral("Write the amount you collected from the sale of qualifying machinery "
                         "and equipment used primarily in manufacturing or assembling tangible "
                         "personal property for sale, including repair and replacement parts "
                         "and qualifying photoprocessing equipment.")}},
        {QStringLiteral("farmMachinery"),
         {QStringLiteral("Farm machinery and equipment"),
          QStringLiteral("Write the amount you collected from qualifying farm machinery and "
                         "equipment used primarily in production agriculture, including repair "
                         "and replacement parts.")}},
        {QStringLiteral("graphicArtsMachinery"),
         {QStringLiteral("Graphic arts machinery and equipment"),
          QStringLiteral("Write the amount collected from the sale of qualifying machinery and "
                         "equipment(including repair and replacement parts)used primarily in "
                         "graphic arts production.")}},
        {QStringLiteral("purchasesGeneral"),
         {QStringLiteral("General merchandise base"),
          QStringLiteral("Write : the cost of general merchandise you bought without paying "
                         "Illinois tax (for example from an out-of-state seller) and used "
                         "yourself, plus the cost of general merchandise you withdrew from your "
                         "stock for your own use. Use tax at the general rate is due on it.")}},
        {QStringLiteral("purchasesFood"),
         {QStringLiteral("Food, drugs, and medical appliances base"),
          QStringLiteral("Write the cost of qualifying food, drugs, and medical appliances you "
                         "bought without paying Illinois tax and used yourself, or withdrew "
                         "from your stock for your own use.")}},
        {QStringLiteral("purchasesOtherRate"),
         {QStringLiteral("Purchases taxed at other rates base"),
          QStringLiteral("Write the total of all of the purchases made at other rates this "
                         "includes purchases taxed at a rate other than the general and food "
                         "rates of this location.")}},
        {QStringLiteral("purchasesOtherRateTax"),
         {QStringLiteral("Purchases taxed at other rates tax"),
          QStringLiteral("Multiply each specific base amount in the purchases taxed at other "
                         "rates by the rate that applies to it, and write the total tax here.")}},
        {QStringLiteral("manufacturerCredit"),
         {QStringLiteral("Manufacturer’s Purchase Credit"),
          QStringLiteral("Write the total amount of Manufacturer’s Purchase Credit (MPC) that "
                         "you are reporting. The credit can be used only against the tax on "
                         "your own purchases, not against tax you collected from customers.")}},
        {QStringLiteral("prepaidTax"),
         {QStringLiteral("Prepaid sales tax (attach Form PST-2, Prepaid Sales Tax Statement of "
                         "Tax Paid, Copy A)"),
          QStringLiteral("Fill in this line only if you prepay Illinois Sales Tax on motor "
                         "fuel. Write the prepaid tax shown on the statements your distributors "
                         "gave you for the fuel you received during the period.")}},
        {QStringLiteral("quarterMonthlyPayments"),
         {QStringLiteral("Accelerated payments"),
          QStringLiteral("Accelerated payments (paid by electronic funds transfer (EFT) or on "
                         "Form RR-3, Sales and Use Tax Quarter-Monthly Payment): write the total "
                         "of the quarter-monthly payments already made for this period.")}},
        {QStringLiteral("priorOverpayment"),
         {QStringLiteral("Prior overpayment"),
          QStringLiteral("If you were notified that you have a prior overpayment and you wish "
                         "to use it towards what you owe, write the amount you are using here.")}},
        {QStringLiteral("excessTaxCollected"),
         {QStringLiteral("Excess tax collected"),
          QStringLiteral("If you collected more tax than is due, write your excess tax "
                         "collection on this line.")}},
        {QStringLiteral("creditMemorandum"),
         {QStringLiteral("Credit memorandum"),
          QStringLiteral("If you been have informed that you have a credit memorandum and you "
                         "wish to use it towards what you owe, write the amount you are using "
                         "on this line.")}},
    };
}
} // namespace

const HelpText* helpTextFor(const QString& key) {
    static const QHash<QString, HelpText> texts = makeHelpTexts();
    const auto found = texts.constFind(key);
    return found == texts.constEnd() ? nullptr : &found.value();
}
