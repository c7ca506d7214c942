#include "forms/multisite/MultiSiteGeneration.h"

#include "forms/filling/FormSet.h"
#include "forms/filling/FormTexts.h"
#include "forms/multisite/FillFailureMessage.h"
#include "forms/multisite/LocationPages.h"
#include "forms/preview/ReturnGeneration.h"
#include "platform/CFormat.h"
#include "returns/ReturnRecord.h"
#include "returns/multisite/LocationResult.h"

#include <memory>

namespace {
using Form = MultiSitePage::Form;

// A filled form ready to become a page, or the message of its failed fill.
struct FilledPage {
    const FilledForm* form = nullptr;
    bool filled = false;
    QString name;
};

// Fills the pages of one generation from the combined return and the locations' results.
class PageFiller {
public:
    PageFiller(FormSet& set, const ReturnRecord& combined, const CombinedFills& fills,
               const ClientRecord& client, const LocationResults& results,
               const FillContext& context)
        : set_(set), combined_(combined), fills_(fills), client_(client), results_(results),
          context_(context), location_(std::make_unique<ReturnRecord>()) {}

    FilledPage fill(const MultiSitePage& page) {
        switch (page.form) {
        case Form::St1Page1:
            return {&set_.st1, fills_.st1Page1, QStringLiteral("ST-1 Page 1")};
        case Form::St1Page2:
            return {&set_.st1Worksheet, fills_.st1Page2, QStringLiteral("ST-1 Page 2")};
        case Form::St2:
            return {&set_.st2Pages[size_t(page.st2Page)],
                    fills_.st2Pages[size_t(page.st2Page)].value_or(false),
                    cFormat("ST-2 page %d", page.st2Page + 1)};
        default:
            return fillLocationPage(page);
        }
    }

private:
    FilledPage fillLocationPage(const MultiSitePage& page) {
        const LocationResult& entry = results_.entries[size_t(page.location)];
        takeLocationReturn(*location_, combined_, client_, entry);
        switch (page.form) {
        case Form::St8:
            return {&set_.st8, set_.st8.fill(*location_, context_),
                    locationFormName("ST-8", entry, page.location)};
        case Form::St14:
            return {&set_.st14,
                    set_.st14.fill(*location_, locationSt14ScanLine(combined_, context_), context_),
                    locationFormName("ST-14", entry, page.location)};
        default:
            return {&set_.st4, set_.st4.fill(*location_, context_),
                    locationFormName("ST-4", entry, page.location)};
        }
    }

    static QString locationFormName(const char* form, const LocationResult& entry, int row) {
        return cFormat("%s of location %d, ", form, locationDisplayNumber(entry.location, row)) +
               FormTexts::recordText(entry.location.name);
    }

    FormSet& set_;
    const ReturnRecord& combined_;
    const CombinedFills& fills_;
    const ClientRecord& client_;
    const LocationResults& results_;
    const FillContext& context_;
    std::unique_ptr<ReturnRecord> location_;
};

// Adds the page of a filled page, or gives the message that stops the generation.
QString addPage(PageList& pages, const FilledPage& filled, const std::optional<QString>& caption) {
    if (!filled.filled)
        return fillFailureMessage(filled.name, filled.form->failure());
    PageEntry page;
    page.images[0] = filled.form->workingImage();
    page.caption = caption;
    pages.push_back(page);
    return {};
}
} // namespace

MultiSiteGeneration generateMultiSitePages(FormSet& set, const ReturnRecord& combined,
                                           const CombinedFills& fills, const ClientRecord& client,
                                           const LocationResults& results,
                                           const FillContext& context) {
    PageFiller filler(set, combined, fills, client, results, context);
    const QString caption = vendorCaption(context.vendorId);
    MultiSiteGeneration generation;
    for (const MultiSitePage& page : multiSitePageOrder(client, results.count)) {
        generation.error = addPage(generation.pages, filler.fill(page),
                                   page.captioned() ? std::optional(caption) : std::nullopt);
        if (!generation.ok()) {
            generation.pages.clear();
            break;
        }
    }
    return generation;
}
