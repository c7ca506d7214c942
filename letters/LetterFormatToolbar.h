#pragma once

#include "letters/LetterToolbarIcons.h"

#include <QColor>
#include <QTextCharFormat>
#include <QToolBar>
#include <map>
#include <optional>

class QAction;
class QComboBox;
class QTextEdit;

// The letter editor's formatting toolbar: clipboard and undo, font name and size, bold,
// italic, underline, text colour, alignment and bullets, all acting on one letter area. The
// buttons follow the letter's caret and selection, and the clipboard.
class LetterFormatToolbar : public QToolBar {
    Q_OBJECT
public:
    LetterFormatToolbar(QTextEdit* letter, QWidget* parent);
    QAction* action(LetterIcon icon) const { return actions_.at(icon); }
    QComboBox* fontNameBox() const { return fontName_; }
    QComboBox* fontSizeBox() const { return fontSize_; }

public slots:
    void refresh();

private:
    QAction* addButton(LetterIcon icon, const QString& text, const QString& prompt);
    void addClipboardButtons();
    void addFontBoxes();
    void addCharacterButtons();
    void addParagraphButtons();
    void connectLetter();
    void toggleBold();
    void alternate(bool& next, void (QTextCharFormat::*setter)(bool));
    void chooseColour();
    void toggleBullets();
    void applyFontSize(const QString& text);
    void merge(const QTextCharFormat& format);
    QList<QTextCharFormat> selectionFormats() const;
    template <typename Value>
    std::optional<Value> uniform(Value (*read)(const QTextCharFormat&)) const;
    void refreshFontBoxes();

    QTextEdit* letter_;
    std::map<LetterIcon, QAction*> actions_;
    QComboBox* fontName_ = nullptr;
    QComboBox* fontSize_ = nullptr;
    // Italic and underline set and remove their format on alternate presses.
    bool italicNext_ = true;
    bool underlineNext_ = true;
};
