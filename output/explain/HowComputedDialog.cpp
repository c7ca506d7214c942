#include "output/explain/HowComputedDialog.h"

#include "output/explain/ExplanationBrowser.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

HowComputedDialog::HowComputedDialog(std::shared_ptr<const PreparedReturn> prepared,
                                     QWidget* parent)
    : QDialog(parent), browser_(new ExplanationBrowser(std::move(prepared), this)) {
    setWindowTitle(QStringLiteral("How Computed"));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(close);
    resize(760, 600);
    // The arrow keys walk the lines from the start.
    browser_->lines()->setFocus();
}
