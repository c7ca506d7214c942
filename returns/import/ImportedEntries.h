#pragma once

#include <QJsonObject>

struct ReturnRecord;

// Stores the entry sections of an imported row (ImportedRow::entries) in `record`, as the
// wizard's steps store what was typed: with food entered tax included (method 2), the base is
// worked out with the food rate of the record's client and period, which must be set first.
void storeImportedEntries(QJsonObject entries, ReturnRecord& record);
