// The message boxes and file dialogs the windows show, behind one interface so that a test can
// answer them.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QPrinter;

namespace gui {

enum class MessageIcon { None, Warning, Question, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// The answer of a box closed without a button: the one that changes nothing.
constexpr Answer SafestAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return Answer::Ok;
        case MessageButtons::YesNo:
            return Answer::No;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel:
            break;
    }
    return Answer::Cancel;
}

// A file dialog: its title, a filter in the form "Zolt files (*.zlp)|*.zlp|All files (*.*)|*.*"
// and the file name it opens with (a folder and a pattern, or a full path).
struct FileDialogRequest {
    QString Title;
    QString Filter;
    QString Preset;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A modal message box; returns the button pressed.
    virtual Answer Message(const QString& title, const QString& text, MessageIcon icon,
                           MessageButtons buttons, Answer defaultButton) = 0;

    // The chosen file, or none when the user cancelled.
    virtual std::optional<QString> OpenFileName(const FileDialogRequest& request) = 0;
    // The same, asking before an existing file is overwritten.
    virtual std::optional<QString> SaveFileName(const FileDialogRequest& request) = 0;

    // Shows the pages `paint` draws for `printer`; returns whether the user chose to print them.
    virtual bool Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;

    // A message with an OK button only.
    void Tell(const QString& title, const QString& text, MessageIcon icon) {
        Message(title, text, icon, MessageButtons::Ok, Answer::Ok);
    }
};

}  // namespace gui
