#pragma once

#include <QString>

class QWidget;

namespace platform {

class FolderPicker
{
public:
    virtual ~FolderPicker() = default;
    // The chosen folder's path, or an empty string when the user cancelled.
    virtual QString pickFolder(QWidget* owner) = 0;
};

} // namespace platform
