#pragma once

#include "platform/waitcursor.h"

namespace kubato {

// The wait cursor as the application's override cursor; Qt keeps the nesting.
class QtWaitCursor : public WaitCursor {
public:
    void begin() override;
    void end() override;
};

} // namespace kubato
