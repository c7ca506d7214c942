#include "ui/WrappingCheckBox.h"

#include "ui/ui/ScreenChecks.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QString kLongText = QStringLiteral(
    "&Print Blank Forms: select this option if you would like to print blank forms for this "
    "client without any figures.");

// A narrow window takes the long text on several lines, whole, instead of growing to one line.
TEST(WrappingCheckBox, ItsTextWrapsInANarrowWindow) {
    WrappingCheckBox choice(kLongText);
    EXPECT_LT(choice.minimumSizeHint().width(), 300);
    choice.resize(300, choice.heightForWidth(300));
    choice.show();
    QTest::qWait(0);
    EXPECT_TRUE(ScreenChecks::cutTexts(&choice).isEmpty());
    EXPECT_GT(choice.height(), 2 * choice.label()->fontMetrics().height());
}

// The text acts as a check box's text: a click on it and its access key toggle the box.
TEST(WrappingCheckBox, ItsTextAndAccessKeyToggleTheBox) {
    WrappingCheckBox choice(kLongText);
    choice.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&choice));
    int clicks = 0;
    QObject::connect(choice.box(), &QCheckBox::clicked, [&] { ++clicks; });
    QTest::mouseClick(choice.label(), Qt::LeftButton);
    EXPECT_TRUE(choice.box()->isChecked());
    QTest::keyClick(&choice, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !choice.box()->isChecked(); }, 1000));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(choice.label()->buddy(), choice.box());
}
} // namespace
