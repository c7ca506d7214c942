#pragma once

#include "forms/filling/FilledForm.h"
#include "returns/explain/Figure.h"

#include <QString>
#include <map>
#include <optional>

// The fields the filled pages print the figures in, to compare what the explanations and the
// data export say with what the pages show.
namespace PrintedFields {
// The filled page of each form whose fill succeeded; a form without a page is checked against
// the figure's value as its form would print it.
struct FilledPages {
    std::map<FigureForm, const FilledForm*> pages;
    bool printed = true; // false when the return prints no page at all

    // The text of the figure's field, when its page was filled.
    std::optional<QString> fieldText(Figure figure) const;
    void add(FigureForm form, const FilledForm& page, std::optional<bool> filled);
};

// A number as the explanations and the data files write it, without "," and "$".
double numberIn(QString text);
// The number a field shows: its last figure, without the cents group of an amount field.
double printedNumber(const QString& field);
} // namespace PrintedFields
