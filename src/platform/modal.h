#pragma once

class QDialog;

namespace platform {

// Shows a window modally. The program blocks until the window is hidden; tests show it and
// return, then drive the window directly. Every command calls this as its last step.
class Modal
{
public:
    virtual ~Modal() = default;
    virtual void showModal(QDialog* window) = 0;
};

} // namespace platform
