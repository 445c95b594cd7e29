#pragma once

#include <QDate>

namespace platform {

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

} // namespace platform
