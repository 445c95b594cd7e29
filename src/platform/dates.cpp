#include "dates.h"

namespace platform {

namespace {

QChar dateSeparator(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    for (const QChar c : format) {
        if (c.isPunct() && c != u'\'')
            return c;
    }
    return u'/';
}

} // namespace

QString formatDateMmDdYyyy(const QDate& date, const QLocale& locale)
{
    const QChar sep = dateSeparator(locale);
    return QStringLiteral("%1%2%3%4%5")
        .arg(date.month(), 2, 10, QChar(u'0'))
        .arg(sep)
        .arg(date.day(), 2, 10, QChar(u'0'))
        .arg(sep)
        .arg(date.year(), 4, 10, QChar(u'0'));
}

} // namespace platform
