#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace platform {

// Two-digit month, two-digit day and four-digit year, joined by the separator of the locale's
// short date format ("/" when it has none).
QString formatDateMmDdYyyy(const QDate& date, const QLocale& locale = QLocale());

} // namespace platform
