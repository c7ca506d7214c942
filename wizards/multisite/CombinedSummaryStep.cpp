#include "wizards/multisite/CombinedSummaryStep.h"

#include "forms/multisite/CombineLocations.h"
#include "forms/multisite/MultiSiteGeneration.h"
#include "forms/preview/PreviewDocument.h"
#include "output/ReturnPreviewWindow.h"
#include "output/explain/SummaryExplanations.h"
#include "output/history/ReturnHistoryOffer.h"
#include "platform/Clock.h"
#include "platform/PrivateTempFolder.h"
#include "returns/GroupThousands.h"
#include "returns/ReturnRecord.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"
#include "ui/wizard/CWizardDialog.h"
#include "wizards/multisite/MultiSiteWizardState.h"
#include "wizards/return/FigureFileCommands.h"
#include "wizards/return/LastReturnComparison.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr const char* kRowTitles[] = {"Total Receipts", "Deductions", "Taxable Receipts",
                                      "Payment Due"};
constexpr Figure kRowFigures[] = {Figure::St1Line1, Figure::St1Line2, Figure::St1Line3,
                                  Figure::St1Line25};

} // namespace

CombinedSummaryStep::CombinedSummaryStep(MultiSiteWizardState& state)
    : MultiSiteStep(kKey, QStringLiteral("Summary"), state) {}

void CombinedSummaryStep::buildContents(QVBoxLayout* box) {
    box->addWidget(
        paragraph(QStringLiteral("Congratulations, your return is ready! The table below shows a "
                                 "summary of the new return.")));
    auto* table = new QGridLayout;
    for (int row = 0; row < int(amounts_.size()); ++row) {
        table->addWidget(new QLabel(QLatin1String(kRowTitles[row])), row, 0);
        amounts_[size_t(row)] = new QLabel;
        amounts_[size_t(row)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->addWidget(amounts_[size_t(row)], row, 1);
    }
    box->addLayout(table);
    if (const std::optional<CarryForward>& carry = state().shared.carryForward) {
        comparison_ = new LastReturnComparison(carry->lastSummary, carry->lastPeriod);
        box->addWidget(comparison_);
    }
    explanations_ = new SummaryExplanations(box, this);
    explanations_->attachLabels(amounts_, kRowFigures);
    box->addWidget(paragraph(
        QStringLiteral("Please click on the \" Preview Return \" button to preview, print, "
                       "export or e-mail the generated forms and transmittal letter.")));
    box->addWidget(paragraph(QStringLiteral("Please make sure to use a laser printer with black, "
                                            "non-reflective, non-magnetic ink.")));
    preview_ = new QPushButton(QStringLiteral("&Preview Return"));
    preview_->setAutoDefault(false);
    explanations_->addCommand(preview_);
    connect(preview_, &QPushButton::clicked, this, &CombinedSummaryStep::previewReturn);
    QPushButton* exportFigures = makeExportFiguresButton();
    connect(exportFigures, &QPushButton::clicked, this, [this] {
        const auto& figures = state().locationFigures;
        exportEnteredFigures(this, state().client(),
                             {figures.begin(), figures.begin() + state().results->count});
    });
    explanations_->addCommand(exportFigures);
}

void CombinedSummaryStep::pageShown() {
    MultiSiteWizardState& multiSite = state();
    explanations_->steps().clear();
    multiSite.fills = combineLocations(multiSite.record(), multiSite.shared.forms,
                                       multiSite.client(), *multiSite.results, multiSite.context(),
                                       StepRecorder(explanations_->steps()));
    explanations_->showCombined(multiSite.record(), *multiSite.results);
    const ReturnSummary& summary = multiSite.record().summary;
    const Dollars shown[] = {summary.summaryTotalReceipts, summary.summaryDeductions,
                             summary.summaryTaxableReceipts, summary.summaryPaymentDue};
    for (size_t row = 0; row < amounts_.size(); ++row)
        amounts_[row]->setText(groupThousands(shown[row]));
    if (comparison_)
        comparison_->showAmounts(summary);
    if (CWizardDialog* dialog = wizard())
        dialog->setEndReached();
}

// The preview is what a preparer does next, so the keyboard starts on it rather than on the
// first amount that can explain itself.
QWidget* CombinedSummaryStep::firstField() const {
    return preview_;
}

int CombinedSummaryStep::backPressed() {
    state().shared.discardPreview();
    return kMoveOn;
}

void CombinedSummaryStep::previewReturn() {
    MultiSiteWizardState& multiSite = state();
    ReturnWizardState& shared = multiSite.shared;
    MultiSiteGeneration generation;
    {
        const WaitCursor waiting;
        shared.discardPreview();
        generation =
            generateMultiSitePages(shared.forms, multiSite.record(), multiSite.fills,
                                   multiSite.client(), *multiSite.results, multiSite.context());
    }
    if (!generation.ok()) {
        MessageBoxes::current().inform(this, generation.error, MessageIcon::Stop);
        return;
    }
    shared.pages = std::move(generation.pages);
    PreviewContext preview;
    preview.pages = shared.pages;
    preview.client = shared.client;
    preview.periodText = multiSite.record().texts.periodText;
    preview.paymentDue = multiSite.record().st1.line25;
    preview.preparer = shared.settings.preparer;
    preview.prepared = explanations_->prepared(shared.pages);
    const QString document = previewDocumentPath(PrivateTempFolder::path() + QLatin1Char('/'),
                                                 preview.businessName(), Clock::today());
    if (openReturnPreview(this, preview, document))
        shared.previewed = true;
}

bool CombinedSummaryStep::finishPressed() {
    const ReturnWizardState& shared = state().shared;
    if (shared.previewed)
        offerReturnToHistory(this, shared.client.path, shared.pages, state().record().summary,
                             multiSiteInputs(state().record(), *state().results, Clock::today(),
                                             shared.settings.taxTable));
    return true;
}
