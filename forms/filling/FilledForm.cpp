#include "forms/filling/FilledForm.h"

#include "forms/PlaceholderSearch.h"

FieldWriter FilledForm::beginFill() {
    failure_.reset();
    blankAllFields();
    return FieldWriter(*this);
}

bool FilledForm::endFill(const FieldWriter& writer) {
    failure_ = writer.failure();
    return writer.ok();
}

QString FilledForm::fieldText(int key) const {
    return fieldTextIn(workingImage(), key);
}

QString FilledForm::fieldTextIn(const QByteArray& image, int key) const {
    const QString text = placeholder(key);
    const qsizetype position = PlaceholderSearch::find(templateImage(), text);
    if (text.isEmpty() || position < 0 || image.size() != templateImage().size())
        return {};
    QString field(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype at = position + 2 * i;
        field[i] = QChar(char16_t(uchar(image[at]) | uchar(image[at + 1]) << 8));
    }
    return field;
}
