#include "forms/preview/PreviewContext.h"

#include "platform/Clock.h"
#include "platform/FixedText.h"

QString PreviewContext::clientEmail() const {
    return FixedText::get(client.record.email);
}

QString PreviewContext::businessName() const {
    return FixedText::get(client.record.businessName);
}

LetterInputs PreviewContext::letterInputs() const {
    LetterInputs inputs;
    inputs.preparer = preparer;
    inputs.client = clientParty(client.record);
    inputs.clientFilePath = client.path;
    inputs.periodEnding = periodText;
    inputs.amountDue = paymentDue;
    inputs.today = Clock::today();
    return inputs;
}
