#include "letters/LetterGenerator.h"

#include "letters/DefaultLetter.h"
#include "platform/PrivateTempFolder.h"
#include "platform/RtfText.h"

#include <QFile>
#include <QFileInfo>
#include <array>

namespace {
constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// A value that is left out is replaced by one space.
const QString kBlank = QStringLiteral(" ");

QString cityStateZip(const LetterParty& party) {
    return QStringLiteral("%1 IL %2").arg(party.city, party.zipCode);
}

QString orBlank(const QString& value) {
    return value.isEmpty() ? kBlank : value;
}

void replaceKeyword(QByteArray& letter, const char* keyword, const QString& value) {
    letter.replace(QByteArray(keyword), rtfEscapedText(value));
}

// The four keywords of one side of the letter.
struct PartyKeywords {
    const char* name;
    const char* address1;
    const char* cityStateZip;
    const char* phone;
};
constexpr PartyKeywords kPreparerKeywords = {"<PREPARER_NAME>", "<PREPARER_ADDRESS1>",
                                             "<PREPARER_ADDRESS_CITY_STATE_ZIP>",
                                             "<PREPARER_PHONE_NUMBER>"};
constexpr PartyKeywords kClientKeywords = {"<CLIENT_NAME>", "<CLIENT_ADDRESS1>",
                                           "<CLIENT_ADDRESS_CITY_STATE_ZIP>",
                                           "<CLIENT_PHONE_NUMBER>"};

// Without a name the whole block is blank; without a first address line both address lines
// are.
void replaceParty(QByteArray& letter, const PartyKeywords& keywords, const LetterParty& party) {
    const bool named = !party.name.isEmpty();
    const bool addressed = named && !party.address1.isEmpty();
    replaceKeyword(letter, keywords.name, named ? party.name : kBlank);
    replaceKeyword(letter, keywords.address1, addressed ? party.address1 : kBlank);
    replaceKeyword(letter, keywords.cityStateZip, addressed ? cityStateZip(party) : kBlank);
    replaceKeyword(letter, keywords.phone, named ? orBlank(party.phone) : kBlank);
}

QByteArray readTemplate(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return file.readAll();
}
} // namespace

QString clientLetterPath(const QString& clientFilePath) {
    const QFileInfo info(clientFilePath);
    const QString folder = clientFilePath.left(clientFilePath.size() - info.fileName().size());
    const qsizetype dot = info.fileName().lastIndexOf(u'.');
    const QString base = dot < 0 ? info.fileName() : info.fileName().left(dot);
    return folder + base + QStringLiteral(".tlt");
}

QString letterDateText(QDate date) {
    return QStringLiteral("%1 %2, %3")
        .arg(QLatin1String(kMonths[date.month() - 1]))
        .arg(date.day())
        .arg(date.year());
}

QByteArray replaceLetterKeywords(QByteArray letter, const LetterInputs& inputs) {
    replaceKeyword(letter, "<DATE>", letterDateText(inputs.today));
    replaceParty(letter, kPreparerKeywords, inputs.preparer);
    replaceParty(letter, kClientKeywords, inputs.client);
    replaceKeyword(letter, "<PERIOD_ENDING>", inputs.periodEnding);
    replaceKeyword(letter, "<AMOUNT_DUE>", QStringLiteral("$%1").arg(inputs.amountDue));
    return letter;
}

QString letterTemplatePath(const QString& clientFilePath) {
    const QString clientLetter = clientLetterPath(clientFilePath);
    if (!clientFilePath.isEmpty() && QFileInfo::exists(clientLetter))
        return clientLetter;
    return defaultLetterPath();
}

QString generateLetter(const LetterInputs& inputs) {
    const QByteArray letterTemplate = readTemplate(letterTemplatePath(inputs.clientFilePath));
    const QByteArray letter =
        letterTemplate.isEmpty() ? QByteArray() : replaceLetterKeywords(letterTemplate, inputs);
    return PrivateTempFolder::createFileWith(QStringLiteral("tlt"), letter, QStringLiteral(".tmp"));
}
