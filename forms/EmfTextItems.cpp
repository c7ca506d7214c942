#include "forms/EmfTextItems.h"

#include "forms/EmfFormat.h"
#include "forms/EmfRecordReader.h"

#include <QHash>

QList<EmfTextItem> emfTextItems(QByteArrayView image) {
    const EmfRecordReader reader(image);
    QList<EmfTextItem> items;
    QHash<quint32, EmfFont> fonts;
    EmfFont selected;
    for (const EmfRecord& record : reader.records()) {
        if (record.type() == Emf::kExtCreateFontIndirectW) {
            if (const auto created = parseFontRecord(record))
                fonts.insert(created->handle, created->font);
        } else if (record.type() == Emf::kSelectObject) {
            const auto found = fonts.constFind(record.u32(8));
            if (found != fonts.constEnd())
                selected = *found;
        } else if (record.type() == Emf::kExtTextOutW) {
            if (const auto text = parseTextOut(record))
                items.append({*text, selected});
        }
    }
    return items;
}
