// frmMain: the page on display with its line list, the comment and page name boxes, the
// function editor, the line buttons, the status row and every menu command.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/gui/Dialogs.h"
#include "app/gui/FileCommands.h"
#include "app/gui/MainMenus.h"
#include "editor/PageSession.h"
#include "editor/UndoHistory.h"
#include "link/LinkState.h"
#include "link/TraceView.h"
#include "model/WhereUsed.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace model {
class Program;
struct PanelTables;
}  // namespace model
namespace panels {
struct PanelWindowLayout;
}
namespace shell {
class SettingsStore;
}
namespace editor {
class FunctionEditor;
}

namespace gui {

class CommentEdit;
class HelpBrowser;
class ErrorLogWindow;
class LinkController;

class MainWindow : public QMainWindow, public FileCommandHost {
    Q_OBJECT

  public:
    // Makes a new program and shows page A; the window is not shown yet.
    MainWindow(model::Program& program, shell::SettingsStore& settings, Dialogs& dialogs,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    FileCommands& Files() { return files_; }
    const editor::PageSession& Session() const { return session_; }

    // ShowPage: lists page `page` (0..5) with line `line` current, checks every line, offers
    // the error log and selects row ListRow, which loads its line into the editor.
    void ShowPage(int page, int line);

    // Rebuilds the editor's input and output lists from the configuration.
    void RefreshIOLists();

    // Setup > Add or Remove I/O Modules: the I/O setup dialog; OK writes the hardware, empties
    // the line clipboard and shows the page again with the new hardware's lists and checks.
    void SetUpIO();
    void ChangeBiosRegisters();
    void SetUpPanel(const panels::PanelWindowLayout& layout, model::PanelTables& tables);
    void ReportError(const QString& message);
    // Help > Contents, Take Zolt Tour, About.
    void ShowHelp();
    void ShowAbout();

    // A page chosen in the Page menu; asks first about unsaved edits of the current line.
    void ChangePage(int page);

    // The menu items the link state allows. The link calls it whenever its state changes.
    void UpdateLinkMenus(comm::CommStateWord state);
    // A transfer started or ended: Cancel follows it, and the commands that would change the
    // program are disabled while it runs.
    void ShowTransferRunning(bool running);
    LinkController& Link() { return *link_; }
    model::Program& Program() { return program_; }
    // The folder of Help/ and Demo/, ending with a separator.
    std::string DataFolder() const;
    Dialogs& Messages() { return dialogs_; }
    // What the run trace needs of the page on display: its page, rows and selected row.
    comm::TraceView CurrentTraceView() const;
    // Marks the row the run trace reports (-1: none), apart from the selection, without
    // loading its line into the editor.
    void ShowTracedRow(int row);

    // File > Exit: asks about unsaved changes (Cancel keeps the programmer running), then ends.
    void Exit();

    // FileCommandHost
    void ShowNewProgram() override;
    void ShowTitle() override;
    void ProgramSaved() override;
    // A read from a unit replaced part of the program: undo starts afresh from here.
    void StartHistory();
    void ShowTransferStatus(const QString& text, int value) override;

  signals:
    // The programmer is to end.
    void exitRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void ConnectCommands();
    void ConnectLinkCommands();
    void PlaceControls();

    // The row click: what the session makes of it, shown. userClick: the user clicked, rather
    // than the program selecting the row.
    void RowClick(int row, bool userClick);
    // Selects a row as the program does; that acts as a row click.
    void SelectRow(int row);
    std::vector<bool> SelectedRows() const;

    // Makes a session call; when the session wants the answer to the "Save Changes" question,
    // asks it and makes the call again with the answer. The one place the window asks it.
    editor::Reply WithLineAnswer(const std::function<editor::Reply(editor::LineAnswer)>& call);
    // Shows what a session call left to show or ask; a Stored reply is its caller's.
    void Show(const editor::Reply& reply);
    // The current line just stored: its comment and the page shown again.
    void ShowStoredLine();
    // The current line just loaded: its comment and the editor's fields.
    void ShowLoadedLine();
    void ShowBoxOverLimit(const editor::Reply& reply);
    void ShowPasteItems();

    void InsertLine();
    void DeleteLine();
    void CopyLines();
    void CutLines();
    void PasteLines();
    void ReplaceLines();
    void AcceptChange();
    void CancelChange();

    Answer Ask(const editor::Notice& notice, MessageButtons buttons);
    void Warn(const editor::Notice& notice);
    bool PageNameKeyRefused(const QKeyEvent& key) const;

    // Runs a command that may change the program, as one step of the undo history.
    void Step(const std::string& name, const std::function<void()>& command,
              editor::UndoHistory::Kind kind = editor::UndoHistory::Kind::Command);
    // "Insert Line 5 on Page B", "Rename Page B" for the current line and page.
    std::string LineStep(const char* verb) const;
    std::string PageStep(const char* verb) const;
    void Restore(bool (editor::UndoHistory::*step)(model::Program&));
    void ShowUndoItems();
    void OfferWhereUsed(int row);
    void Simulate();
    int RowOfLine(int line) const;
    void ShowWhereUsed(const model::UsedItem& item, const QString& name);

    model::Program& program_;
    shell::SettingsStore& settings_;
    editor::UndoHistory history_;
    Dialogs& dialogs_;
    QPointer<HelpBrowser> help_;
    editor::PageSession session_;
    FileCommands files_;
    bool drawing_ = false;        // rows are being selected by the program, not clicked
    int tracedRow_ = -1;          // the row the run trace marks, -1 for none
    bool rowChangeSeen_ = false;  // the press under way already moved the current row
    bool exiting_ = false;

    QWidget* central_ = nullptr;
    QLabel* lblPage_ = nullptr;
    QLineEdit* txtPageName_ = nullptr;
    QLabel* lblLineNum_ = nullptr;
    QListWidget* lstPage_ = nullptr;
    QLabel* lblComment_ = nullptr;
    CommentEdit* txtComment_ = nullptr;
    editor::FunctionEditor* editor_ = nullptr;
    QWidget* buttons_ = nullptr;
    QPushButton* cmdInsLine_ = nullptr;
    QPushButton* cmdDelLine_ = nullptr;
    QPushButton* cmdAcceptChg_ = nullptr;
    QPushButton* cmdCancelChg_ = nullptr;
    QLabel* lblXFerStat_ = nullptr;
    QProgressBar* prgXFerStat_ = nullptr;
    QLabel* lblMode_ = nullptr;
    MainMenus menus_;
    std::unique_ptr<ErrorLogWindow> errorLog_;
    // Last, so it is gone (and its port closed) while the window it reports to still stands.
    std::unique_ptr<LinkController> link_;
};

}  // namespace gui
