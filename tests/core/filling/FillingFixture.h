#pragma once

#include "forms/filling/FormSet.h"
#include "platform/Clock.h"
#include "platform/FixedText.h"
#include "returns/ReturnCalculation.h"
#include "returns/ReturnRecord.h"
#include "support/LoadedForms.h"

#include <gtest/gtest.h>
#include <memory>

// Field texts print as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The program's page images loaded into a form set of the tests' own, the clock pinned to
// 15 March 2005, and a return for a single-site Springfield client (rates of 8.75 % and 2.25 %)
// for February 2005, computed once empty as "New Return" leaves it.
class FillingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setFixedDate(QDate(2005, 3, 15));
        record = std::make_unique<ReturnRecord>();
        resetReturn(*record);
        computeAll(*record);
        takeClient(*record, client());
        record->period.monthIndex = 1; // February, in the same half year as today
        context.vendorId = 1234;
        context.preparerName = QStringLiteral("Jane Q Preparer");
        context.preparerPhone = QStringLiteral("(312) 555-0100");
    }
    void TearDown() override { Clock::release(); }

    static ClientRecord client() {
        ClientRecord client;
        initClientRecord(client);
        FixedText::set(client.businessName, "Acme Grocery Inc");
        FixedText::set(client.address1, "123 Main St");
        FixedText::set(client.city, "Springfield");
        FixedText::set(client.zipCode, "62701");
        FixedText::set(client.phone, "(217) 555-1234");
        FixedText::set(client.ibtNumber, "1234-5678");
        FixedText::set(client.kobNumber, "5411");
        FixedText::set(client.locationCode, "076-5000-9");
        client.taxRecord.parse("076-5000-9SPRINGFIELD              SANGAMON                 "
                               "200501010875002250 0625001000 00000                 0850002000 "
                               "0625001000 00000 ");
        return client;
    }

    // Fills ST-1 page 1 of the return; the status it returned.
    int fillPage1() { return set->st1.fill(*record, context); }

    static QString blank(int width) { return QString(width, QLatin1Char(' ')); }

    FormSet* const set = &loadedForms();
    std::unique_ptr<ReturnRecord> record;
    FillContext context;
};
