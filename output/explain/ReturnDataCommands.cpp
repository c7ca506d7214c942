#include "output/explain/ReturnDataCommands.h"

#include "output/explain/ExplanationBrowser.h"
#include "output/explain/FilingSheetDialog.h"
#include "output/explain/ReportCommands.h"
#include "returns/report/PreparedReturn.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>

namespace {
constexpr int kPanelWidth = 460;
} // namespace

ReturnDataCommands::ReturnDataCommands(std::shared_ptr<const PreparedReturn> prepared,
                                       QWidget* window)
    : QObject(window), prepared_(std::move(prepared)), window_(window) {}

void ReturnDataCommands::addButtons(QBoxLayout* bar) {
    if (!prepared_)
        return;
    const auto add = [this, bar](const QString& text, auto slot) {
        auto* button = new QPushButton(text, window_);
        button->setAutoDefault(false);
        bar->addWidget(button);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    howComputed_ = add(QStringLiteral("&How Computed"), &ReturnDataCommands::showExplanations);
    howComputed_->setCheckable(true);
    howComputed_->setToolTip(QStringLiteral("How each figure of the return was computed"));
    add(QStringLiteral("Export Return &Data..."), &ReturnDataCommands::exportData)
        ->setToolTip(QStringLiteral("The return's data as JSON and CSV files"));
    add(QStringLiteral("&Filing Sheet..."), &ReturnDataCommands::showFilingSheet)
        ->setToolTip(QStringLiteral("What to key into the state's web filing"));
}

QWidget* ReturnDataCommands::besidePages(QWidget* pages) {
    if (!prepared_)
        return pages;
    split_ = new QSplitter(Qt::Horizontal, window_);
    split_->addWidget(pages);
    split_->setChildrenCollapsible(false);
    return split_;
}

void ReturnDataCommands::showExplanations(bool shown) {
    if (!split_)
        return;
    if (!explanations_ && shown) {
        explanations_ = new ExplanationBrowser(prepared_, split_);
        explanations_->setObjectName(QStringLiteral("previewExplanations"));
        split_->addWidget(explanations_);
        const int total = split_->width();
        split_->setSizes({std::max(0, total - kPanelWidth), kPanelWidth});
    }
    if (explanations_) {
        explanations_->setVisible(shown);
        if (shown)
            explanations_->lines()->setFocus();
    }
    if (howComputed_)
        howComputed_->setChecked(shown);
}

void ReturnDataCommands::exportData() {
    ReportCommands::exportReturnData(window_, *prepared_);
}

void ReturnDataCommands::showFilingSheet() {
    FilingSheetDialog dialog(prepared_, window_);
    dialog.exec();
}
