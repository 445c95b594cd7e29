#include "rformat.h"

#include <algorithm>

namespace grid {

namespace {

// The digits of v, zero-padded to the pattern's count of "0"; a pattern of "#" alone shows
// nothing for 0.
QString formatDigits(qint64 v, const QString& pattern)
{
    const qsizetype minDigits = pattern.count(u'0');
    const QString magnitude =
        v == 0 ? QString() : QString::number(v < 0 ? -quint64(v) : quint64(v));
    const QString digits = magnitude.size() < minDigits
                               ? QString(minDigits - magnitude.size(), u'0') + magnitude
                               : magnitude;
    return v < 0 ? QChar(u'-') + digits : digits;
}

} // namespace

QString RFormat(qint64 v, const QString& Fmt)
{
    const QString s = formatDigits(v, Fmt);
    const qsizetype n = std::max<qsizetype>(Fmt.size() - s.size(), 0);
    return QString(n, u' ') + s;
}

} // namespace grid
