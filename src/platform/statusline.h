#pragma once

#include <QString>

namespace platform {

// The main window's numbered status panels (1 to 4), the only record of the working folder.
class StatusLine
{
public:
    virtual ~StatusLine() = default;
    virtual QString panelText(int panel) const = 0;
    virtual void setPanelText(int panel, const QString& text) = 0;
};

} // namespace platform
