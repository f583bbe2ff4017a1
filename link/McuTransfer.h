// Program transfers with the MCU: the send with its checksum check, the read into a scratch
// image, and the read of register 100 that both end with.
#pragma once

#include "link/Frames.h"
#include "link/LinkResult.h"

namespace model {
class Program;
}

namespace comm {

class LinkSession;

class McuTransfer {
  public:
    explicit McuTransfer(LinkSession& link) : link_(link) {}

    // See LinkSession::SendProgram, ReadProgram, ReadCheckLine.
    LinkResult Send(model::Program& program);
    LinkResult Read(model::Program& program);
    // The MCU's lines and registers into image's codes, nothing else of it touched and nothing
    // told; for a comparison.
    LinkResult ReadImage(model::Program& image);
    LinkResult ReadCheckLine(LineBytes& reg100);

  private:
    LinkSession& link_;
};

// Firmware before 1.29 knows no I/O block 10 and no timer or counter module: what an older MCU
// holds in those registers means nothing. Clears them when register 100 byte C is below 29.
void FixUpOldFirmware(model::Program& program);

}  // namespace comm
