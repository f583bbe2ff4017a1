// File > New, Open, Save and Export: their dialogs, questions and messages.
#pragma once

#include <QString>

class QWidget;
#include <string>

namespace model {
class Program;
}
namespace shell {
class SettingsStore;
}

namespace gui {

class Dialogs;

// What the commands need from the main window.
class FileCommandHost {
  public:
    virtual ~FileCommandHost() = default;
    // A whole program arrived (New, Open): the editor lists and page A are shown again.
    virtual void ShowNewProgram() = 0;
    // The file name changed: the title follows it.
    virtual void ShowTitle() = 0;
    // The program was saved as it stands under its file name.
    virtual void ProgramSaved() = 0;
    // The status label and progress bar of a transfer or export; an empty text hides both.
    virtual void ShowTransferStatus(const QString& text, int value) = 0;
};

class FileCommands {
  public:
    FileCommands(model::Program& program, Dialogs& dialogs, shell::SettingsStore& settings,
                 FileCommandHost& host);

    // The folder of the last program file dialog ("PgmDir").
    const std::string& PgmDir() const { return pgmDir_; }
    void SetPgmDir(std::string folder) { pgmDir_ = std::move(folder); }

    // Asks whether to save unsaved changes (Yes, No, Cancel), and saves on Yes. Returns false
    // when the user chose Cancel, or Yes and the changes were not saved.
    bool OfferToSave();

    void New();
    void Open();
    // Saves through the save dialog (".zlp" added to a name without an extension); false when
    // nothing was written.
    bool Save();
    void Export();
    // File > Print, its dialog over `parent`.
    void Print(QWidget* parent);

    // Opens a program file: one that cannot be opened leaves the program as it was; one that
    // ends early or is damaged stays loaded as far as it could be read. Either is reported.
    // Returns whether the whole file was read.
    bool Load(const std::string& path);

  private:
    void RememberFolder(const QString& file);

    model::Program& program_;
    Dialogs& dialogs_;
    shell::SettingsStore& settings_;
    FileCommandHost& host_;
    std::string pgmDir_;
};

}  // namespace gui
