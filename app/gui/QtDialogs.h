// The message boxes and file dialogs of the desktop.
#pragma once

#include "app/gui/Dialogs.h"

class QWidget;

namespace gui {

class QtDialogs : public Dialogs {
  public:
    // parent: the window the boxes belong to; may be set later.
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Message(const QString& title, const QString& text, MessageIcon icon,
                   MessageButtons buttons, Answer defaultButton) override;
    std::optional<QString> OpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> SaveFileName(const FileDialogRequest& request) override;
    bool Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;

  private:
    QWidget* parent_ = nullptr;
};

}  // namespace gui
