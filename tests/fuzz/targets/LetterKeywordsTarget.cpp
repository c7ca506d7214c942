#include "letters/LetterGenerator.h"
#include "targets/FuzzEntries.h"

namespace {
// Values with everything RTF gives a meaning to, and characters outside code page 1252.
LetterParty hostileParty(const QString& name) {
    return LetterParty{name + QStringLiteral("{\\b}\\'41 <CLIENT_NAME>"),
                       QStringLiteral("\\par \\bin-5 }}}"),
                       QStringLiteral("\u20ac\u4e2d\U0001F600"), QStringLiteral("<ZIP>"),
                       QStringLiteral("\\u-5?")};
}
} // namespace

void FuzzEntries::letterKeywords(const QByteArray& input) {
    LetterInputs inputs;
    inputs.preparer = hostileParty(QStringLiteral("Preparer"));
    inputs.client = hostileParty(QStringLiteral("Client"));
    inputs.periodEnding = QStringLiteral("<PERIOD_ENDING>\\");
    inputs.amountDue = -9223372036854775807LL;
    inputs.today = QDate(2005, 3, 5);
    replaceLetterKeywords(input, inputs);
}
