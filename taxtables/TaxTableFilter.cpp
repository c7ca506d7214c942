#include "taxtables/TaxTableFilter.h"

QString TaxTableFilter::compacted(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (const QChar character : text) {
        if (character != u'-' && !character.isSpace())
            result += character.toLower();
    }
    return result;
}

void TaxTableFilter::setSearchText(const QString& text) {
    search_ = compacted(text);
    invalidateFilter();
}

bool TaxTableFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (search_.isEmpty())
        return true;
    const QAbstractItemModel* source = sourceModel();
    for (int column = 0; column < source->columnCount(sourceParent); ++column) {
        const QString cell = source->index(sourceRow, column, sourceParent).data().toString();
        if (compacted(cell).contains(search_))
            return true;
    }
    return false;
}
