#pragma once

#include <QString>

class QWidget;

namespace platform {

class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    // Opens the help file at its top; a missing file is reported inside the viewer.
    virtual void openContents(const QString& helpFile, QWidget* owner) = 0;
};

} // namespace platform
