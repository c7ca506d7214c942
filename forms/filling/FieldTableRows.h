#pragma once

#include "forms/FormField.h"

#include <string_view>

// Builders for the rows of the forms' field tables, so a table reads as keys and
// placeholders and every row starts with its position unsearched.
namespace FieldTableRows {

constexpr FormField row(int key, std::string_view placeholder) {
    FormField field{};
    field.key = key;
    for (std::size_t i = 0; i < placeholder.size() && i + 1 < sizeof field.placeholder; ++i)
        field.placeholder[i] = placeholder[i];
    field.position = -1;
    return field;
}

// A placeholder of one letter repeated, as name, address and signature lines have.
constexpr FormField letters(int key, char letter, int count) {
    FormField field{};
    field.key = key;
    for (int i = 0; i < count && i + 1 < int(sizeof field.placeholder); ++i)
        field.placeholder[i] = letter;
    field.position = -1;
    return field;
}

} // namespace FieldTableRows
