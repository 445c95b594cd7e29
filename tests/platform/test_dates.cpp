#include "platform/dates.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatDate, TwoDigitMonthAndDayWithTheLocaleSeparator)
{
    const QDate date(2026, 3, 7);
    EXPECT_EQ(platform::formatDateMmDdYyyy(date, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("03/07/2026"));
    EXPECT_EQ(platform::formatDateMmDdYyyy(date, QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("03.07.2026"));
    EXPECT_EQ(platform::formatDateMmDdYyyy(QDate(987, 12, 31), QLocale(QLocale::English)),
              QStringLiteral("12/31/0987"));
}

} // namespace
