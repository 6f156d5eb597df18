#pragma once

namespace kubato {

// The wait cursor (hour glass) of long handlers. Calls nest: the arrow returns with the last
// end().
class WaitCursor {
public:
    virtual ~WaitCursor() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

// Shows the wait cursor while it exists.
class WaitCursorScope {
public:
    explicit WaitCursorScope(WaitCursor &cursor) : mCursor(cursor) { mCursor.begin(); }
    ~WaitCursorScope() { mCursor.end(); }
    WaitCursorScope(const WaitCursorScope &) = delete;
    WaitCursorScope &operator=(const WaitCursorScope &) = delete;

private:
    WaitCursor &mCursor;
};

} // namespace kubato
