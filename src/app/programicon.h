#pragma once

#include <QIcon>

namespace app {

// The program icon: a speech bubble with a check mark, drawn at every size it is asked for.
QIcon programIcon();

} // namespace app
