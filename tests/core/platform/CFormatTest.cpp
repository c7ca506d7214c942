#include "platform/CFormat.h"

#include "support/CommaLocale.h"

#include <cstdio>
#include <gtest/gtest.h>

// The figures of the forms keep their decimal point on a machine whose locale writes a comma,
// and the C library's rounding (half to even on exact binary ties) stays.
TEST(CFormat, FiguresKeepTheirPointUnderACommaLocale) {
    const CommaLocale comma;
    if (!comma.active())
        GTEST_SKIP() << comma.problem().toStdString();
    char plain[16];
    std::snprintf(plain, sizeof plain, "%.4f", 0.0625);
    ASSERT_STREQ(plain, "0,0625") << "the C library itself writes a comma now";
    const struct {
        const char* format;
        double value;
        const char* text;
    } cases[] = {
        {"%.4f", 0.0625, "0.0625"}, {"%.3f", 0.2, "0.200"},  {"$%.2f", 1234.5, "$1234.50"},
        {"%.2f", 0.125, "0.12"},    {"%.2f", 0.375, "0.38"}, {"%.5f", 1.07, "1.07000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cFormat(c.format, c.value), QLatin1String(c.text)) << c.format << " " << c.value;
    EXPECT_EQ(cFormat("%lld gallons X $%.4f", 1234567LL, 0.19),
              QStringLiteral("1234567 gallons X $0.1900"));
}
