#pragma once

#include <QString>
#include <QStringList>

struct ClientRecord;

// The layout of a file of figures: a header row naming the columns, then one row per location
// (one row for a single-site client). A multi-site row names its location by `locationNumber`
// (the number the locations step shows) or `name`, or both; a single-site row may carry the
// client's `name`. The other columns are the entry fields of the return wizard's steps
// (EntrySteps), in the wizard's order.
namespace FigureLayout {
inline constexpr char kLocationNumber[] = "locationNumber";
inline constexpr char kName[] = "name";

// The columns of the client's template: the identification, then every field of the steps
// its profile calls for (for a multi-site client, those any of its locations calls for).
QStringList columns(const ClientRecord& client);

// The layout explained for the preparer, with every field name, what it holds and when the
// return takes it (HTML for a text browser).
QString helpHtml();
} // namespace FigureLayout
