#include "letters/LetterFormatToolbar.h"

#include "ui/MessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>

namespace {
const QStringList kFontSizes = {
    QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
    QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
    QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("26"),
    QStringLiteral("28"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("72")};

bool isBold(const QTextCharFormat& format) {
    return format.fontWeight() >= QFont::DemiBold;
}
bool isItalic(const QTextCharFormat& format) {
    return format.fontItalic();
}
bool isUnderlined(const QTextCharFormat& format) {
    return format.fontUnderline();
}
QString familyOf(const QTextCharFormat& format) {
    return format.fontFamilies().toStringList().value(0);
}
double pointSizeOf(const QTextCharFormat& format) {
    return format.fontPointSize();
}

QList<QTextBlock> selectedBlocks(const QTextCursor& cursor) {
    QList<QTextBlock> blocks;
    const QTextBlock last = cursor.document()->findBlock(cursor.selectionEnd());
    for (QTextBlock block = cursor.document()->findBlock(cursor.selectionStart()); block.isValid();
         block = block.next()) {
        blocks.append(block);
        if (block == last)
            break;
    }
    return blocks;
}
} // namespace

LetterFormatToolbar::LetterFormatToolbar(QTextEdit* letter, QWidget* parent)
    : QToolBar(parent), letter_(letter) {
    setIconSize(QSize(16, 16));
    setMovable(false);
    addClipboardButtons();
    addSeparator();
    addFontBoxes();
    addCharacterButtons();
    addSeparator();
    addParagraphButtons();
    connectLetter();
    refresh();
}

// The tooltip is the short text after the line break of the prompt; the status tip is the
// rest.
QAction* LetterFormatToolbar::addButton(LetterIcon icon, const QString& text,
                                        const QString& prompt) {
    QAction* action = addAction(letterToolbarIcon(icon), text);
    const QStringList parts = prompt.split(u'\n');
    action->setToolTip(parts.value(1, text));
    action->setStatusTip(parts.value(0));
    actions_[icon] = action;
    return action;
}

void LetterFormatToolbar::addClipboardButtons() {
    connect(addButton(LetterIcon::Cut, tr("Cut"), {}), &QAction::triggered, letter_,
            &QTextEdit::cut);
    connect(addButton(LetterIcon::Copy, tr("Copy"), {}), &QAction::triggered, letter_,
            &QTextEdit::copy);
    connect(addButton(LetterIcon::Paste, tr("Paste"), {}), &QAction::triggered, this, [this] {
        if (letter_->canPaste())
            letter_->paste();
    });
    connect(addButton(LetterIcon::Delete, tr("Delete"),
                      QStringLiteral("Delete the current selection\nDelete")),
            &QAction::triggered, this, [this] { letter_->textCursor().removeSelectedText(); });
    addSeparator();
    connect(addButton(LetterIcon::Undo, tr("Undo"), {}), &QAction::triggered, letter_,
            &QTextEdit::undo);
}

void LetterFormatToolbar::addFontBoxes() {
    fontName_ = new QComboBox(this);
    fontName_->setObjectName(QStringLiteral("fontName"));
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    fontName_->addItems(families);
    fontName_->setFixedWidth(fontMetrics().averageCharWidth() * 36);
    fontName_->setToolTip(QStringLiteral("Font"));
    fontName_->setStatusTip(QStringLiteral("Changes the font of the selection"));
    connect(fontName_, &QComboBox::textActivated, this, [this](const QString& family) {
        QTextCharFormat format;
        format.setFontFamilies({family});
        merge(format);
    });
    addWidget(fontName_);

    fontSize_ = new QComboBox(this);
    fontSize_->setObjectName(QStringLiteral("fontSize"));
    fontSize_->setEditable(true);
    fontSize_->setInsertPolicy(QComboBox::NoInsert);
    fontSize_->addItems(kFontSizes);
    fontSize_->lineEdit()->setMaxLength(4);
    fontSize_->setFixedWidth(fontMetrics().averageCharWidth() * 10);
    fontSize_->setToolTip(QStringLiteral("Font Size"));
    fontSize_->setStatusTip(QStringLiteral("Changes the font size of the selection"));
    connect(fontSize_, &QComboBox::textActivated, this, &LetterFormatToolbar::applyFontSize);
    connect(fontSize_->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { applyFontSize(fontSize_->currentText()); });
    addWidget(fontSize_);
}

void LetterFormatToolbar::addCharacterButtons() {
    QAction* bold =
        addButton(LetterIcon::Bold, tr("Bold"), QStringLiteral("Makes the characters bold\nBold"));
    connect(bold, &QAction::triggered, this, &LetterFormatToolbar::toggleBold);
    QAction* italic = addButton(LetterIcon::Italic, tr("Italic"),
                                QStringLiteral("Makes the characters italic\nItalic"));
    connect(italic, &QAction::triggered, this,
            [this] { alternate(italicNext_, &QTextCharFormat::setFontItalic); });
    QAction* underline = addButton(LetterIcon::Underline, tr("Underline"),
                                   QStringLiteral("Makes the characters underline\nUnderline"));
    connect(underline, &QAction::triggered, this,
            [this] { alternate(underlineNext_, &QTextCharFormat::setFontUnderline); });
    const std::pair<QAction*, QKeySequence::StandardKey> shortcuts[] = {
        {bold, QKeySequence::Bold},
        {italic, QKeySequence::Italic},
        {underline, QKeySequence::Underline}};
    for (const auto& [action, key] : shortcuts) {
        action->setCheckable(true);
        action->setShortcut(key);
    }
    connect(addButton(LetterIcon::Colour, tr("Colour"), QStringLiteral("Select a colour\nColour")),
            &QAction::triggered, this, &LetterFormatToolbar::chooseColour);
}

void LetterFormatToolbar::addParagraphButtons() {
    const struct {
        LetterIcon icon;
        Qt::Alignment alignment;
        QString prompt;
    } alignments[] = {
        {LetterIcon::AlignLeft, Qt::AlignLeft,
         QStringLiteral("Align the paragraph left\nParagraph left")},
        {LetterIcon::AlignCentre, Qt::AlignHCenter,
         QStringLiteral("Align the paragraph center\nCenter the paragraph")},
        {LetterIcon::AlignRight, Qt::AlignRight,
         QStringLiteral("Align the paragraph right\nRight")},
    };
    for (const auto& [icon, alignment, prompt] : alignments) {
        QAction* action = addButton(icon, prompt.section(u'\n', 1), prompt);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, alignment = alignment] {
            letter_->setAlignment(alignment);
            refresh();
        });
    }
    QAction* bullets = addButton(LetterIcon::Bullets, tr("Bullets"),
                                 QStringLiteral("Makes the paragraph bulleted\nInsert bullet"));
    bullets->setCheckable(true);
    connect(bullets, &QAction::triggered, this, &LetterFormatToolbar::toggleBullets);
}

void LetterFormatToolbar::connectLetter() {
    connect(letter_, &QTextEdit::cursorPositionChanged, this, &LetterFormatToolbar::refresh);
    connect(letter_, &QTextEdit::selectionChanged, this, &LetterFormatToolbar::refresh);
    connect(letter_, &QTextEdit::currentCharFormatChanged, this, &LetterFormatToolbar::refresh);
    connect(letter_, &QTextEdit::undoAvailable, this, &LetterFormatToolbar::refresh);
    connect(letter_, &QTextEdit::textChanged, this, &LetterFormatToolbar::refresh);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &LetterFormatToolbar::refresh);
}

// One bold state over the whole selection is inverted; a mixed selection becomes bold.
void LetterFormatToolbar::toggleBold() {
    const std::optional<bool> bold = uniform<bool>(isBold);
    QTextCharFormat format;
    format.setFontWeight(bold.value_or(false) ? QFont::Normal : QFont::Bold);
    merge(format);
}

void LetterFormatToolbar::alternate(bool& next, void (QTextCharFormat::*setter)(bool)) {
    QTextCharFormat format;
    (format.*setter)(next);
    next = !next;
    merge(format);
}

// Cancelling the colour chooser leaves the selection as it is.
void LetterFormatToolbar::chooseColour() {
    const QBrush current = letter_->currentCharFormat().foreground();
    const QColor initial = current.style() == Qt::NoBrush ? QColor(Qt::black) : current.color();
    if (const std::optional<QColor> chosen =
            MessageBoxes::current().chooseColour(window(), initial)) {
        QTextCharFormat format;
        format.setForeground(*chosen);
        merge(format);
    }
}

// Bulleted paragraphs lose their bullet and its indent; others become one bulleted list.
void LetterFormatToolbar::toggleBullets() {
    QTextCursor cursor = letter_->textCursor();
    const QList<QTextBlock> blocks = selectedBlocks(cursor);
    cursor.beginEditBlock();
    if (cursor.currentList()) {
        for (const QTextBlock& block : blocks) {
            if (QTextList* list = block.textList())
                list->remove(block);
            QTextCursor blockCursor(block);
            QTextBlockFormat format = block.blockFormat();
            format.setIndent(0);
            blockCursor.setBlockFormat(format);
        }
    } else {
        QTextCursor first(blocks.first());
        QTextList* list = first.createList(QTextListFormat::ListDisc);
        for (const QTextBlock& block : blocks.mid(1))
            list->add(block);
    }
    cursor.endEditBlock();
    refresh();
}

// A size that is not a positive number is ignored.
void LetterFormatToolbar::applyFontSize(const QString& text) {
    const int points = text.trimmed().toInt();
    if (points <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(points);
    merge(format);
}

void LetterFormatToolbar::merge(const QTextCharFormat& format) {
    letter_->mergeCurrentCharFormat(format);
    letter_->setFocus();
    refresh();
}

// The formats of the selected text, or the caret's format when nothing is selected.
QList<QTextCharFormat> LetterFormatToolbar::selectionFormats() const {
    const QTextCursor cursor = letter_->textCursor();
    if (!cursor.hasSelection())
        return {letter_->currentCharFormat()};
    QList<QTextCharFormat> formats;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (const QTextBlock& block : selectedBlocks(cursor)) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() < end && fragment.position() + fragment.length() > start)
                formats.append(fragment.charFormat());
        }
    }
    if (formats.isEmpty())
        formats.append(letter_->currentCharFormat());
    return formats;
}

template <typename Value>
std::optional<Value> LetterFormatToolbar::uniform(Value (*read)(const QTextCharFormat&)) const {
    const QList<QTextCharFormat> formats = selectionFormats();
    const Value first = read(formats.first());
    for (const QTextCharFormat& format : formats) {
        if (read(format) != first)
            return std::nullopt;
    }
    return first;
}

void LetterFormatToolbar::refresh() {
    const QTextCursor cursor = letter_->textCursor();
    const bool selected = cursor.hasSelection();
    for (LetterIcon icon : {LetterIcon::Cut, LetterIcon::Copy, LetterIcon::Delete})
        actions_.at(icon)->setEnabled(selected);
    actions_.at(LetterIcon::Undo)->setEnabled(letter_->document()->isUndoAvailable());
    actions_.at(LetterIcon::Paste)->setEnabled(letter_->canPaste());
    actions_.at(LetterIcon::Bold)->setChecked(uniform<bool>(isBold).value_or(false));
    actions_.at(LetterIcon::Italic)->setChecked(uniform<bool>(isItalic).value_or(false));
    actions_.at(LetterIcon::Underline)->setChecked(uniform<bool>(isUnderlined).value_or(false));
    const Qt::Alignment alignment = cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    actions_.at(LetterIcon::AlignLeft)
        ->setChecked(!(alignment & (Qt::AlignHCenter | Qt::AlignRight | Qt::AlignJustify)));
    actions_.at(LetterIcon::AlignCentre)->setChecked(alignment.testFlag(Qt::AlignHCenter));
    actions_.at(LetterIcon::AlignRight)->setChecked(alignment.testFlag(Qt::AlignRight));
    actions_.at(LetterIcon::Bullets)->setChecked(cursor.currentList() != nullptr);
    refreshFontBoxes();
}

// The boxes show the selection's face and size when they are uniform, and nothing otherwise.
// A size being typed is left alone.
void LetterFormatToolbar::refreshFontBoxes() {
    // A face that is not installed is still named.
    const std::optional<QString> family = uniform<QString>(familyOf);
    fontName_->setCurrentIndex(family ? fontName_->findText(*family) : -1);
    fontName_->setPlaceholderText(family.value_or(QString()));
    if (fontSize_->lineEdit()->hasFocus())
        return;
    const std::optional<double> size = uniform<double>(pointSizeOf);
    fontSize_->setEditText(size && *size > 0 ? QString::number(*size) : QString());
}
