#pragma once

#include <QByteArray>
#include <QString>

struct PreparedReturn;

// The return's printed lines as CSV (UTF-8, a header row, CRLF line ends): one row per amount
// line the return's pages print, with the columns form, location (the location's number for
// a multi-site return's ST-2 rows and its locations' own forms, else empty), line, description
// and amount (whole dollars, or dollars and cents for the gasohol worksheet, with a point and
// no separators; the value the calculation gave, also where the form leaves a line of zero or
// less blank).
QByteArray returnDataCsv(const PreparedReturn& prepared);

// A value as the data files write it: "6855", "-45", "2142.86", "6.25".
QString plainAmount(double value, bool cents);
