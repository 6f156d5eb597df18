#include "platform/qtclock.h"

#include <QDate>

namespace kubato {

Date QtClock::today() const
{
    const QDate date = QDate::currentDate();
    return {date.day(), date.month(), date.year()};
}

} // namespace kubato
