#include "ui/AccessKeys.h"

#include <QDialogButtonBox>
#include <QPushButton>

void AccessKeys::giveStandardButtons(QDialogButtonBox* buttons) {
    const std::pair<QDialogButtonBox::StandardButton, const char*> texts[] = {
        {QDialogButtonBox::Ok, "&OK"},
        {QDialogButtonBox::Cancel, "&Cancel"},
        {QDialogButtonBox::Close, "&Close"}};
    for (const auto& [which, text] : texts) {
        if (QPushButton* button = buttons->button(which))
            button->setText(QLatin1String(text));
    }
}

QChar AccessKeys::of(const QString& text) {
    for (qsizetype index = 0; index + 1 < text.size(); ++index) {
        if (text[index] != u'&')
            continue;
        if (text[index + 1] != u'&')
            return text[index + 1].toUpper();
        ++index;
    }
    return {};
}
