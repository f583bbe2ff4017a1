// Building the menus with their captions, access keys, names and shortcuts.
#include "app/gui/MainMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <optional>
#include <utility>

namespace gui {

namespace {

QMenu* AddMenu(QMenuBar* bar, const char* caption, const char* name) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* AddSubmenu(QMenu* parent, const char* caption, const char* name) {
    QMenu* menu = parent->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddItem(QMenu* menu, const char* caption, const char* name, bool enabled = true) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

}  // namespace

MainMenus BuildMainMenus(QMenuBar* bar, QWidget* owner) {
    MainMenus m;
    QMenu* file = AddMenu(bar, "&File", "mnuFile");
    m.FileNew = AddItem(file, "&New Program", "mnuFileNew");
    m.FileNew->setShortcut(QKeySequence::New);
    m.FileOpen = AddItem(file, "&Open Program...", "mnuFileOpen");
    m.FileOpen->setShortcut(QKeySequence::Open);
    m.FileSave = AddItem(file, "Save Program &As...", "mnuFileSave");
    m.FileSave->setShortcut(QKeySequence::Save);
    file->addSeparator();
    m.FilePrint = AddItem(file, "&Print", "mnuFilePrint");
    m.FilePrint->setShortcut(QKeySequence::Print);
    m.FileExport = AddItem(file, "E&xport to text file", "mnuFileExport");
    file->addSeparator();
    m.FileSend = AddSubmenu(file, "Send &to Zolt", "mnuFileSend");
    m.FileSendMCU = AddItem(m.FileSend, "Send progam to &MCU", "mnuFileSendMCU");
    m.FileSendPP = AddItem(m.FileSend, "Send program to &PP", "mnuFileSendPP");
    m.FileSendTmr = AddItem(m.FileSend, "Send &Timer data to CIM", "mnuFileSendTmr");
    m.FileSendCtr = AddItem(m.FileSend, "Send &Counter data to CIM", "mnuFileSendCtr");
    m.FileRead = AddSubmenu(file, "Read &from Zolt", "mnuFileRead");
    m.FileReadMCU = AddItem(m.FileRead, "Read program from &MCU", "mnuFileReadMCU");
    m.FileReadPP = AddItem(m.FileRead, "Read program from &PP", "mnuFileReadPP");
    m.FileReadTmr = AddItem(m.FileRead, "Read &Timer data from CIM", "mnuFileReadTmr");
    m.FileReadCtr = AddItem(m.FileRead, "Read &Counter data from CIM", "mnuFileReadCtr");
    m.FileCompare = AddItem(file, "&Compare with MCU", "mnuFileCompare");
    m.FileRun = AddItem(file, "Run Pro&gram", "mnuFileRun");
    m.FileSimulate = AddItem(file, "Si&mulate", "mnuFileSimulate");
    file->addSeparator();
    m.FileExit = AddItem(file, "E&xit", "mnuFileExit");
    m.FileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Beyond the controller's own menus: undo and redo of every change made in this window.
    QMenu* edit = AddMenu(bar, "&Edit", "mnuEdit");
    m.EditUndo = AddItem(edit, "&Undo", "mnuEditUndo", false);
    m.EditUndo->setShortcut(QKeySequence::Undo);
    m.EditRedo = AddItem(edit, "&Redo", "mnuEditRedo", false);
    m.EditRedo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));

    QMenu* page = AddMenu(bar, "&Page", "mnuPageX");
    for (int p = 0; p < 6; ++p) {
        const QString caption = QStringLiteral("Page &") + QChar('A' + p);
        m.Page[p] = page->addAction(caption);
        m.Page[p]->setObjectName(QStringLiteral("mnuPage"));
        m.Page[p]->setProperty("index", p);
    }

    QMenu* setup = AddMenu(bar, "&Setup", "mnuSetup");
    m.SetupIO = AddItem(setup, "&Add or Remove I/O Modules", "mnuSetupIO");
    m.SetupBIOS = AddItem(setup, "Change &BIOS Registers", "mnuSetupBIOS");
    setup->addSeparator();
    m.SetupRTP = AddItem(setup, "Setup Remote &Timer Panel", "mnuSetupRTP");
    m.SetupRCP = AddItem(setup, "Setup Remote &Counter Panel", "mnuSetupRCP");
    setup->addSeparator();
    m.SetupConnect = AddItem(setup, "C&onnect to Zolt", "mnuSetupConnect");
    m.SetupComm = AddItem(setup, "Change Com&m Port", "mnuSetupComm");
    m.SetupReset = AddItem(setup, "Reset Comm &Port", "mnuSetupReset");
    // Not one of the link's own items: a transfer waiting for a unit can always be stopped. Its
    // access key is N: C opens the counter panel.
    m.SetupCancel = AddItem(setup, "Ca&ncel Transfer", "mnuSetupCancel", false);
    m.SetupCancel->setShortcut(QKeySequence(Qt::Key_Escape));

    QMenu* help = AddMenu(bar, "&Help", "mnuHelp");
    m.HelpContents = AddItem(help, "&Contents", "mnuHelpContents");
    m.HelpContents->setShortcut(QKeySequence::HelpContents);
    m.HelpTour = AddItem(help, "&Take Zolt Tour", "mnuHelpTour");
    m.HelpAbout = AddItem(help, "&About", "mnuHelpAbout");

    m.ListEdit = new QMenu(QStringLiteral("ListEdit"), owner);
    m.ListEdit->setObjectName(QStringLiteral("mnuListEdit"));
    m.ListEditCut = AddItem(m.ListEdit, "Cut", "mnuListEditCut");
    m.ListEditCut->setShortcut(QKeySequence::Cut);
    m.ListEditCopy = AddItem(m.ListEdit, "Copy", "mnuListEditCopy");
    m.ListEditCopy->setShortcut(QKeySequence::Copy);
    m.ListEdit->addSeparator();
    m.ListEditPaste = AddItem(m.ListEdit, "Paste", "mnuListEditPaste", false);
    m.ListEditPaste->setShortcut(QKeySequence::Paste);
    m.ListEditReplace = AddItem(m.ListEdit, "Replace", "mnuListEditReplace", false);
    m.ListEdit->addSeparator();
    // Filled for the line under the mouse each time the menu opens.
    m.ListEditWhereUsed = m.ListEdit->addMenu(QStringLiteral("Where Used"));
    m.ListEditWhereUsed->setObjectName(QStringLiteral("mnuListEditWhereUsed"));
    EnableMenus(m, MenuConditions{});
    return m;
}

void EnableMenus(const MainMenus& m, const MenuConditions& now) {
    const std::optional<comm::Unit> unit = comm::TransferUnit(now.Link);
    m.FileSend->menuAction()->setEnabled(unit.has_value());
    m.FileRead->menuAction()->setEnabled(unit.has_value());
    const std::pair<QAction*, comm::Unit> transfers[] = {
        {m.FileSendMCU, comm::Unit::Mcu}, {m.FileReadMCU, comm::Unit::Mcu},
        {m.FileRun, comm::Unit::Mcu},     {m.FileCompare, comm::Unit::Mcu},
        {m.FileSendPP, comm::Unit::Pp},   {m.FileReadPP, comm::Unit::Pp},
        {m.FileSendTmr, comm::Unit::Cim}, {m.FileSendCtr, comm::Unit::Cim},
        {m.FileReadTmr, comm::Unit::Cim}, {m.FileReadCtr, comm::Unit::Cim},
    };
    for (const auto& [action, owner] : transfers)
        action->setEnabled(unit == owner);
    // While the MCU runs its program nothing but Reset is left; while a transfer runs nothing
    // may replace the program or the page it comes from.
    const bool idle = !comm::MeaningOf(now.Link).Running && !now.Transferring;
    for (QAction* action : {m.FileNew, m.FileOpen, m.SetupIO, m.SetupBIOS, m.SetupComm,
                            m.SetupConnect, m.HelpTour, m.HelpAbout, m.FileSimulate})
        action->setEnabled(idle);
    m.SetupRTP->setEnabled(idle && now.TimerModule);
    m.SetupRCP->setEnabled(idle && now.CounterModule);
    for (QAction* action : m.Page)
        action->setEnabled(!now.Transferring);
}

}  // namespace gui
