// The dialogs of a window that runs without a user, for drawing its pictures and timing it:
// every box gets the answer that changes nothing and every file dialog is cancelled.
#pragma once

#include "app/gui/Dialogs.h"

namespace gui {

class UnattendedDialogs : public Dialogs {
  public:
    Answer Message(const QString&, const QString&, MessageIcon, MessageButtons buttons,
                   Answer) override {
        ++messages_;
        return SafestAnswer(buttons);
    }
    std::optional<QString> OpenFileName(const FileDialogRequest&) override { return {}; }
    std::optional<QString> SaveFileName(const FileDialogRequest&) override { return {}; }
    bool Preview(QPrinter&, const std::function<void(QPrinter&)>&) override { return false; }

    // How many boxes were answered.
    int Messages() const { return messages_; }

  private:
    int messages_ = 0;
};

}  // namespace gui
