#pragma once

#include "letters/LetterEditorMode.h"

#include <QDialog>

class LetterFormatToolbar;
class QMenu;
class QPushButton;
class QTextEdit;

// The modal editor of transmittal letters: the letter with its formatting toolbar, a help
// pane under it, and "Print", "Save" (or "Save As") and "Close". The letter file is loaded
// when the dialog first becomes idle after it is shown; it is written only on "Save",
// "Save As" or when the user agrees to save on closing. Tab always inserts a tab into the
// letter, wherever the focus is.
class LetterEditorDialog : public QDialog {
    Q_OBJECT
public:
    LetterEditorDialog(LetterEditorMode mode, const QString& path, QWidget* parent = nullptr);

    QTextEdit* letter() const { return letter_; }
    QTextEdit* helpPane() const { return help_; }
    LetterFormatToolbar* formatToolbar() const { return toolbar_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* closeButton() const { return close_; }

    // The right-click menu of a text area: "Cut", "Copy", "Paste", each enabled when it can
    // act on that area.
    static QMenu* createEditMenu(QTextEdit* area);

public slots:
    void loadLetter();
    // Closing asks whether to keep changes (when the mode asks); Cancel keeps the dialog open.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void loadHelp();
    void saveClicked();
    void printClicked();
    bool saveTo(const QString& path);
    bool confirmClose();
    void showEditMenu(QTextEdit* area, const QPoint& position);

    LetterEditorSettings settings_;
    QString path_;
    QTextEdit* letter_;
    QTextEdit* help_;
    LetterFormatToolbar* toolbar_;
    QPushButton* print_;
    QPushButton* save_;
    QPushButton* close_;
    bool loadScheduled_ = false;
};
