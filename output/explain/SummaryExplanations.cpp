#include "output/explain/SummaryExplanations.h"

#include "output/explain/ExplanationBrowser.h"
#include "output/explain/HowComputedDialog.h"
#include "returns/report/ElectronicFiling.h"
#include "returns/report/PreparedReturn.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
constexpr int kWordsLines = 4;
constexpr int kFigureRole = Qt::UserRole + 40;

// A single-site return's explanations never reach past the return itself.
std::shared_ptr<PreparedReturn> singleSite(const ReturnRecord& record,
                                           const CalculationSteps& steps, int st1Status) {
    auto prepared = std::make_shared<PreparedReturn>();
    prepared->record = record;
    prepared->steps = steps;
    prepared->st1Status = st1Status;
    return prepared;
}
} // namespace

SummaryExplanations::SummaryExplanations(QVBoxLayout* box, QWidget* step)
    : QObject(step), step_(step), words_(new QTextBrowser), notice_(new QLabel),
      howComputed_(new QPushButton(QStringLiteral("&How Computed..."))),
      commands_(new QHBoxLayout) {
    words_->setObjectName(QStringLiteral("summaryExplanation"));
    words_->setPlaceholderText(
        QStringLiteral("Select an amount above to see how it was computed."));
    words_->setFixedHeight(words_->fontMetrics().lineSpacing() * kWordsLines +
                           2 * words_->frameWidth() + 8);
    words_->setTabChangesFocus(true);
    notice_->setObjectName(QStringLiteral("electronicFilingNotice"));
    notice_->setWordWrap(true);
    notice_->setFrameShape(QFrame::StyledPanel);
    notice_->setMargin(4);
    notice_->hide();
    howComputed_->setObjectName(QStringLiteral("howComputed"));
    howComputed_->setAutoDefault(false);
    howComputed_->setEnabled(false);
    connect(howComputed_, &QPushButton::clicked, this, &SummaryExplanations::showHowComputed);
    box->addWidget(words_);
    box->addWidget(notice_);
    commands_->addWidget(howComputed_);
    commands_->addStretch();
    box->addLayout(commands_);
}

void SummaryExplanations::addCommand(QPushButton* command) {
    commands_->insertWidget(commands_->count() - 1, command);
}

void SummaryExplanations::showReturn(const ReturnRecord& record, int st1Status, bool withNotice) {
    prepared_ = singleSite(record, steps_, st1Status);
    const std::optional<QString> notice =
        withNotice ? ElectronicFiling::notice(record.st1.line1, record.period.periodType)
                   : std::nullopt;
    notice_->setText(notice.value_or(QString()));
    notice_->setVisible(notice.has_value());
    howComputed_->setEnabled(true);
    showFigure(shown_);
}

void SummaryExplanations::showCombined(const ReturnRecord& combined,
                                       const LocationResults& results) {
    prepared_ =
        std::make_shared<PreparedReturn>(preparedMultiSiteReturn(combined, steps_, results));
    const std::optional<QString> notice =
        ElectronicFiling::notice(combined.st1.line1, combined.period.periodType);
    notice_->setText(notice.value_or(QString()));
    notice_->setVisible(notice.has_value());
    howComputed_->setEnabled(true);
    showFigure(shown_);
}

std::shared_ptr<const PreparedReturn> SummaryExplanations::prepared(const PageList& pages) const {
    if (!prepared_)
        return nullptr;
    auto withPages = std::make_shared<PreparedReturn>(*prepared_);
    withPages->gasoholPage = std::ranges::any_of(
        pages, [](const PageEntry& page) { return page.kind == kPageGasoholWorksheet; });
    return withPages;
}

void SummaryExplanations::attachTable(
    QTableWidget* table, std::span<const std::pair<std::pair<int, int>, Figure>> cells) {
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setFocusPolicy(Qt::StrongFocus);
    table->setTabKeyNavigation(false);
    for (const auto& [cell, figure] : cells)
        table->setProperty(QStringLiteral("figure%1.%2").arg(cell.first).arg(cell.second).toUtf8(),
                           int(figure));
    connect(table, &QTableWidget::currentCellChanged, this, [this, table](int row, int column) {
        const QVariant figure =
            table->property(QStringLiteral("figure%1.%2").arg(row).arg(column).toUtf8());
        showFigure(figure.isValid() ? std::optional(Figure(figure.toInt())) : std::nullopt);
    });
}

void SummaryExplanations::attachLabels(std::span<QLabel* const> labels,
                                       std::span<const Figure> figures) {
    for (size_t index = 0; index < labels.size() && index < figures.size(); ++index) {
        QLabel* label = labels[index];
        label->setFocusPolicy(Qt::StrongFocus);
        label->setStyleSheet(QStringLiteral("QLabel:focus { background: palette(highlight); "
                                            "color: palette(highlighted-text); }"));
        label->installEventFilter(this);
        labels_.push_back({label, figures[index]});
    }
}

bool SummaryExplanations::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (const auto& [label, figure] : labels_) {
            if (label == watched)
                showFigure(figure);
        }
    }
    return QObject::eventFilter(watched, event);
}

void SummaryExplanations::showFigure(std::optional<Figure> figure) {
    shown_ = figure;
    words_->clear();
    if (!figure || !prepared_)
        return;
    if (const std::optional<ExplainedLine> line = explainFigure(*prepared_, *figure))
        words_->setHtml(explainedLineHtml(*line));
    else
        words_->setPlainText(
            QStringLiteral("This amount is not computed for this return: its form is not filed "
                           "or the calculation stopped before it."));
}

void SummaryExplanations::showHowComputed() {
    if (!prepared_)
        return;
    HowComputedDialog dialog(prepared_, step_);
    if (shown_)
        dialog.browser()->select(*shown_);
    dialog.exec();
}
