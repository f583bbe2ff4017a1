// Dialogs that answer every box with its safest button and cancel every file dialog, for
// programs that draw the window without a user.
#pragma once

#include "app/gui/Dialogs.h"

namespace testgui {

class QuietDialogs : public gui::Dialogs {
  public:
    gui::Answer Message(const QString&, const QString&, gui::MessageIcon,
                        gui::MessageButtons buttons, gui::Answer) override {
        ++messages;
        return gui::SafestAnswer(buttons);
    }
    std::optional<QString> OpenFileName(const gui::FileDialogRequest&) override { return {}; }
    std::optional<QString> SaveFileName(const gui::FileDialogRequest&) override { return {}; }

    int messages = 0;
};

}  // namespace testgui
