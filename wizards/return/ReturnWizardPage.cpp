#include "wizards/return/ReturnWizardPage.h"

#include "returns/ReturnRecord.h"
#include "returns/entry/EntryChecks.h"
#include "returns/entry/HelpTexts.h"
#include "ui/BalloonTip.h"
#include "ui/MessageBoxes.h"
#include "ui/wizard/WizardStepFrame.h"
#include "wizards/return/EntryFields.h"
#include "wizards/return/ReturnWizardState.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The last return's figure beside its amount field, in italics, and read out with the field.
QLabel* lastFigureHint(QWidget* field, const QString& hint) {
    auto* label = new QLabel(hint);
    label->setObjectName(field->objectName() + QStringLiteral("LastFigure"));
    QFont italic = label->font();
    italic.setItalic(true);
    label->setFont(italic);
    field->setAccessibleDescription(hint);
    return label;
}

} // namespace

ReturnWizardPage::ReturnWizardPage(int key, const QString& title, const QString& formPlace,
                                   ReturnWizardState& state)
    : CWizardPage(key), state_(state), title_(title), formPlace_(formPlace) {}

ReturnRecord& ReturnWizardPage::record() const {
    return state_.record;
}

bool ReturnWizardPage::pageCreated() {
    QVBoxLayout* box = buildWizardStepFrame(this, title_);
    buildContents(box);
    if (!state_.startEntries.isEmpty())
        EntryFields::show(this, state_.startEntries);
    box->addStretch();
    if (!formPlace_.isEmpty()) {
        auto* place = paragraph(formPlace_);
        place->setObjectName(QStringLiteral("formPlace"));
        QFont small = place->font();
        small.setItalic(true);
        place->setFont(small);
        box->addWidget(place);
    }
    return true;
}

QLabel* ReturnWizardPage::paragraph(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

AmountEdit* ReturnWizardPage::addAmountRow(QGridLayout* grid, const QString& label,
                                           const QString& key, AmountEdit::Kind kind) {
    const int row = grid->rowCount();
    auto* field = new AmountEdit(kind);
    field->setObjectName(key);
    auto* caption = new QLabel(label);
    caption->setWordWrap(true);
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    if (helpTextFor(key)) {
        auto* button = new QToolButton;
        button->setText(QStringLiteral("?"));
        button->setToolTip(QStringLiteral("What goes here (F1)"));
        button->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(button, row, 2);
        connect(button, &QToolButton::clicked, this, [this, field] { showHelp(field); });
        field->installEventFilter(this);
    }
    if (state_.carryForward) {
        if (const QString hint = state_.carryForward->hints.value(key); !hint.isEmpty())
            grid->addWidget(lastFigureHint(field, hint), row, 3);
    }
    return field;
}

bool ReturnWizardPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        showHelp(static_cast<QWidget*>(watched));
        return true;
    }
    return CWizardPage::eventFilter(watched, event);
}

void ReturnWizardPage::showHelp(QWidget* field) {
    if (const HelpText* help = helpTextFor(field->objectName()))
        BalloonTip::showFor(field, help->title, help->text, MessageIcon::Question, true, 0);
}

bool ReturnWizardPage::checkSumBelowTotalReceipts(double sum) {
    if (EntryChecks::sumBelowTotalReceipts(sum, record().st1.totalReceipts))
        return true;
    MessageBoxes::current().inform(this, QLatin1String(EntryChecks::kPageSumMessage),
                                   MessageIcon::Warning);
    return false;
}
