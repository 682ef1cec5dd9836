#pragma once

#include <QDate>

namespace skyvarre {

// Today's date, behind an interface so that tests can pick the day.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

// The local calendar date of the machine.
class SystemClock final : public Clock
{
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace skyvarre
