#pragma once

namespace kubato {

struct Date {
    int day = 1;
    int month = 1;
    int year = 2000;
};

// Today's date from the system clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
};

} // namespace kubato
