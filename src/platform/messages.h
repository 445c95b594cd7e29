#pragma once

#include <QString>

namespace platform {

// Modal message boxes, all titled "parl".
class Messages
{
public:
    enum class Icon { None, Critical, Exclamation };

    virtual ~Messages() = default;
    virtual void show(const QString& text, Icon icon) = 0;
    // A Yes/No question without icon; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
};

} // namespace platform
