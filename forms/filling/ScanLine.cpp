#include "forms/filling/ScanLine.h"

#include "forms/filling/FormTexts.h"

namespace {
constexpr int kFirstWeight = 14;
constexpr int kModulus = 11;
} // namespace

int ScanLine::checkDigit(const QString& digits) {
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const int digit = digits[i].isDigit() ? digits[i].digitValue() : 0;
        sum += digit * (kFirstWeight - int(i));
    }
    const int remainder = sum % kModulus;
    return remainder <= 1 ? remainder : kModulus - remainder;
}

QString ScanLine::build(const char* formCode, const QString& periodCode, int vendorId) {
    const QString digits = QLatin1String(formCode) + periodCode + cFormat("%4d", vendorId);
    return digits + QString::number(checkDigit(digits));
}
