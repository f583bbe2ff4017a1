// Showing and hiding the transfer status.
#include "link/TransferStatus.h"

namespace comm {

void TransferStatus::Show(const char* text, int progress) {
    ShowText(text);
    observer_.Progress(progress);
    observer_.ProgressShown(true);
}

void TransferStatus::ShowText(const char* text) {
    observer_.TransferText(text);
    observer_.TransferShown(true);
    observer_.ProgressShown(false);
}

void TransferStatus::Hide() {
    observer_.TransferShown(false);
    observer_.ProgressShown(false);
}

void TransferStatus::Clear() {
    observer_.TransferText("");
    Hide();
}

}  // namespace comm
