#include "forms/FormPage.h"

#include "forms/PlaceholderSearch.h"
#include "platform/Cp1252.h"
#include "platform/SafeWrite.h"

#include <QFile>
#include <cstring>

namespace {

constexpr qsizetype kLongestFieldText = 128;

QString placeholderOf(const FormField& field) {
    return Cp1252::toUnicode(field.placeholder,
                             qsizetype(::strnlen(field.placeholder, sizeof field.placeholder)));
}

} // namespace

void FormPage::release() {
    templateImage_.clear();
    workingImage_.clear();
    blankImage_.clear();
}

int FormPage::loadImage(const QString& path) {
    release();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return kFormPageFailed;
    const qint64 length = file.size();
    QByteArray bytes = file.readAll();
    if (length <= 0 || bytes.size() != length)
        return kFormPageFailed;
    templateImage_ = bytes;
    workingImage_ = bytes;
    workingImage_.detach();
    return kFormPageOk;
}

void FormPage::copyFrom(const FormPage& other) {
    if (other.templateImage_.isEmpty() || other.workingImage_.isEmpty())
        return;
    templateImage_ = other.templateImage_;
    workingImage_ = other.workingImage_;
    workingImage_.detach();
    blankImage_ = other.blankImage_;
}

FormField* FormPage::row(int key) const {
    for (FormField& field : fields_) {
        if (field.key == key)
            return &field;
    }
    return nullptr;
}

// The cached position is trusted only while the template still holds the placeholder there,
// so an object that was given another image never writes into the wrong bytes.
qsizetype FormPage::positionOf(FormField& field, const QString& placeholder) const {
    if (!PlaceholderSearch::standsAt(templateImage_, placeholder, field.position))
        field.position = qint32(PlaceholderSearch::find(templateImage_, placeholder));
    return field.position;
}

int FormPage::setField(int key, const QString& text) {
    if (fields_.empty() || text.size() > kLongestFieldText)
        return kFormPageFailed;
    FormField* field = row(key);
    if (field == nullptr)
        return kFormPageFailed;
    const QString placeholder = placeholderOf(*field);
    const qsizetype position = positionOf(*field, placeholder);
    if (position < 0 || placeholder.size() != text.size())
        return kFormPageFailed;
    const QByteArray bytes = PlaceholderSearch::utf16Bytes(text);
    std::memcpy(workingImage_.data() + position, bytes.constData(), size_t(bytes.size()));
    return kFormPageOk;
}

int FormPage::saveImage(const QString& path) const {
    if (workingImage_.isEmpty())
        return kFormPageFailed;
    return SafeWrite::replace(path, workingImage_) ? kFormPageFailed : kFormPageOk;
}

void FormPage::blankAllFields() {
    if (!blankImage_.isEmpty() && blankImage_.size() == workingImage_.size()) {
        std::memcpy(workingImage_.data(), blankImage_.constData(), size_t(blankImage_.size()));
        return;
    }
    for (const FormField& field : fields_)
        setField(field.key, QString(placeholderOf(field).size(), QLatin1Char(' ')));
    blankImage_ = workingImage_;
    blankImage_.detach();
}

QString FormPage::placeholder(int key) const {
    const FormField* field = row(key);
    return field ? placeholderOf(*field) : QString();
}
