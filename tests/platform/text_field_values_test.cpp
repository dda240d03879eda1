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

TEST(TextFieldValuesTest, SetIntValueShowsTheNumberInDecimal)
{
    QLabel field;
    setIntValue(&field, -40);
    EXPECT_EQ(field.text(), QStringLiteral("-40"));
    EXPECT_EQ(intValue(field.text()), -40);
}

} // namespace
