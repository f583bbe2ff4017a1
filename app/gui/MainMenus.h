// The main window's menu tree and the line list's pop-up menu.
#pragma once

#include <array>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace gui {

struct MainMenus {
    QAction* FileNew = nullptr;
    QAction* FileOpen = nullptr;
    QAction* FileSave = nullptr;
    QAction* FilePrint = nullptr;
    QAction* FileExport = nullptr;
    QMenu* FileSend = nullptr;
    QAction* FileSendMCU = nullptr;
    QAction* FileSendPP = nullptr;
    QAction* FileSendTmr = nullptr;
    QAction* FileSendCtr = nullptr;
    QMenu* FileRead = nullptr;
    QAction* FileReadMCU = nullptr;
    QAction* FileReadPP = nullptr;
    QAction* FileReadTmr = nullptr;
    QAction* FileReadCtr = nullptr;
    QAction* FileRun = nullptr;
    QAction* FileExit = nullptr;
    std::array<QAction*, 6> Page{};
    QAction* SetupIO = nullptr;
    QAction* SetupBIOS = nullptr;
    QAction* SetupRTP = nullptr;
    QAction* SetupRCP = nullptr;
    QAction* SetupConnect = nullptr;
    QAction* SetupComm = nullptr;
    QAction* SetupReset = nullptr;
    QAction* HelpContents = nullptr;
    QAction* HelpTour = nullptr;
    QAction* HelpAbout = nullptr;
    QMenu* ListEdit = nullptr;
    QAction* ListEditCut = nullptr;
    QAction* ListEditCopy = nullptr;
    QAction* ListEditPaste = nullptr;
    QAction* ListEditReplace = nullptr;
};

// Fills bar with the File, Page, Setup and Help menus and makes the pop-up menu of the line
// list, owned by owner. Commands whose windows or link are not part of the programmer yet are
// disabled; "Paste" and "Replace" wait for the first Cut or Copy.
MainMenus BuildMainMenus(QMenuBar* bar, QWidget* owner);

// Enables the transfer commands that fit the unit on the line: "MCU", "PP" or "CIM"; any other
// state (such as "none") leaves them disabled.
void EnableLinkMenus(const MainMenus& menus, const std::string& commState);

}  // namespace gui
