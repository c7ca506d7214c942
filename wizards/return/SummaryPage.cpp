#include "wizards/return/SummaryPage.h"

#include "forms/preview/PreviewDocument.h"
#include "forms/preview/ReturnGeneration.h"
#include "output/ReturnPreviewWindow.h"
#include "output/explain/SummaryExplanations.h"
#include "output/history/ReturnHistoryOffer.h"
#include "platform/Clock.h"
#include "platform/PrivateTempFolder.h"
#include "returns/LiabilityPeriod.h"
#include "returns/ReturnCalculation.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "returns/entry/SummaryTexts.h"
#include "returns/inputs/StoredInputs.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"
#include "ui/wizard/CWizardDialog.h"
#include "wizards/return/EntryFields.h"
#include "wizards/return/FigureFileCommands.h"
#include "wizards/return/LastReturnComparison.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/ReturnWizardState.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const char* const kForms[] = {
    "ST-1 \n(Sales and Use Tax Return)", "ST-8 (Tire User Fee)",
    "ST-14 (Chicago Soft Drink Tax Return)",
    "ST-4 (Metropolitan Pier and Exposition Authority Food and Beverage Tax Return)"};
// The form names stand in the first column, where they wrap, then the four amounts.
const char* const kColumns[] = {"Form", "Total Receipts", "Deductions", "Taxable Receipts",
                                "Payment Due"};
constexpr int kPaymentDueColumn = 4;

// The figure each amount cell of the table shows.
constexpr std::pair<std::pair<int, int>, Figure> kExplainedCells[] = {
    {{0, 1}, Figure::St1Line1},
    {{0, 2}, Figure::St1Line2},
    {{0, 3}, Figure::St1Line3},
    {{0, kPaymentDueColumn}, Figure::St1Line25},
    {{1, kPaymentDueColumn}, Figure::St8Line15},
    {{2, kPaymentDueColumn}, Figure::St14Line6},
    {{3, kPaymentDueColumn}, Figure::St4Line15}};

QTableWidget* makeTable() {
    auto* table = new QTableWidget(4, 5);
    table->setObjectName(QStringLiteral("summaryTable"));
    QStringList columns;
    for (const char* column : kColumns)
        columns << QString::fromLatin1(column);
    table->setHorizontalHeaderLabels(columns);
    table->verticalHeader()->hide();
    for (int row = 0; row < 4; ++row)
        table->setItem(row, 0, new QTableWidgetItem(QString::fromLatin1(kForms[row])));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setWordWrap(true);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

void setCell(QTableWidget* table, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
}
} // namespace

SummaryPage::SummaryPage(ReturnWizardState& state)
    : ReturnWizardPage(PageKeys::kSummary, QStringLiteral("Summary"), {}, state) {}

void SummaryPage::buildContents(QVBoxLayout* box) {
    if (state().locationMode) {
        box->addWidget(paragraph(
            QStringLiteral("Congratulations, calculations for this location are ready! Please "
                           "click the \"Finish\" button to add these calculations to your "
                           "return.")));
    } else {
        box->addWidget(paragraph(QStringLiteral("Congratulations, your return is ready! The "
                                                "table below shows a summary of the new "
                                                "return.")));
        box->addWidget(paragraph(
            QStringLiteral("Please click on the \" Preview Return \" button to preview, print, "
                           "export or e-mail the generated forms and transmittal letter.")));
    }
    table_ = makeTable();
    box->addWidget(table_);
    if (const std::optional<CarryForward>& carry = state().carryForward) {
        comparison_ = new LastReturnComparison(carry->lastSummary, carry->lastPeriod);
        box->addWidget(comparison_);
    }
    explanations_ = new SummaryExplanations(box, this);
    explanations_->attachTable(table_, kExplainedCells);
    if (!state().locationMode) {
        preview_ = new QPushButton(QStringLiteral("&Preview Return"));
        preview_->setObjectName(QStringLiteral("previewReturn"));
        preview_->setAutoDefault(false);
        connect(preview_, &QPushButton::clicked, this, &SummaryPage::previewReturn);
        explanations_->addCommand(preview_);
        QPushButton* exportFigures = makeExportFiguresButton();
        connect(exportFigures, &QPushButton::clicked, this, [this] {
            exportEnteredFigures(this, state().client.record, {EntryFields::entered(*wizard())});
        });
        explanations_->addCommand(exportFigures);
    }
    box->addWidget(paragraph(QStringLiteral(
        "Please make sure to use a laser printer with black, non-reflective, non-magnetic ink.")));
}

int SummaryPage::computeReturn() {
    record().summary = ReturnSummary();
    const int status = computeAll(record(), explanations_->steps());
    if (!isValidPeriod(record().period))
        MessageBoxes::current().inform(this, QString::fromLatin1(kInvalidYearMessage),
                                       MessageIcon::Stop);
    return status;
}

void SummaryPage::pageShown() {
    ReturnWizardPage::pageShown();
    st1Status_ = computeReturn();
    showSummary(summaryTexts(record().summary, record().st1.totalReceipts == 0));
    if (comparison_)
        comparison_->showAmounts(record().summary);
    explanations_->showReturn(record(), st1Status_, !state().locationMode);
    if (state().locationMode && st1Status_ == kSt1BasesDoNotAddUp)
        MessageBoxes::current().inform(this, QString::fromLatin1(kSt1BasesMessage),
                                       MessageIcon::Stop);
}

// The preview is what a preparer does next, so the keyboard starts on it rather than on the
// first amount that can explain itself.
QWidget* SummaryPage::firstField() const {
    return preview_ ? preview_ : ReturnWizardPage::firstField();
}

int SummaryPage::backPressed() {
    state().discardPreview();
    return kMoveOn;
}

void SummaryPage::showSummary(const SummaryTexts& texts) {
    setCell(table_, 0, 1, texts.totalReceipts);
    setCell(table_, 0, 2, texts.deductions);
    setCell(table_, 0, 3, texts.taxableReceipts);
    setCell(table_, 0, kPaymentDueColumn, texts.paymentDue);
    setCell(table_, 1, kPaymentDueColumn, texts.st8PaymentDue);
    setCell(table_, 2, kPaymentDueColumn, texts.st14PaymentDue);
    setCell(table_, 3, kPaymentDueColumn, texts.st4PaymentDue);
}

void SummaryPage::previewReturn() {
    WaitCursor wait;
    state().discardPreview();
    computeReturn();
    GeneratedReturn generated = generateSingleSiteReturn(
        state().forms, record(), state().settings.fill, state().settings.printGasoholWorksheet);
    if (generated.failure != GenerationFailure::None) {
        MessageBoxes::current().inform(this, generationFailureMessage(generated.failure),
                                       MessageIcon::Stop);
        return;
    }
    state().pages = std::move(generated.pages);
    PreviewContext context;
    context.pages = state().pages;
    context.client = state().client;
    context.periodText = record().texts.periodText;
    context.paymentDue = record().st1.line25;
    context.preparer = state().settings.preparer;
    context.prepared = explanations_->prepared(state().pages);
    const QString document = previewDocumentPath(PrivateTempFolder::path() + QLatin1Char('/'),
                                                 context.businessName(), Clock::today());
    if (openReturnPreview(this, context, document))
        state().previewed = true;
}

bool SummaryPage::finishPressed() {
    if (!state().locationMode) {
        if (state().previewed)
            offerReturnToHistory(
                this, state().client.path, state().pages, record().summary,
                singleSiteInputs(record(), Clock::today(), state().settings.taxTable));
        return true;
    }
    if (st1Status_ == kSt1BasesDoNotAddUp) {
        MessageBoxes::current().inform(this, QString::fromLatin1(kSt1BasesMessage),
                                       MessageIcon::Stop);
        return false;
    }
    return MessageBoxes::current().confirm(
        this,
        QStringLiteral("Are you sure you are done with filling all fields for this location?"),
        MessageIcon::Question, false);
}
