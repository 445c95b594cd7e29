#include "grid/rformat.h"

#include <gtest/gtest.h>

using namespace grid;

TEST(RFormat, RightAlignsToThePatternWithoutCutting)
{
    struct Case
    {
        qint64 value;
        QString pattern;
        QString expected;
    };
    const Case cases[] = {
        {0, QStringLiteral("#0"), QStringLiteral(" 0")},
        {7, QStringLiteral("#0"), QStringLiteral(" 7")},
        {50, QStringLiteral("#0"), QStringLiteral("50")},
        {96, QStringLiteral("##0"), QStringLiteral(" 96")},
        {6, QStringLiteral("##0"), QStringLiteral("  6")},
        {0, QStringLiteral("##0"), QStringLiteral("  0")},
        {100, QStringLiteral("##0"), QStringLiteral("100")},
        {1234, QStringLiteral("##0"), QStringLiteral("1234")},
        {5, QStringLiteral("000"), QStringLiteral("005")},
        {0, QStringLiteral("##"), QStringLiteral("  ")},
        {-5, QStringLiteral("##0"), QStringLiteral(" -5")},
        {-5, QStringLiteral("00"), QStringLiteral("-05")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RFormat(c.value, c.pattern), c.expected)
            << c.value << " with " << c.pattern.toStdString();
}
