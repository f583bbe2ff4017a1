// Answering the Pocket Programmer's messages and ending its transfer.
#include "link/PpResponder.h"

#include "link/Frames.h"
#include "link/LineAddress.h"
#include "link/LinkTexts.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"

namespace comm {

void PpResponder::Answer(const uint8_t* message, uint8_t sum) {
    const uint8_t command = message[0];
    const std::optional<int> record = RecordOfLine(message[1], message[2]);
    // A line outside the image is neither stored nor served, and not answered either: the
    // Pocket Programmer sees no echo and counts the line as failed.
    if ((command != kPpHereIsLine && command != kPpSendMeLine) || !record || !program_) {
        ++tally_.Dropped;
        return;
    }
    const bool intact = message[7] == sum;
    model::PgmRecord& line = program_->PgmData[*record];
    int progress = *record;
    const char* status = texts::kReadingData;
    if (command == kPpHereIsLine) {
        if (intact) {
            for (int i = 0; i < 4; ++i)
                line.Code[i] = message[3 + i];
            ++tally_.Stored;
        } else {
            ++tally_.Rejected;
            progress = 0;
        }
        host_.SendByte(sum);
        receiving_ = true;
    } else {
        host_.SendByte(sum);
        for (int16_t code : line.Code)
            host_.SendByte(static_cast<uint8_t>(code & 0xFF));
        // A request the PC heard wrongly is served all the same, but does not keep the
        // transfer open.
        if (!intact) {
            ++tally_.Rejected;
            return;
        }
        ++tally_.Served;
        receiving_ = false;
        status = texts::kSendingData;
    }
    tally_.Ended = false;
    status_.Show(status, progress);
    host_.StartCommTimer(kQuiet);
}

void PpResponder::End() {
    tally_.Ended = true;
    if (!receiving_ || !program_) {
        status_.Hide();
        return;
    }
    const uint8_t sum = model::ProgramChecksum(*program_);
    tally_.ChecksumOk = program_->RegisterByte(model::kVersionRegister, 3) == sum;
    // The status goes in both cases: a finished receive does not go on showing "Reading Data".
    status_.Hide();
    if (!tally_.ChecksumOk)
        observer_.Message(
            {texts::kChecksumErrorTitle, texts::kDataTransferError, NoticeIcon::Exclamation});
    model::RebuildIOType(*program_);
    observer_.ProgramReplaced();
}

}  // namespace comm
