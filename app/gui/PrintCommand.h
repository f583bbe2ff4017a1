// File > Print: the print dialog, a preview, and the printout on a printer of the system or in
// a PDF file.
#pragma once

#include <string>

#include "app/gui/Dialogs.h"

class QWidget;

namespace model {
class Program;
}
namespace shell {
class SettingsStore;
struct PrintSettings;
}  // namespace shell
namespace files {
struct PrintJob;
}

namespace gui {

class PrintCommand {
  public:
    PrintCommand(const model::Program& program, shell::SettingsStore& settings, Dialogs& dialogs,
                 QWidget* parent)
        : program_(program), settings_(settings), dialogs_(dialogs), parent_(parent) {}

    // Asks what to print with the "Printing" settings, writes them back, and prints. pgmDir is
    // where a PDF is offered to go.
    void Run(const std::string& pgmDir);

  private:
    void Print(const files::PrintJob& job, const shell::PrintSettings& print,
               const std::string& pgmDir);
    void Tell(const QString& text);

    const model::Program& program_;
    shell::SettingsStore& settings_;
    Dialogs& dialogs_;
    QWidget* parent_;
};

}  // namespace gui
