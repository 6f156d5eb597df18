#pragma once

// The one pattern by which the run lists repeated findings: the count is increased first;
// while it is below the limit the finding is listed; at the limit a block of three lines
// (a lead line, the listing's own cut-off line and an empty line) is written once; counting
// goes on.

#include <string_view>

#include "calc/runconstants.h"
#include "common/textlist.h"

namespace kubato {

class FindingListing {
public:
    // A protocol listing: its cut-off block is an empty line, cutOffLine and an empty line.
    FindingListing(TextList &list, std::string_view cutOffLine)
        : FindingListing(list, "", cutOffLine, MaxListLines)
    {}
    FindingListing(TextList &list, std::string_view leadLine, std::string_view cutOffLine,
                   long limit)
        : mList(list), mLead(leadLine), mCutOff(cutOffLine), mLimit(limit)
    {}

    // Counts one more finding and returns true when its lines are to be written; writes the
    // cut-off block instead when the limit is reached for the first time.
    bool add()
    {
        ++mCount;
        if (mCount < mLimit) {
            return true;
        }
        if (!mCutOffDone) {
            mList.append(mLead);
            mList.append(mCutOff);
            mList.append("");
            mCutOffDone = true;
        }
        return false;
    }

    // Starts the listing over (the prism lines of a new result-list section).
    void restart()
    {
        mCount = 0;
        mCutOffDone = false;
    }

    long count() const { return mCount; }

private:
    TextList &mList;
    std::string_view mLead;
    std::string_view mCutOff;
    long mLimit;
    long mCount = 0;
    bool mCutOffDone = false;
};

} // namespace kubato
