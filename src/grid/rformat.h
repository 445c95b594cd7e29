#pragma once

#include <QString>

namespace grid {

// Formats v with a pattern of "#" (digit shown when significant) and "0" (digit always shown),
// then pads it on the left with blanks to the pattern's length; a longer text is never cut.
QString RFormat(qint64 v, const QString& Fmt);

} // namespace grid
