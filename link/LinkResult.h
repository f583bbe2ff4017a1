// How a link command ended, with the message the user was shown.
#pragma once

#include "link/LinkObserver.h"

namespace comm {

enum class Outcome {
    Success,
    ChecksumError,   // the transfer ran to its end but the program checksums differ
    NoAnswer,        // the unit stopped answering (or never identified itself)
    BadReplies,      // the unit kept answering wrongly
    PortFailed,      // the port could not be opened, or failed during the command
    HighSpeedError,  // the speed set-up failed
    Cancelled,
    Declined,  // the user said No (run without trace)
    NotReady,  // the unit the command needs is not connected
    Busy,      // another command is still running
};

struct LinkResult {
    Outcome Result = Outcome::Success;
    Notice Message;  // the verdict as shown; empty text when nothing was shown

    bool Ok() const { return Result == Outcome::Success; }
};

}  // namespace comm
