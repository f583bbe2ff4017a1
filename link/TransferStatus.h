// What a transfer shows while it runs: its caption in lblXFerStat and its progress in
// prgXFerStat.
#pragma once

#include "link/LinkObserver.h"

namespace comm {

class TransferStatus {
  public:
    explicit TransferStatus(LinkObserver& observer) : observer_(observer) {}

    // Caption and progress bar shown, the bar at progress.
    void Show(const char* text, int progress);
    // The caption alone shown, the bar hidden (run mode, a cancelled transfer).
    void ShowText(const char* text);
    void Progress(int value) { observer_.Progress(value); }
    // Both hidden; the caption stays for the next Show.
    void Hide();
    // Both hidden and the caption emptied, as after a reset.
    void Clear();

  private:
    LinkObserver& observer_;
};

}  // namespace comm
