#include "numeric.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace platform {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool hasNumberShape(const QString& s)
{
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (isAsciiDigit(s[i]))
            digits = true;
        else if (s[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

} // namespace

std::optional<NumericValue> readNumber(const QString& text)
{
    const QString s = text.trimmed();
    if (!hasNumberShape(s))
        return std::nullopt;
    const double value = std::strtod(s.toLatin1().constData(), nullptr);
    // nearbyint under the default rounding mode rounds halves to even.
    const double rounded = std::nearbyint(value);
    NumericValue result;
    if (rounded >= std::numeric_limits<qint16>::min() && rounded <= std::numeric_limits<qint16>::max())
        result.rounded = static_cast<qint16>(rounded);
    return result;
}

} // namespace platform
