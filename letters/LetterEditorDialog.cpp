#include "letters/LetterEditorDialog.h"

#include "letters/LetterFormatToolbar.h"
#include "letters/LetterPrinter.h"
#include "letters/LetterPrompts.h"
#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QColor kHelpBackground(0xF5, 0xFF, 0xFF);

void setBackground(QTextEdit* area, const QColor& colour) {
    QPalette palette = area->palette();
    palette.setColor(QPalette::Base, colour);
    area->setPalette(palette);
}

} // namespace

LetterEditorDialog::LetterEditorDialog(LetterEditorMode mode, const QString& path, QWidget* parent)
    : QDialog(parent), settings_(letterEditorSettings(mode)), path_(path),
      letter_(new QTextEdit(this)), help_(new QTextEdit(this)),
      toolbar_(new LetterFormatToolbar(letter_, this)),
      print_(new QPushButton(QStringLiteral("&Print"), this)),
      save_(new QPushButton(
          settings_.printMode ? QStringLiteral("Save &As") : QStringLiteral("&Save"), this)),
      close_(new QPushButton(QStringLiteral("&Close"), this)) {
    setWindowTitle(settings_.title);
    buildLayout();
    loadHelp();
    connect(print_, &QPushButton::clicked, this, &LetterEditorDialog::printClicked);
    connect(save_, &QPushButton::clicked, this, &LetterEditorDialog::saveClicked);
    auto* saveKey = new QShortcut(QKeySequence::Save, this);
    connect(saveKey, &QShortcut::activated, this, &LetterEditorDialog::saveClicked);
    connect(close_, &QPushButton::clicked, this, &LetterEditorDialog::reject);
    for (QTextEdit* area : {letter_, help_}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](const QPoint& position) { showEditMenu(area, position); });
    }
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void LetterEditorDialog::buildLayout() {
    letter_->setAcceptRichText(true);
    setBackground(letter_, Qt::white);
    help_->setReadOnly(true);
    setBackground(help_, kHelpBackground);
    for (QPushButton* button : {print_, save_, close_})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(toolbar_);
    layout->addWidget(letter_, 5);
    layout->addWidget(help_, 2);
    layout->addLayout(buttons);
    resize(760, 640);
}

// A missing help text leaves the pane empty.
void LetterEditorDialog::loadHelp() {
    QFile helpText(settings_.helpResource);
    if (!helpText.open(QIODevice::ReadOnly))
        return;
    RtfReader::read(helpText.readAll(), *help_->document());
    help_->moveCursor(QTextCursor::Start);
}

void LetterEditorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (loadScheduled_)
        return;
    loadScheduled_ = true;
    QTimer::singleShot(0, this, &LetterEditorDialog::loadLetter);
}

void LetterEditorDialog::loadLetter() {
    WaitCursor wait;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBoxes::current().inform(
            this,
            QStringLiteral("An error occurred while opening the customer letter file:\n%1")
                .arg(file.errorString()),
            MessageIcon::Stop);
        return;
    }
    RtfReader::read(file.readAll(), *letter_->document());
    letter_->moveCursor(QTextCursor::Start);
    letter_->setFocus();
    toolbar_->refresh();
}

void LetterEditorDialog::saveClicked() {
    if (settings_.printMode) {
        const QString chosen = LetterPrompts::saveFileName(this);
        if (!chosen.isEmpty())
            saveTo(chosen);
        return;
    }
    if (MessageBoxes::current().confirm(
            this, QStringLiteral("Are you sure you want to update this letter?"),
            MessageIcon::Warning, false))
        saveTo(path_);
}

// The file is written beside the target and renamed over it, so a failed save never leaves
// a half-written letter; the letter stays modified then.
bool LetterEditorDialog::saveTo(const QString& path) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(RtfWriter::write(*letter_->document()));
        if (file.commit()) {
            letter_->document()->setModified(false);
            return true;
        }
    }
    MessageBoxes::current().inform(
        this,
        QStringLiteral("An error occurred while opening the file:\n%1").arg(file.errorString()),
        MessageIcon::Stop);
    return false;
}

void LetterEditorDialog::printClicked() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("MyRtf"));
    if (!LetterPrompts::choosePrinter(this, printer))
        return;
    WaitCursor wait;
    if (!printLetter(*letter_->document(), printer))
        MessageBoxes::current().inform(this, QStringLiteral("The letter could not be printed."),
                                       MessageIcon::Stop);
}

void LetterEditorDialog::reject() {
    if (confirmClose())
        QDialog::reject();
}

// Yes saves (and stays open when the save fails, so nothing is lost), No discards, Cancel
// keeps editing.
bool LetterEditorDialog::confirmClose() {
    if (!settings_.askOnClose || !letter_->document()->isModified())
        return true;
    QApplication::beep();
    const MessageAnswer answer = MessageBoxes::current().ask(
        this, QStringLiteral(" Do you want to save the changes made to this letter?"),
        MessageIcon::Question);
    if (answer == MessageAnswer::Yes)
        return saveTo(path_);
    return answer == MessageAnswer::No;
}

bool LetterEditorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plainTab = key->key() == Qt::Key_Tab &&
                              !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plainTab) {
            letter_->textCursor().insertText(QStringLiteral("\t"));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QMenu* LetterEditorDialog::createEditMenu(QTextEdit* area) {
    auto* menu = new QMenu(area);
    const bool editable = !area->isReadOnly();
    const bool selected = area->textCursor().hasSelection();
    menu->addAction(QStringLiteral("Cut"), area, &QTextEdit::cut)->setEnabled(editable && selected);
    menu->addAction(QStringLiteral("Copy"), area, &QTextEdit::copy)->setEnabled(selected);
    menu->addAction(QStringLiteral("Paste"), area, &QTextEdit::paste)
        ->setEnabled(editable && area->canPaste());
    return menu;
}

void LetterEditorDialog::showEditMenu(QTextEdit* area, const QPoint& position) {
    QMenu* menu = createEditMenu(area);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(area->viewport()->mapToGlobal(position));
}
