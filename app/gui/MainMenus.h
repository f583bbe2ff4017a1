// The main window's menu tree and the line list's pop-up menu.
#pragma once

#include <array>
#include <string>

#include "link/LinkState.h"

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
    QAction* FileCompare = nullptr;  // beyond the controller's own menus
    QAction* FileRun = nullptr;
    QAction* FileSimulate = nullptr;  // beyond the controller's own menus
    QAction* FileExit = nullptr;
    QAction* EditUndo = nullptr;
    QAction* EditRedo = nullptr;
    std::array<QAction*, 6> Page{};
    QAction* SetupIO = nullptr;
    QAction* SetupBIOS = nullptr;
    QAction* SetupRTP = nullptr;
    QAction* SetupRCP = nullptr;
    QAction* SetupConnect = nullptr;
    QAction* SetupComm = nullptr;
    QAction* SetupReset = nullptr;
    QAction* SetupCancel = nullptr;  // stops the running transfer
    QAction* HelpContents = nullptr;
    QAction* HelpTour = nullptr;
    QAction* HelpAbout = nullptr;
    QMenu* ListEdit = nullptr;
    QAction* ListEditCut = nullptr;
    QAction* ListEditCopy = nullptr;
    QAction* ListEditPaste = nullptr;
    QAction* ListEditReplace = nullptr;
    QMenu* ListEditWhereUsed = nullptr;
};

// Fills bar with the File, Page, Setup and Help menus and makes the pop-up menu of the line
// list, owned by owner. Commands whose windows or link are not part of the programmer yet are
// disabled; "Paste" and "Replace" wait for the first Cut or Copy.
MainMenus BuildMainMenus(QMenuBar* bar, QWidget* owner);

// What decides which items are enabled, besides the commands whose windows are not part of the
// programmer yet (those stay disabled).
struct MenuConditions {
    comm::CommStateWord Link = comm::CommStateWord::None;
    bool Transferring = false;  // nothing may replace the program or change the page
    bool TimerModule = false;   // its panel window opens only when the module is fitted
    bool CounterModule = false;
};

void EnableMenus(const MainMenus& menus, const MenuConditions& now);

}  // namespace gui
