#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The return's data of one case, as "Export Return Data" writes it: "<base>.json" and
// "<base>.csv". A multi-site case (input.client.multiSite 1) is prepared location by location
// and combined as its wizard does; any other case is computed as a single-site return.
namespace CaseData {
// The files that could not be written, one line each; empty when both were.
QStringList write(const QJsonObject& testCase, const QString& base);
} // namespace CaseData
