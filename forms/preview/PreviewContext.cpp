#include "forms/preview/PreviewContext.h"

#include "platform/FixedText.h"

QString PreviewContext::clientEmail() const {
    return FixedText::get(client.record.email);
}

QString PreviewContext::businessName() const {
    return FixedText::get(client.record.businessName);
}
