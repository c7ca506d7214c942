#include "forms/preview/ReturnGeneration.h"

#include "forms/filling/FormSet.h"
#include "forms/filling/ReturnForms.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"

namespace {
// One form of the single-site return in generation order.
struct GeneratedForm {
    const FilledForm& form;
    std::optional<bool> filled; // the fill's result; none when it was not filled
    bool taken;                 // the return's page list takes it
    PageKind kind;
    GenerationFailure failure;
};

PageEntry pageOf(const GeneratedForm& form, int vendorId) {
    PageEntry page;
    page.images[0] = form.form.workingImage();
    page.kind = form.kind;
    if (form.kind == kPageSt8)
        page.caption = vendorCaption(vendorId);
    return page;
}
} // namespace

QString generationFailureMessage(GenerationFailure failure) {
    switch (failure) {
    case GenerationFailure::None:
        return {};
    case GenerationFailure::St1BasesDoNotAddUp:
        return QString::fromLatin1(kSt1BasesMessage);
    case GenerationFailure::St1Page1:
        return QStringLiteral("An error occurred while printing ST-1 Page 1");
    case GenerationFailure::St1Page2:
        return QStringLiteral("An error occurred while printing ST-1 Page 2");
    case GenerationFailure::St14:
        return QStringLiteral("An error occurred while printing ST-14");
    case GenerationFailure::St4:
        return QStringLiteral("An error occurred while printing ST-4");
    case GenerationFailure::St8:
        return QStringLiteral("An error occurred while printing ST-8");
    case GenerationFailure::GasoholWorksheet:
        return QStringLiteral("An error occurred while printing gasohol worksheet");
    }
    return {};
}

QString vendorCaption(int vendorId) {
    return QString::asprintf("ID: %4d", vendorId);
}

GeneratedReturn generateSingleSiteReturn(FormSet& set, ReturnRecord& record,
                                         const FillContext& context, bool printGasoholWorksheet) {
    const ReturnFormResults results = fillEveryForm(set, record, context);
    if (results.st1Page1 == kSt1BasesDoNotAddUp)
        return {GenerationFailure::St1BasesDoNotAddUp, {}};
    const ClientRecord& client = record.client;
    const GeneratedForm forms[] = {
        {set.st1, results.st1Page1 == kSt1Ok, true, kPageSt1Page1, GenerationFailure::St1Page1},
        {set.st1Worksheet, results.st1Page2, true, kPageSt1Page2, GenerationFailure::St1Page2},
        {set.st14, results.st14, client.filesST14 == 1, kPageSt14, GenerationFailure::St14},
        {set.st4, results.st4, client.filesST4 == 1, kPageSt4, GenerationFailure::St4},
        {set.st8, results.st8, client.filesST8 == 1, kPageSt8, GenerationFailure::St8},
        {set.gasoholWorksheet, results.gasoholWorksheet,
         printGasoholWorksheet && record.gasoholWorksheet.gallons > 0, kPageGasoholWorksheet,
         GenerationFailure::GasoholWorksheet},
    };
    PageList pages;
    for (const GeneratedForm& form : forms) {
        if (!form.taken)
            continue;
        if (form.filled != true)
            return {form.failure, {}};
        pages.push_back(pageOf(form, context.vendorId));
    }
    return {GenerationFailure::None, std::move(pages)};
}
