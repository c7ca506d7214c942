#include "returns/multisitewizard/CombinedSummaryStep.h"

#include "clients/wizard/CWizardDialog.h"
#include "forms/multisite/CombineLocations.h"
#include "forms/multisite/MultiSiteGeneration.h"
#include "forms/preview/ReturnPreviewWindow.h"
#include "returns/GroupThousands.h"
#include "returns/ReturnRecord.h"
#include "returns/multisitewizard/MultiSiteWizardState.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr const char* kRowTitles[] = {"Total Receipts", "Deductions", "Taxable Receipts",
                                      "Payment Due"};
constexpr char kNotPrinted[] = "Are you sure you want to close this wizard without printing the "
                               "return?";

QLabel* paragraph(const char* text) {
    auto* label = new QLabel(QLatin1String(text));
    label->setWordWrap(true);
    return label;
}
} // namespace

CombinedSummaryStep::CombinedSummaryStep(MultiSiteWizardState& state)
    : MultiSiteStep(kKey, QStringLiteral("Summary"), state) {}

void CombinedSummaryStep::buildContents(QVBoxLayout* box) {
    box->addWidget(paragraph("Congratulations, your return is ready! The table below shows a "
                             "summary of the new return."));
    auto* table = new QGridLayout;
    for (int row = 0; row < int(amounts_.size()); ++row) {
        table->addWidget(new QLabel(QLatin1String(kRowTitles[row])), row, 0);
        amounts_[size_t(row)] = new QLabel;
        amounts_[size_t(row)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->addWidget(amounts_[size_t(row)], row, 1);
    }
    box->addLayout(table);
    box->addWidget(paragraph("Please click on the \" Preview Return \" button to preview, print, "
                             "export or e-mail the generated forms and transmittal letter."));
    box->addWidget(paragraph("Please make sure to use a laser printer with black, "
                             "non-reflective, non-magnetic ink."));
    preview_ = new QPushButton(QStringLiteral("Preview Return"));
    box->addWidget(preview_, 0, Qt::AlignLeft);
    connect(preview_, &QPushButton::clicked, this, &CombinedSummaryStep::previewReturn);
}

void CombinedSummaryStep::pageShown() {
    MultiSiteWizardState& multiSite = state();
    multiSite.previewed = false;
    multiSite.fills = combineLocations(multiSite.record, multiSite.set, multiSite.client.record,
                                       *multiSite.results, multiSite.context);
    const ReturnSummary& summary = multiSite.record.summary;
    const Dollars shown[] = {summary.summaryTotalReceipts, summary.summaryDeductions,
                             summary.summaryTaxableReceipts, summary.summaryPaymentDue};
    for (size_t row = 0; row < amounts_.size(); ++row)
        amounts_[row]->setText(groupThousands(shown[row]));
    if (CWizardDialog* dialog = wizard())
        dialog->setEndReached();
}

void CombinedSummaryStep::previewReturn() {
    MultiSiteWizardState& multiSite = state();
    MultiSiteGeneration generation;
    {
        const WaitCursor waiting;
        generation =
            generateMultiSitePages(multiSite.set, multiSite.record, multiSite.fills,
                                   multiSite.client.record, *multiSite.results, multiSite.context);
    }
    if (!generation.ok()) {
        MessageBoxes::current().inform(this, generation.error, MessageIcon::Stop);
        return;
    }
    deletePageFiles(multiSite.pages);
    multiSite.pages = generation.pages;
    PreviewContext preview;
    preview.pages = multiSite.pages;
    preview.client = multiSite.client;
    preview.periodText = multiSite.record.texts.periodText;
    preview.paymentDue = multiSite.record.st1.line25;
    showReturnPreview(this, preview);
    multiSite.previewed = true;
}

bool CombinedSummaryStep::finishPressed() {
    return state().previewed || MessageBoxes::current().confirm(this, QLatin1String(kNotPrinted),
                                                                MessageIcon::Warning, false);
}
