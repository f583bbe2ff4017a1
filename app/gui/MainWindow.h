// frmMain: the page on display with its line list, the comment and page name boxes, the
// function editor, the line buttons, the status row and every menu command.
#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "app/gui/Dialogs.h"
#include "app/gui/FileCommands.h"
#include "app/gui/MainMenus.h"
#include "editor/EditorState.h"
#include "editor/FunctionEditorCore.h"
#include "editor/LineOperations.h"
#include "link/LinkState.h"
#include "link/TraceView.h"
#include "model/PageListing.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace model {
class Program;
}
namespace shell {
class SettingsStore;
}
namespace editor {
class FunctionEditor;
}

namespace gui {

class CommentEdit;
class ErrorLogWindow;
class LinkController;

// ErrLogState: whether the next page with problems asks before it opens the error log.
enum class ErrLogState {
    No,      // no pending log, or the user declined it
    Yes,     // the user last left the log by picking an entry: open it without asking
    Cancel,  // the log was closed without picking
    View,    // set by the I/O setup dialog
};

class MainWindow : public QMainWindow, public FileCommandHost {
    Q_OBJECT

  public:
    // Makes a new program and shows page A; the window is not shown yet.
    MainWindow(model::Program& program, shell::SettingsStore& settings, Dialogs& dialogs,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    FileCommands& Files() { return files_; }
    const editor::EditorState& State() const { return state_; }
    ErrLogState ErrorLogState() const { return errLogState_; }

    // ShowPage: lists page `page` (0..5) with line `line` current, checks every line, offers
    // the error log and selects row ListRow, which loads its line into the editor.
    void ShowPage(int page, int line);

    // Rebuilds the editor's input and output lists from the configuration.
    void RefreshIOLists();

    // A page chosen in the Page menu; asks first about unsaved edits of the current line.
    void ChangePage(int page);

    // The menu items the link state allows. The link calls it whenever its state changes.
    void UpdateLinkMenus(comm::CommStateWord state);
    LinkController& Link() { return *link_; }
    Dialogs& Messages() { return dialogs_; }
    // What the run trace needs of the page on display: its page, rows and selected row.
    comm::TraceView CurrentTraceView() const;
    // Highlights the row the run trace reports, without loading its line into the editor.
    void ShowTracedRow(int row);

    // File > Exit: asks about unsaved changes (Cancel keeps the programmer running), then ends.
    void Exit();

    // FileCommandHost
    void ShowNewProgram() override;
    void ShowTitle() override;
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

    // The row click: chooses the line on `row` as the current line. userClick: the user
    // clicked, rather than the program selecting the row.
    void RowClick(int row, bool userClick);
    // Selects a row as the program does; that acts as a row click.
    void SelectRow(int row);
    int RowOfLine(int line) const;
    std::vector<bool> SelectedRows() const;
    void LoadStoredLine();

    // StoreLine, then the page redrawn; false when the store was refused.
    bool StoreCurrentLine();
    Answer AskAboutLineEdits();
    // Before a line operation: unsaved edits of the current line are stored where the line
    // stands, or dropped, as the user answers; false when the user cancelled.
    bool SettleLineEdits();

    void InsertLine();
    void DeleteLine();
    void CopyLines();
    void CutLines();
    void PasteLines();
    void ReplaceLines();
    bool BoxesWithinLimits();
    void AcceptChange();
    void CancelChange();
    void EnablePaste();

    void Warn(const char* title, const QString& text);
    bool PageNameKeyRefused(const QKeyEvent& key) const;

    model::Program& program_;
    Dialogs& dialogs_;
    editor::EditorState state_;
    editor::FunctionEditorCore core_;
    editor::LineClipboard clipboard_;
    FileCommands files_;
    ErrLogState errLogState_ = ErrLogState::No;
    model::PageListing listing_;
    bool drawing_ = false;        // rows are being selected by the program, not clicked
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
