// The program file commands.
#include "app/gui/FileCommands.h"

#include <QFile>

#include "app/gui/Dialogs.h"
#include "app/gui/PrintCommand.h"
#include "app/shell/FilePreset.h"
#include "app/shell/SettingsStore.h"
#include "files/ProgramFile.h"
#include "files/TextExport.h"
#include "model/NewProgram.h"
#include "model/Program.h"

namespace gui {

namespace {

const QString kProgramFilter = QStringLiteral("Zolt files (*.zlp)|*.zlp|All files (*.*)|*.*");

// Paths cross to the core in the file system's own encoding.
std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString DisplayPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

FileCommands::FileCommands(model::Program& program, Dialogs& dialogs,
                           shell::SettingsStore& settings, FileCommandHost& host)
    : program_(program), dialogs_(dialogs), settings_(settings), host_(host) {}

bool FileCommands::OfferToSave() {
    if (!program_.PgmChanged)
        return true;
    const Answer answer =
        dialogs_.Message(QStringLiteral("Save Changes"),
                         QStringLiteral("Do you want to save changes to this program?"),
                         MessageIcon::Warning, MessageButtons::YesNoCancel, Answer::Yes);
    if (answer == Answer::Cancel)
        return false;
    // Yes with the save dialog cancelled, or a save that failed, keeps the changes unsaved:
    // what was asked for would lose them.
    return answer == Answer::No || Save();
}

void FileCommands::New() {
    if (!OfferToSave())
        return;
    model::MakeNewProgram(program_);
    host_.ShowNewProgram();
}

void FileCommands::Open() {
    if (!OfferToSave())
        return;
    const auto chosen = dialogs_.OpenFileName({QStringLiteral("Open Zolt Program"), kProgramFilter,
                                               DisplayPath(shell::FilePreset(pgmDir_, "*.zlp"))});
    if (!chosen)
        return;
    RememberFolder(*chosen);
    Load(LocalPath(*chosen));
}

bool FileCommands::Load(const std::string& path) {
    const files::LoadReport report = files::LoadProgram(program_, path);
    if (!report.Opened) {
        dialogs_.Tell(QStringLiteral("Open Zolt Program"),
                      QStringLiteral("The program could not be opened.\n") +
                          DisplayPath(report.Message(path)),
                      MessageIcon::Warning);
        return false;
    }
    // Said before the page is listed, so that it comes ahead of the error log it may offer.
    if (!report.Complete) {
        dialogs_.Tell(QStringLiteral("Open Zolt Program"),
                      QStringLiteral("The program file is damaged or ends early; the program "
                                     "was read only as far as this point:\n") +
                          DisplayPath(report.Message(path)),
                      MessageIcon::Warning);
    }
    host_.ShowNewProgram();
    return report.Complete;
}

bool FileCommands::Save() {
    const std::string preset =
        program_.PgmFile.empty() ? shell::FilePreset(pgmDir_, "*.zlp") : program_.PgmFile;
    const auto chosen = dialogs_.SaveFileName(
        {QStringLiteral("Save Zolt Program"), kProgramFilter, DisplayPath(preset)});
    if (!chosen)
        return false;
    RememberFolder(*chosen);
    const std::string path = shell::WithDefaultExtension(LocalPath(*chosen), ".zlp");
    const std::string error = files::SaveProgram(program_, path);
    if (!error.empty()) {
        dialogs_.Tell(QStringLiteral("Save Zolt Program"),
                      QStringLiteral("The program was not saved to ") + DisplayPath(path) +
                          QStringLiteral("\n") + DisplayPath(error),
                      MessageIcon::Warning);
        return false;
    }
    host_.ProgramSaved();
    return true;
}

void FileCommands::Export() {
    const auto chosen =
        dialogs_.SaveFileName({QStringLiteral("Export Zolt Program"),
                               QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*"),
                               DisplayPath(shell::FilePreset(pgmDir_, "*.txt"))});
    if (!chosen)
        return;
    const std::string path = shell::WithDefaultExtension(LocalPath(*chosen), ".txt");
    host_.ShowTransferStatus(QStringLiteral("Exporting Data"), 0);
    const std::string error = files::ExportProgram(program_, path);
    host_.ShowTransferStatus(QString(), 0);
    if (!error.empty()) {
        dialogs_.Tell(QStringLiteral("Export Zolt Program"),
                      QStringLiteral("The program was not exported to ") + DisplayPath(path) +
                          QStringLiteral("\n") + DisplayPath(error),
                      MessageIcon::Warning);
        return;
    }
    dialogs_.Tell(QString(), QStringLiteral("Program export complete"), MessageIcon::None);
}

void FileCommands::RememberFolder(const QString& file) {
    pgmDir_ = shell::FolderOfFile(LocalPath(file));
    settings_.Save("Key", "PgmDir", pgmDir_);
}

void FileCommands::Print(QWidget* parent) {
    PrintCommand(program_, settings_, dialogs_, parent).Run(pgmDir_);
}

}  // namespace gui
