#include "PrintedFields.h"

#include <QStringList>
#include <span>

namespace {
using F = Figure;

// Where a printed figure stands on its page: the key of its field.
struct PrintedKey {
    Figure figure;
    int key;
};

constexpr PrintedKey kSt1Keys[] = {
    {F::St1LineA, 0},    {F::St1Line1, 1},    {F::St1Line2, 2},    {F::St1Line3, 3},
    {F::St1Line4a, 4},   {F::St1Line4b, 6},   {F::St1Line5a, 7},   {F::St1Line5b, 9},
    {F::St1Line6a, 10},  {F::St1Line6b, 12},  {F::St1Line7a, 13},  {F::St1Line7b, 15},
    {F::St1Line8a, 16},  {F::St1Line8b, 17},  {F::St1Line9, 18},   {F::St1Line10, 21},
    {F::St1Line11, 22},  {F::St1Line12a, 23}, {F::St1Line12b, 24}, {F::St1Line13a, 26},
    {F::St1Line13b, 27}, {F::St1Line14a, 29}, {F::St1Line14b, 30}, {F::St1Line15, 31},
    {F::St1Line16, 32},  {F::St1Line16a, 33}, {F::St1Line17, 34},  {F::St1Line18, 35},
    {F::St1Line19, 36},  {F::St1Line20, 37},  {F::St1Line21, 38},  {F::St1Line22, 39},
    {F::St1Line23, 40},  {F::St1Line24, 41},  {F::St1Line25, 42}};
constexpr PrintedKey kWorksheetKeys[] = {
    {F::Item1a, 0},   {F::Item1b, 1},   {F::Item1c, 2},  {F::Item1d, 3},   {F::Item2, 4},
    {F::Item3, 5},    {F::Item4, 6},    {F::Item5, 7},   {F::Item6, 8},    {F::Item7a, 43},
    {F::Item7b, 9},   {F::Item7c, 44},  {F::Item7d, 10}, {F::Item7e, 45},  {F::Item7f, 11},
    {F::Item7g, 46},  {F::Item7h, 12},  {F::Item7i, 47}, {F::Item7j, 13},  {F::Item8a, 14},
    {F::Item8b, 15},  {F::Item8c, 16},  {F::Item8d, 17}, {F::Item8e, 18},  {F::Item8f, 19},
    {F::Item8g, 20},  {F::Item8h, 21},  {F::Item8i, 22}, {F::Item8j, 23},  {F::Item9a, 24},
    {F::Item9b, 25},  {F::Item9c, 26},  {F::Item10, 27}, {F::Item11, 28},  {F::Item12, 29},
    {F::Item13, 30},  {F::Item14, 31},  {F::Item15, 32}, {F::Item16a, 33}, {F::Item16b, 34},
    {F::Item16c, 35}, {F::Item16d, 36}, {F::Item17, 37}, {F::Item18, 38}};
constexpr PrintedKey kSt14Keys[] = {{F::St14Line1, 14}, {F::St14Line2, 15}, {F::St14Line3, 16},
                                    {F::St14Line4, 17}, {F::St14Line5, 18}, {F::St14Line6, 19}};
constexpr PrintedKey kSt4Keys[] = {{F::St4Line1, 8},   {F::St4Line2, 9},   {F::St4Line3, 12},
                                   {F::St4Line4, 14},  {F::St4Line5, 18},  {F::St4Line6, 20},
                                   {F::St4Line7, 21},  {F::St4Line8, 24},  {F::St4Line9, 10},
                                   {F::St4Line10, 11}, {F::St4Line11, 13}, {F::St4Line12, 15},
                                   {F::St4Line13, 16}, {F::St4Line14, 17}, {F::St4Line15, 19}};
constexpr PrintedKey kSt8Keys[] = {{F::St8Line1, 7},   {F::St8Line2, 8},   {F::St8Line3, 9},
                                   {F::St8Line4, 10},  {F::St8Line5, 11},  {F::St8Line6, 12},
                                   {F::St8Line7, 13},  {F::St8Line8, 14},  {F::St8Line9, 15},
                                   {F::St8Line10, 16}, {F::St8Line11, 17}, {F::St8Line12, 18},
                                   {F::St8Line13, 19}, {F::St8Line14, 20}, {F::St8Line15, 21}};
constexpr PrintedKey kGasoholKeys[] = {{F::GasoholReceipts, 3},    {F::GasoholStateTax, 4},
                                       {F::GasoholHomeRuleTax, 5}, {F::GasoholNet, 6},
                                       {F::GasoholBase, 7},        {F::GasoholExemption, 8},
                                       {F::GasoholRatePercent, 9}, {F::GasoholExemptShare, 10}};

std::optional<int> keyOf(Figure figure) {
    for (const auto& keys :
         {std::span<const PrintedKey>(kSt1Keys), std::span<const PrintedKey>(kWorksheetKeys),
          std::span<const PrintedKey>(kSt14Keys), std::span<const PrintedKey>(kSt4Keys),
          std::span<const PrintedKey>(kSt8Keys), std::span<const PrintedKey>(kGasoholKeys)}) {
        for (const PrintedKey& key : keys) {
            if (key.figure == figure)
                return key.key;
        }
    }
    return std::nullopt;
}
} // namespace

namespace PrintedFields {
std::optional<QString> FilledPages::fieldText(Figure figure) const {
    const auto page = pages.find(figureInfo(figure).form);
    const std::optional<int> key = keyOf(figure);
    if (page == pages.end() || !key)
        return std::nullopt;
    return page->second->fieldText(*key);
}

void FilledPages::add(FigureForm form, const FilledForm& page, std::optional<bool> filled) {
    if (filled == true)
        pages[form] = &page;
}

double numberIn(QString text) {
    text.remove(QLatin1Char(',')).remove(QLatin1Char('$'));
    return text.toDouble();
}

double printedNumber(const QString& field) {
    QStringList parts = field.simplified().split(QLatin1Char(' '));
    if (parts.size() > 1 && parts.last() == QLatin1String("00"))
        parts.removeLast();
    return numberIn(parts.last());
}
} // namespace PrintedFields
