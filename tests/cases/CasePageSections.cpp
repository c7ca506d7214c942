#include "CasePageSections.h"

namespace {
// The texts `textOf(key)` gives for the form's fields, leaving out keys it has none for.
template <typename TextOf>
QJsonObject collectFields(const FilledForm& form, TextOf textOf) {
    QJsonObject fields;
    for (const FormField& field : form.fieldTable()) {
        const QString text = textOf(field.key);
        if (!text.isNull())
            fields[QString::number(field.key)] = text;
    }
    return fields;
}
} // namespace

QJsonObject CasePageSections::fieldTexts(const FilledForm& form) {
    return collectFields(form, [&form](int key) { return form.fieldText(key); });
}

QJsonObject CasePageSections::pageFields(const FilledForm& form, const PageEntry& page) {
    const QByteArray image = page.image();
    return collectFields(form, [&](int key) { return form.fieldTextIn(image, key); });
}

QJsonValue CasePageSections::keyOrNull(std::optional<int> key) {
    return key ? QJsonValue(*key) : QJsonValue(QJsonValue::Null);
}

QJsonValue CasePageSections::pageSection(const FilledForm& form, std::optional<bool> ok) {
    if (!ok)
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("ok"), *ok},
                       {QStringLiteral("failedKey"), keyOrNull(form.failedKey())},
                       {QStringLiteral("fields"), fieldTexts(form)}};
}

bool CasePageSections::pageFailed(const QJsonObject& page) {
    return (page.contains(QStringLiteral("result")) &&
            page[QStringLiteral("result")].toInt() != 0) ||
           (page.contains(QStringLiteral("ok")) && page[QStringLiteral("ok")].isBool() &&
            !page[QStringLiteral("ok")].toBool());
}

QJsonValue CasePageSections::withoutFailedFields(const QJsonValue& section) {
    if (!section.isObject() || !pageFailed(section.toObject()))
        return section;
    QJsonObject page = section.toObject();
    page.remove(QStringLiteral("fields"));
    return page;
}
