#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct PreparedReturn;

// What the preparer keys into the state's web filing, in the order the filing asks for it.
struct FilingField {
    QString label; // "Line 4a, Receipts taxed at the general rate"
    QString value; // as it is keyed: whole dollars without separators, or the text itself
    QString line = {}; // "4a"; empty for the return's own fields (period, account numbers)
};

struct FilingSection {
    QString title; // "ST-1", "ST-2, Location 3, Prairie Hardware (076-5000-9)", "ST-4"
    std::vector<FilingField> fields;
    QString form = {};     // "ST-2"; empty for the return's own fields
    QString location = {}; // "Location 3, Prairie Hardware (076-5000-9)" for a location's own form
    QString locationNumber = {}; // "3", the location's number as the list shows it
};

// The electronic filing sheet of a return: its heading, the period and account numbers, each
// line of ST-1 in the form's order, the ST-2 rows of every location, then ST-4, ST-8 and ST-14
// (a multi-site return's for each location), and the electronic filing notice when line 1
// suggests annual receipts of $20,000 or more.
struct FilingSheet {
    QString title;
    QStringList heading; // business name, period, due date
    std::vector<FilingSection> sections;
    QString notice; // empty below the threshold
};

FilingSheet filingSheet(const PreparedReturn& prepared);
