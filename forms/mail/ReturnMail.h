#pragma once

#include "returns/RoundDollars.h"

#include <QByteArray>
#include <QString>

// The texts of the e-mail that carries a return to its client.
namespace ReturnMail {
// "Your Illinois Sales Tax Return for the period ending: Mar 2005", or without the period
// when there is none (a return shown from the history).
QString subject(const QString& periodText);
// The short body the compose dialog starts with.
QString body(const QString& businessName);
// The PDF's file name: the business name and the period, cleaned for file names.
QString pdfName(const QString& businessName, const QString& periodText);
// "Instructions.doc": an RTF document telling the client what to do with the return: check
// it, sign it, pay the amount due by the due date and mail the voucher. `paymentDue` -1 when
// unknown.
QByteArray instructionsDocument(const QString& businessName, const QString& periodText,
                                Dollars paymentDue);
inline constexpr char kInstructionsName[] = "Instructions.doc";
} // namespace ReturnMail
