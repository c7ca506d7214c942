#include "letters/LetterInputs.h"

#include "clients/ClientRecord.h"
#include "platform/FixedText.h"
#include "settings/PreparerInfoSettings.h"

LetterParty preparerParty(const PreparerInfoSettings& preparer) {
    return {preparer.name, preparer.address1, preparer.city, preparer.zipCode, preparer.phone};
}

LetterParty clientParty(const ClientRecord& record) {
    return {FixedText::get(record.businessName), FixedText::get(record.address1),
            FixedText::get(record.city), FixedText::get(record.zipCode),
            FixedText::get(record.phone)};
}
