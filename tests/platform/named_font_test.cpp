#include "platform/named_font.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

TEST(NamedFontTest, AsksForTheFamilyAtTheGivenSize)
{
    const QFont font = namedFont(QStringLiteral("Monaco"), 14.0, QFont::Monospace);
    EXPECT_EQ(font.family(), QStringLiteral("Monaco"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 14.0);
}

TEST(NamedFontTest, MissingMonospacedFamilyFallsBackToAMonospacedFont)
{
    const QFontInfo resolved(namedFont(QStringLiteral("Monaco"), 14.0, QFont::Monospace));
    EXPECT_TRUE(resolved.fixedPitch()) << resolved.family().toStdString();
}

} // namespace
