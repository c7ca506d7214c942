#pragma once

#include <cstddef>
#include <string_view>

// One parsed line of the sales tax table, as a fixed 162-byte block. Client files store this
// block byte for byte, so its layout never changes. Each field is the line's characters
// followed by a NUL; short fields are NUL-padded.
struct TaxTableRecord {
    char locationCode[11];              // characters 1-10
    char locationName[26];              // 11-35
    char countyName[26];                // 36-60
    char effectiveDate[9];              // 61-68, YYYYMMDD: the day the current rates took effect
    char currentGeneralRate[6];         // 69-73
    char currentFoodRate[6];            // 74-78
    char currentFlag1[2];               // 79
    char currentPurchaseGeneralRate[6]; // 80-84
    char currentPurchaseFoodRate[6];    // 85-89
    char currentFlag2[2];               // 90
    char currentReservedRate[6];        // 91-95
    char currentFlag3[2];               // 96
    char reservedDate1[9];              // 97-104
    char reservedDate2[9];              // 105-112
    char priorGeneralRate[6];           // 113-117
    char priorFoodRate[6];              // 118-122
    char priorFlag1[2];                 // 123
    char priorPurchaseGeneralRate[6];   // 124-128
    char priorPurchaseFoodRate[6];      // 129-133
    char priorFlag2[2];                 // 134
    char priorReservedRate[6];          // 135-139
    char priorFlag3[2];                 // 140

    // Zeroes the block and fills it from a raw table line. Each field takes at most its width
    // of characters from a running position; a short line leaves the later fields empty, and
    // a line end inside a field is copied as it is.
    void parse(std::string_view line);
    void clear();
};

static_assert(sizeof(TaxTableRecord) == 162);
static_assert(offsetof(TaxTableRecord, countyName) == 37);
static_assert(offsetof(TaxTableRecord, effectiveDate) == 63);
static_assert(offsetof(TaxTableRecord, currentGeneralRate) == 72);
static_assert(offsetof(TaxTableRecord, currentPurchaseGeneralRate) == 86);
static_assert(offsetof(TaxTableRecord, currentReservedRate) == 100);
static_assert(offsetof(TaxTableRecord, reservedDate1) == 108);
static_assert(offsetof(TaxTableRecord, reservedDate2) == 117);
static_assert(offsetof(TaxTableRecord, priorGeneralRate) == 126);
static_assert(offsetof(TaxTableRecord, priorPurchaseGeneralRate) == 140);
static_assert(offsetof(TaxTableRecord, priorReservedRate) == 154);
static_assert(offsetof(TaxTableRecord, priorFlag3) == 160);
