#pragma once

#include "platform/clock.h"

namespace kubato {

class QtClock : public Clock {
public:
    Date today() const override;
};

} // namespace kubato
