#include "forms/PlaceholderSearch.h"

namespace {
constexpr qsizetype kLongestSearchBytes = 256;
}

namespace PlaceholderSearch {

QByteArray utf16Bytes(const QString& text) {
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar character : text) {
        *out++ = char(character.unicode() & 0xFF);
        *out++ = char(character.unicode() >> 8);
    }
    return bytes;
}

qsizetype find(const QByteArray& image, const QString& placeholder) {
    const QByteArray pattern = utf16Bytes(placeholder);
    if (pattern.isEmpty() || pattern.size() > kLongestSearchBytes || pattern.size() > image.size())
        return -1;
    return image.indexOf(pattern);
}

bool standsAt(const QByteArray& image, const QString& placeholder, qsizetype position) {
    const QByteArray pattern = utf16Bytes(placeholder);
    return position >= 0 && position <= image.size() - pattern.size() &&
           QByteArrayView(image).sliced(position, pattern.size()) == pattern;
}

} // namespace PlaceholderSearch
