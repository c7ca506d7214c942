#include "forms/mail/ReturnMail.h"

#include "platform/RtfText.h"
#include "returns/GroupThousands.h"

#include <QRegularExpression>

namespace {

QString paymentStep(Dollars paymentDue) {
    if (paymentDue > 0)
        return QStringLiteral("Pay the amount due, $%1, by the due date printed on the return.")
            .arg(groupThousands(paymentDue));
    if (paymentDue == -1)
        return QStringLiteral(
            "Pay the amount shown as due on the return by the due date printed on it.");
    return QStringLiteral("No payment is due for this period, but the return must still be "
                          "filed by the due date printed on it.");
}

QByteArray paragraph(const QString& text) {
    return rtfEscapedText(text) + "\\par\r\n";
}

} // namespace

namespace ReturnMail {

QString subject(const QString& periodText) {
    if (periodText.trimmed().isEmpty())
        return QStringLiteral("Your Illinois Sales Tax Return");
    return QStringLiteral("Your Illinois Sales Tax Return for the period ending: %1")
        .arg(periodText);
}

QString body(const QString& businessName) {
    return QStringLiteral("Dear %1,\n\nattached is your Illinois sales tax return as a PDF "
                          "file. Instructions.doc tells you what to do with it.\n")
        .arg(businessName.trimmed().isEmpty() ? QStringLiteral("client") : businessName);
}

QString pdfName(const QString& businessName, const QString& periodText) {
    QString name = (businessName + QLatin1Char(' ') + periodText).simplified();
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")),
                 QStringLiteral(" "));
    name = name.simplified();
    return (name.isEmpty() ? QStringLiteral("Sales Tax Return") : name) + QStringLiteral(".pdf");
}

QByteArray instructionsDocument(const QString& businessName, const QString& periodText,
                                Dollars paymentDue) {
    const QString forWhom =
        periodText.isEmpty()
            ? QStringLiteral("For %1.").arg(businessName)
            : QStringLiteral("For %1, for the period ending %2.").arg(businessName, periodText);
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 "
                     "Arial;}}\\f0\\fs22\r\n{\\b\\fs28 ";
    rtf += paragraph(QStringLiteral("Your Illinois Sales Tax Return")) + "}\r\n";
    rtf += paragraph(forWhom) + "\\par\r\n";
    rtf += paragraph(QStringLiteral("Please take these steps:"));
    rtf += paragraph(QStringLiteral("1. Print the attached return and check every figure. "
                                    "Call us before filing if anything is not right."));
    rtf += paragraph(QStringLiteral("2. Sign and date the return where it asks for the "
                                    "taxpayer's signature."));
    rtf += paragraph(QStringLiteral("3. ") + paymentStep(paymentDue));
    rtf += paragraph(QStringLiteral(
        "4. Mail the signed return, with the payment voucher at the bottom of page 1 and your "
        "check, to the Illinois Department of Revenue at the address printed on the voucher. "
        "Pages for other returns (ST-4, ST-8, ST-14) go with it."));
    rtf += paragraph(QStringLiteral("5. Keep a copy of everything for your records."));
    rtf += "}";
    return rtf;
}

} // namespace ReturnMail
