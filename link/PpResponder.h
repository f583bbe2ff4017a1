// The PC's side of the Pocket Programmer's exchange. The Pocket Programmer drives it with one
// eight-byte message per line: the PC stores the lines it is sent and serves the lines it is
// asked for, answering each message at once, and 500 ms without a message end the transfer.
#pragma once

#include <cstdint>

#include "link/LinkObserver.h"
#include "link/ReceiveHost.h"
#include "link/TransferStatus.h"

namespace model {
class Program;
}

namespace comm {

// How a Pocket Programmer exchange has gone since it was last reset.
struct PpTally {
    int Stored = 0;          // command-1 lines stored
    int Served = 0;          // command-2 lines answered with a good checksum
    int Rejected = 0;        // messages answered but not used: wrong checksum
    int Dropped = 0;         // messages for a line outside the image, or an unknown command
    bool Ended = false;      // the quiet has closed the exchange
    bool ChecksumOk = true;  // after a receive: register 100 byte D matched the program
};

class PpResponder {
  public:
    static constexpr Millis kQuiet = 500;  // tmrComm: no message for this long ends a transfer

    PpResponder(ReceiveHost& host, TransferStatus& status, LinkObserver& observer)
        : host_(host), status_(status), observer_(observer) {}

    // The program the messages read and fill; none: they are dropped unanswered.
    void AttachProgram(model::Program* program) { program_ = program; }
    // Answers one complete message, whose first seven bytes add up to sum.
    void Answer(const uint8_t* message, uint8_t sum);
    // tmrComm ticked: the transfer has ended. After a receive the program checksum is checked
    // and the program's I/O kinds follow the lines that came.
    void End();

    PpTally& Tally() { return tally_; }

  private:
    ReceiveHost& host_;
    TransferStatus& status_;
    LinkObserver& observer_;
    model::Program* program_ = nullptr;
    bool receiving_ = false;  // the last message answered brought a line
    PpTally tally_;
};

}  // namespace comm
