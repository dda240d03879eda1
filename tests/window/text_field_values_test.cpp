#include "window/text_field_values.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

TEST(TextFieldValuesTest, IntValueReadsLeadingSpaceSignAndDigits)
{
    EXPECT_EQ(intValue(QStringLiteral("47")), 47);
    EXPECT_EQ(intValue(QStringLiteral("  -12abc")), -12);
    EXPECT_EQ(intValue(QStringLiteral("+8")), 8);
    EXPECT_EQ(intValue(QStringLiteral("abc")), 0);
    EXPECT_EQ(intValue(QString()), 0);
    EXPECT_EQ(intValue(QStringLiteral("- 5")), 0);
}

TEST(TextFieldValuesTest, IntValueHoldsAtTheThirtyTwoBitLimits)
{
    EXPECT_EQ(intValue(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(intValue(QStringLiteral("99999999999999999999")), 2147483647);
    EXPECT_EQ(intValue(QStringLiteral("-2147483648")), -2147483647 - 1);
    EXPECT_EQ(intValue(QStringLiteral("-99999999999999999999")), -2147483647 - 1);
}

TEST(TextFieldValuesTest, SetIntValueShowsTheNumberAndNamesItWithItsCaption)
{
    QWidget panel;
    auto* field = new QLabel(&panel);
    new QLabel(QStringLiteral("Not its caption"), &panel);
    setIntValue(field, -40);
    EXPECT_EQ(field->text(), QStringLiteral("-40"));
    EXPECT_EQ(field->accessibleName(), QStringLiteral("-40"));
    auto* caption = new QLabel(QStringLiteral("Your score"), &panel);
    caption->setBuddy(field);
    setIntValue(field, 12);
    EXPECT_EQ(field->text(), QStringLiteral("12"));
    EXPECT_EQ(field->accessibleName(), QStringLiteral("Your score: 12"));
}

} // namespace
