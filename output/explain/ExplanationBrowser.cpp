#include "output/explain/ExplanationBrowser.h"

#include "forms/report/ReturnReports.h"
#include "output/explain/ReportCommands.h"
#include "returns/report/PreparedReturn.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kPartRole = Qt::UserRole;
constexpr int kFormRole = Qt::UserRole + 1;
constexpr int kLineRole = Qt::UserRole + 2;

QTreeWidgetItem* lineItem(const ExplainedLine& line, int part, int form, int index) {
    auto* item = new QTreeWidgetItem({line.title, line.amount()});
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(0, kPartRole, part);
    item->setData(0, kFormRole, form);
    item->setData(0, kLineRole, index);
    item->setToolTip(0, line.title);
    return item;
}

QPushButton* commandButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}
} // namespace

QString explainedLineHtml(const ExplainedLine& line) {
    QString html = QStringLiteral("<p><b>%1</b>").arg(line.title.toHtmlEscaped());
    const QString amount = line.amount();
    if (!amount.isEmpty())
        html += QStringLiteral(": <b>%1</b>").arg(amount.toHtmlEscaped());
    return html + QStringLiteral("</p><p>%1</p>").arg(line.words.text.toHtmlEscaped());
}

ExplanationBrowser::ExplanationBrowser(std::shared_ptr<const PreparedReturn> prepared,
                                       QWidget* parent)
    : QWidget(parent), prepared_(std::move(prepared)), explanation_(explainReturn(*prepared_)),
      lines_(new QTreeWidget), words_(new QTextBrowser) {
    lines_->setObjectName(QStringLiteral("explainedLines"));
    lines_->setHeaderLabels({QStringLiteral("Line"), QStringLiteral("Amount")});
    lines_->header()->setStretchLastSection(false);
    lines_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lines_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lines_->setUniformRowHeights(true);
    words_->setObjectName(QStringLiteral("explanationWords"));
    words_->setOpenLinks(false);
    words_->setPlaceholderText(QStringLiteral("Select a line to see how it was computed."));
    fillLines();

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(lines_);
    split->addWidget(words_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);
    auto* print = commandButton(QStringLiteral("P&rint Explanations..."), this);
    auto* save = commandButton(QStringLiteral("Sa&ve Explanations as PDF..."), this);
    connect(print, &QPushButton::clicked, this, &ExplanationBrowser::printExplanations);
    connect(save, &QPushButton::clicked, this, &ExplanationBrowser::saveExplanations);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    connect(lines_, &QTreeWidget::currentItemChanged, this, &ExplanationBrowser::showCurrent);
}

void ExplanationBrowser::fillLines() {
    const bool multiSite = explanation_.parts.size() > 1;
    for (int part = 0; part < int(explanation_.parts.size()); ++part) {
        const ExplainedPart& explained = explanation_.parts[size_t(part)];
        QTreeWidgetItem* partItem = nullptr;
        if (multiSite) {
            partItem = new QTreeWidgetItem(lines_, {explained.title});
            partItem->setExpanded(part == 0);
        }
        for (int form = 0; form < int(explained.forms.size()); ++form) {
            const ExplainedForm& formLines = explained.forms[size_t(form)];
            auto* formItem = partItem ? new QTreeWidgetItem(partItem, {formLines.title})
                                      : new QTreeWidgetItem(lines_, {formLines.title});
            for (int line = 0; line < int(formLines.lines.size()); ++line)
                formItem->addChild(lineItem(formLines.lines[size_t(line)], part, form, line));
            formItem->setExpanded(part == 0);
        }
    }
}

const ExplainedLine* ExplanationBrowser::lineOf(const QTreeWidgetItem* item) const {
    if (!item || !item->data(0, kLineRole).isValid())
        return nullptr;
    const ExplainedPart& part = explanation_.parts[item->data(0, kPartRole).toUInt()];
    const ExplainedForm& form = part.forms[item->data(0, kFormRole).toUInt()];
    return &form.lines[item->data(0, kLineRole).toUInt()];
}

void ExplanationBrowser::showCurrent() {
    const ExplainedLine* line = lineOf(lines_->currentItem());
    if (line)
        words_->setHtml(explainedLineHtml(*line));
    else
        words_->clear();
}

void ExplanationBrowser::select(Figure figure) {
    for (QTreeWidgetItemIterator item(lines_); *item; ++item) {
        const ExplainedLine* line = lineOf(*item);
        if (line && line->figure == figure && (*item)->data(0, kPartRole).toInt() == 0) {
            lines_->setCurrentItem(*item);
            lines_->scrollToItem(*item);
            return;
        }
    }
}

void ExplanationBrowser::printExplanations() {
    ReportCommands::print(this, explanationReport(*prepared_, explanation_));
}

void ExplanationBrowser::saveExplanations() {
    ReportCommands::saveAsPdf(this, explanationReport(*prepared_, explanation_));
}
