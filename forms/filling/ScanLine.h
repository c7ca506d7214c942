#pragma once

#include <QString>

// The machine-read scan lines of ST-1 and ST-14: a five-digit form code, the period code
// (MMYY), the vendor identification ("%4d") and a check digit.
namespace ScanLine {
inline constexpr char kSt1FormCode[] = "00201";
inline constexpr char kSt14FormCode[] = "10693";

// The check digit of the digits: weighted from the first by 14, 13, ... 2, summed, modulo 11;
// a remainder of 0 or 1 is the digit, any other remainder r gives 11 - r. A character that
// is not a digit counts as 0.
int checkDigit(const QString& digits);
// The form code, the period code, the vendor identification and the check digit.
QString build(const char* formCode, const QString& periodCode, int vendorId);
} // namespace ScanLine
