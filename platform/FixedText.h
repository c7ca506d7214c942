#pragma once

#include "platform/Cp1252.h"

#include <QString>
#include <cstring>
#include <string_view>

// Fixed-width, NUL-terminated single-byte text fields as binary records store them.
namespace FixedText {

// The text up to the first NUL (or the whole array when it has none).
template <std::size_t N>
std::string_view view(const char (&field)[N]) {
    return std::string_view(field, ::strnlen(field, N));
}

template <std::size_t N>
QString get(const char (&field)[N]) {
    const std::string_view text = view(field);
    return Cp1252::toUnicode(text.data(), static_cast<qsizetype>(text.size()));
}

// Stores at most N - 1 characters and a terminating NUL. Bytes after the terminator are
// left as they were, the way an edit box writes its text into a record.
template <std::size_t N>
void set(char (&field)[N], std::string_view text) {
    const std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

// Copies the whole field, bytes after the terminator included, so a record copied field by
// field is byte-identical to its source.
template <std::size_t N>
void copy(char (&field)[N], const char (&source)[N]) {
    std::memcpy(field, source, N);
}

template <std::size_t N>
void set(char (&field)[N], const char* text) {
    set(field, std::string_view(text));
}

template <std::size_t N>
void set(char (&field)[N], const std::string& text) {
    set(field, std::string_view(text));
}

template <std::size_t N>
void set(char (&field)[N], const QString& text) {
    const QByteArray bytes = Cp1252::fromUnicode(text);
    set(field, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace FixedText
