// The main window: its controls and their wiring, and the page session's answers shown.
#include "app/gui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "app/gui/AboutBox.h"
#include "app/gui/CommentEdit.h"
#include "app/gui/ErrorLogWindow.h"
#include "app/gui/HelpBrowser.h"
#include "app/gui/LinkController.h"
#include "app/gui/PageRowDelegate.h"
#include "app/gui/SimulatorWindow.h"
#include "app/gui/Tour.h"
#include "app/gui/WhereUsedDialog.h"
#include "app/shell/AboutText.h"
#include "app/shell/DataFolder.h"
#include "app/shell/MainLayout.h"
#include "app/shell/SettingsStore.h"
#include "editor/WindowTitle.h"
#include "editor/qt/FunctionEditor.h"
#include "hardware/qt/BiosRegisterDialog.h"
#include "hardware/qt/IOSetupDialog.h"
#include "link/LinkTexts.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "model/qt/FixedFont.h"
#include "model/qt/ModelText.h"
#include "panels/qt/PanelWindow.h"

namespace gui {

namespace {

constexpr int kProgressRange = 925;  // the records a transfer walks
// The background of the row the MCU executes: amber, unlike any selection colour.
const QColor kTraceMarker(255, 214, 102);

// Message texts of the core carry CR LF between their lines.
QString MessageText(const std::string& text) {
    QString shown = model::ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* tip) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(tip));
    button->setAutoDefault(false);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void Place(QWidget* widget, const shell::Rect& r) {
    widget->setGeometry(r.Left, r.Top, r.Width, r.Height);
}

// lblMode keeps its right edge and grows to the left until the longest connection status fits
// in the font on this desktop.
void PlaceModeLabel(QLabel* label, shell::Rect r) {
    int widest = 0;
    for (const char* text :
         {comm::texts::kNotConnected, comm::texts::kConnecting, comm::texts::kConnectedMcu,
          comm::texts::kConnectedPp, comm::texts::kConnectedCim, comm::texts::kHighSpeedError})
        widest =
            std::max(widest, label->fontMetrics().horizontalAdvance(QString::fromLatin1(text)));
    const int width = std::max(r.Width, widest + 2 * label->margin() + 4);
    r.Left -= width - r.Width;
    r.Width = width;
    Place(label, r);
}

}  // namespace

MainWindow::MainWindow(model::Program& program, shell::SettingsStore& settings, Dialogs& dialogs,
                       QWidget* parent)
    : QMainWindow(parent),
      program_(program),
      settings_(settings),
      dialogs_(dialogs),
      session_(program),
      files_(program, dialogs, settings, *this) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zolt MCU Programmer"));
    link_ = std::make_unique<LinkController>(*this, program, settings, dialogs);
    BuildControls();
    ConnectCommands();
    errorLog_ = std::make_unique<ErrorLogWindow>(this);
    const shell::Size least = shell::MinimumOuterSize();
    setMinimumSize(least.Width, least.Height);
    resize(900, 640);
    model::MakeNewProgram(program_);
    ShowNewProgram();
}

MainWindow::~MainWindow() = default;

// ----- building the window

void MainWindow::BuildControls() {
    menus_ = BuildMainMenus(menuBar(), this);
    central_ = new QWidget(this);
    setCentralWidget(central_);
    central_->installEventFilter(this);

    lblPage_ = MakeLabel(central_, "lblPage", "Page A");
    QFont bold = lblPage_->font();
    bold.setBold(true);
    lblPage_->setFont(bold);
    txtPageName_ = new QLineEdit(central_);
    txtPageName_->setObjectName(QStringLiteral("txtPageName"));
    txtPageName_->setToolTip(QStringLiteral("Name or comments for this page."));
    txtPageName_->installEventFilter(this);

    const QFont fixed = model::FixedPitchFont();
    lblLineNum_ = MakeLabel(central_, "lblLineNum", "Line #      Function Data");
    lblLineNum_->setFont(fixed);
    lstPage_ = new QListWidget(central_);
    lstPage_->setObjectName(QStringLiteral("lstPage"));
    lstPage_->setFont(fixed);
    lstPage_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstPage_->setContextMenuPolicy(Qt::CustomContextMenu);
    lstPage_->setUniformItemSizes(true);
    // A long row scrolls sideways rather than losing its end.
    lstPage_->setTextElideMode(Qt::ElideNone);
    lstPage_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstPage_->setItemDelegate(new PageRowDelegate(lstPage_));
    for (QAction* action :
         {menus_.ListEditCut, menus_.ListEditCopy, menus_.ListEditPaste, menus_.ListEditReplace}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        lstPage_->addAction(action);
    }

    lblComment_ = MakeLabel(central_, "lblComment", "Comment");
    txtComment_ = new CommentEdit(central_);

    editor_ = new editor::FunctionEditor(session_.Core(), central_);
    editor_->SetErrorReporter([this](QWidget*, const QString& message) { ReportError(message); });

    buttons_ = new QWidget(central_);
    auto* row = new QHBoxLayout(buttons_);
    row->setContentsMargins(0, 0, 0, 0);
    cmdInsLine_ = MakeButton(buttons_, "cmdInsLine", "Insert", "Insert a Line");
    cmdDelLine_ = MakeButton(buttons_, "cmdDelLine", "Delete", "Delete Line");
    cmdAcceptChg_ = MakeButton(buttons_, "cmdAcceptChg", "OK", "Accept Changes");
    cmdCancelChg_ = MakeButton(buttons_, "cmdCancelChg", "Cancel", "Cancel Changes");
    for (QPushButton* button : {cmdInsLine_, cmdDelLine_, cmdAcceptChg_, cmdCancelChg_})
        row->addWidget(button);
    editor_->SetCancelWidget(cmdCancelChg_);

    lblXFerStat_ = MakeLabel(central_, "lblXFerStat", "");
    lblXFerStat_->setToolTip(QStringLiteral("Shows the status of communications with the Zolt."));
    lblXFerStat_->hide();
    prgXFerStat_ = new QProgressBar(central_);
    prgXFerStat_->setObjectName(QStringLiteral("prgXFerStat"));
    prgXFerStat_->setToolTip(QStringLiteral("Shows the progress of data transfer."));
    prgXFerStat_->setRange(0, kProgressRange);
    prgXFerStat_->setTextVisible(false);
    prgXFerStat_->hide();
    lblMode_ = MakeLabel(central_, "lblMode", "Not Connected");
    lblMode_->setToolTip(QStringLiteral("Shows which device the PC is connected to."));
    lblMode_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    setTabOrder(txtPageName_, lstPage_);
    setTabOrder(lstPage_, txtComment_);
    setTabOrder(txtComment_, editor_);
}

void MainWindow::ConnectCommands() {
    connect(menus_.FileNew, &QAction::triggered, this, [this] { files_.New(); });
    connect(menus_.FileOpen, &QAction::triggered, this, [this] { files_.Open(); });
    connect(menus_.FileSave, &QAction::triggered, this, [this] { files_.Save(); });
    connect(menus_.FileExport, &QAction::triggered, this, [this] { files_.Export(); });
    connect(menus_.FileExit, &QAction::triggered, this, &MainWindow::Exit);
    connect(menus_.SetupIO, &QAction::triggered, this,
            [this] { Step("I/O Module Setup", [this] { SetUpIO(); }); });
    connect(menus_.SetupBIOS, &QAction::triggered, this,
            [this] { Step("Change BIOS Registers", [this] { ChangeBiosRegisters(); }); });
    connect(menus_.FilePrint, &QAction::triggered, this, [this] { files_.Print(this); });
    connect(menus_.HelpContents, &QAction::triggered, this, &MainWindow::ShowHelp);
    connect(menus_.FileSimulate, &QAction::triggered, this, &MainWindow::Simulate);
    connect(menus_.HelpTour, &QAction::triggered, this,
            [this] { Tour(*this, settings_, DataFolder()).Run(); });
    connect(menus_.HelpAbout, &QAction::triggered, this, &MainWindow::ShowAbout);
    connect(menus_.SetupRTP, &QAction::triggered, this, [this] {
        Step("Timer Panel Settings",
             [this] { SetUpPanel(panels::TimerWindowLayout(), program_.Tmr); });
    });
    connect(menus_.SetupRCP, &QAction::triggered, this, [this] {
        Step("Counter Panel Settings",
             [this] { SetUpPanel(panels::CounterWindowLayout(), program_.Ctr); });
    });
    ConnectLinkCommands();
    for (int p = 0; p < model::kPageCount; ++p)
        connect(menus_.Page[p], &QAction::triggered, this, [this, p] { ChangePage(p); });
    connect(menus_.ListEditCut, &QAction::triggered, this, &MainWindow::CutLines);
    connect(menus_.ListEditCopy, &QAction::triggered, this, &MainWindow::CopyLines);
    connect(menus_.ListEditPaste, &QAction::triggered, this, &MainWindow::PasteLines);
    connect(menus_.ListEditReplace, &QAction::triggered, this, &MainWindow::ReplaceLines);

    connect(lstPage_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (drawing_)
            return;
        rowChangeSeen_ = true;
        QTimer::singleShot(0, this, [this] { rowChangeSeen_ = false; });
        RowClick(row, true);
    });
    // A click on the row that is already current changes nothing in the list, but it is a
    // click all the same: after a cancelled question it must ask again.
    connect(lstPage_, &QListWidget::itemPressed, this, [this](QListWidgetItem* item) {
        const bool leftButton = QApplication::mouseButtons() & Qt::LeftButton;
        if (!rowChangeSeen_ && leftButton && item != nullptr)
            RowClick(lstPage_->row(item), true);
    });
    connect(lstPage_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        OfferWhereUsed(lstPage_->indexAt(at).row());
        menus_.ListEdit->popup(lstPage_->viewport()->mapToGlobal(at));
    });
    connect(txtPageName_, &QLineEdit::textEdited, this, [this](const QString& text) {
        Step(
            PageStep("Rename"), [&] { session_.RenamePage(model::FromQString(text)); },
            editor::UndoHistory::Kind::Typing);
    });
    connect(menus_.EditUndo, &QAction::triggered, this,
            [this] { Restore(&editor::UndoHistory::Undo); });
    connect(menus_.EditRedo, &QAction::triggered, this,
            [this] { Restore(&editor::UndoHistory::Redo); });
    connect(txtComment_, &CommentEdit::commentChanged, this,
            [this] { session_.SetEditComment(txtComment_->Comment()); });
    connect(txtComment_, &CommentEdit::commentEdited, this, [this] { session_.MarkLineEdited(); });

    connect(cmdInsLine_, &QPushButton::clicked, this, &MainWindow::InsertLine);
    connect(cmdDelLine_, &QPushButton::clicked, this, &MainWindow::DeleteLine);
    connect(cmdAcceptChg_, &QPushButton::clicked, this, &MainWindow::AcceptChange);
    connect(cmdCancelChg_, &QPushButton::clicked, this, &MainWindow::CancelChange);
    connect(editor_, &editor::FunctionEditor::acceptRequested, this, &MainWindow::AcceptChange);
}

// ----- size and closing

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The smallest size counts the window's frame; the frame is known once the window manager
    // has drawn it, and the minimum handed to it then leaves room for it.
    const shell::Size least = shell::MinimumOuterSize();
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(QSize(least.Width, least.Height) - frame);
}

void MainWindow::PlaceControls() {
    const shell::ContentHeights content{
        txtComment_->FullHeight(), [this](int width) { return editor_->heightForWidth(width); }};
    const shell::MainLayout l =
        shell::LayOutMainWindow({central_->width(), central_->height()}, content);
    Place(lblPage_, l.PageLabel);
    Place(txtPageName_, l.PageName);
    Place(lblLineNum_, l.LineHeading);
    Place(lstPage_, l.PageList);
    Place(lblComment_, l.CommentLabel);
    Place(txtComment_, l.Comment);
    Place(editor_, l.Editor);
    Place(buttons_, l.Buttons);
    Place(lblXFerStat_, l.XFerStat);
    Place(prgXFerStat_, l.Progress);
    PlaceModeLabel(lblMode_, l.Mode);
}

void MainWindow::Exit() {
    if (!files_.OfferToSave())
        return;
    exiting_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the window asks as Exit does: Cancel, Esc or the question's own close button
    // keep the programmer running with the changes.
    if (!exiting_ && !files_.OfferToSave()) {
        event->ignore();
        return;
    }
    exiting_ = true;
    link_->Shutdown();
    event->accept();
    emit exitRequested();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The editor asking for another height for the fields of a new function.
    if (watched == central_ && event->type() == QEvent::LayoutRequest)
        PlaceControls();
    // A resize; the current row stays in view as the list shrinks.
    if (watched == central_ && event->type() == QEvent::Resize) {
        PlaceControls();
        if (QListWidgetItem* current = lstPage_->currentItem())
            lstPage_->scrollToItem(current);
    }
    if (watched == txtPageName_ && event->type() == QEvent::KeyPress &&
        PageNameKeyRefused(static_cast<const QKeyEvent&>(*event))) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::PageNameKeyRefused(const QKeyEvent& key) const {
    const QString text = key.text();
    if (text.size() != 1 || (key.modifiers() & Qt::ControlModifier))
        return false;
    const char16_t typed = text.front().unicode();
    return !editor::PageSession::PageNameKeyAccepted(
        static_cast<std::size_t>(txtPageName_->text().size()),
        typed < 0x80 ? static_cast<char>(typed) : '?');
}

// ----- the page listing

void MainWindow::ShowPage(int page, int line) {
    const editor::ErrorLogOffer offer = session_.ListPage(page, line);
    ShowTitle();
    lblPage_->setText(QStringLiteral("Page ") + QChar(model::PageLetter(page)));
    txtPageName_->setText(model::ToQString(program_.PageName[page]));

    const int top = line == 0 ? 0 : lstPage_->verticalScrollBar()->value();
    drawing_ = true;
    lstPage_->clear();
    tracedRow_ = -1;
    for (const model::ListRow& row : session_.Listing().Rows) {
        auto* item = new QListWidgetItem(model::ToQString(row.Text), lstPage_);
        item->setData(Qt::UserRole, row.ItemData);
    }
    drawing_ = false;

    errorLog_->SetRows(session_.Listing().Errors);
    if (offer == editor::ErrorLogOffer::Open ||
        (offer == editor::ErrorLogOffer::Ask &&
         Ask(editor::kViewErrorLog, MessageButtons::YesNo) == Answer::Yes)) {
        if (const std::optional<int> row = session_.ErrorLogClosed(errorLog_->Run()))
            SelectRow(*row);
    }
    lstPage_->verticalScrollBar()->setValue(top);

    if (const std::optional<int> row = session_.RowAfterListing()) {
        SelectRow(*row);
        // Also before the window is first shown, so that it opens with the list in focus.
        lstPage_->setFocus();
    }
    link_->ListingChanged();
}

void MainWindow::RefreshIOLists() {
    editor_->RefreshIOLists();
    // The panel windows' items follow the modules.
    if (link_)
        UpdateLinkMenus(link_->Session().State());
}

void MainWindow::ReportError(const QString& message) {
    dialogs_.Tell(QStringLiteral("Error"), message, MessageIcon::Warning);
}

void MainWindow::SetUpIO() {
    hardware::IOSetup setup(program_);
    hardware::IOSetupDialog dialog(
        setup, program_,
        [this](hardware::Module module) {
            const QString panel = module == hardware::Module::Timer ? QStringLiteral("Timer")
                                                                    : QStringLiteral("Counter");
            const QString text = panel + QStringLiteral(
                                             " Panel not installed: its settings and "
                                             "messages will be cleared.\nDo you want to go on?");
            return dialogs_.Message(QStringLiteral("I/O Module Setup"), text, MessageIcon::Warning,
                                    MessageButtons::YesNo, Answer::No) == Answer::Yes;
        },
        this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setup.Apply(program_);
    session_.HardwareChanged();
    ShowPasteItems();
    RefreshIOLists();
    ShowPage(session_.State().CurPage, session_.State().CurLine);
}

std::string MainWindow::DataFolder() const {
    return shell::DataFolder(
        settings_.Get("Key", "Directory", ""),
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(), ZOLT_SOURCE_DIR,
        [](const std::string& path) { return QFile::exists(QFile::decodeName(path.c_str())); });
}

// The help pages in a window of their own, one at a time; without them, where they belong.
void MainWindow::ShowHelp() {
    const QString page = QFile::decodeName(shell::HelpPage(DataFolder()).c_str());
    if (!QFile::exists(page)) {
        dialogs_.Tell(QCoreApplication::applicationName(),
                      QStringLiteral("An error occurred while opening the help file.\n"
                                     "Please open the file \n\n") +
                          page + QStringLiteral("\n\nin your web browser."),
                      MessageIcon::Warning);
        return;
    }
    if (!help_)
        help_ = new HelpBrowser(page, this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

// The MCU's firmware version is asked for while it is connected.
void MainWindow::ShowAbout() {
    const comm::CommStateWord state = link_->Session().State();
    std::optional<int> interfaceVersion;
    if (state != comm::CommStateWord::None && state != comm::CommStateWord::Err)
        interfaceVersion = link_->Session().InterfaceVersion();
    std::optional<shell::FirmwareVersion> mcu;
    if (state == comm::CommStateWord::Mcu) {
        if (const auto reg100 = link_->ReadMcuCheckLine())
            mcu = shell::FirmwareVersion{(*reg100)[1], (*reg100)[2]};
    }
    AboutBox(model::ToQString(shell::AboutVersions(model::kAppVersion, interfaceVersion, mcu)),
             this)
        .exec();
}

// The window edits a working copy of the panel's tables; OK hands it back.
void MainWindow::SetUpPanel(const panels::PanelWindowLayout& layout, model::PanelTables& tables) {
    panels::PanelEditor editor(layout.Kind, tables);
    panels::PanelWindow window(
        layout, editor, [this](QWidget*, const QString& message) { ReportError(message); }, this);
    if (window.exec() == QDialog::Accepted)
        editor.Apply(tables, program_.PgmChanged);
}

// Each edit is written at once; the I/O lists follow a configuration register at the next
// refresh, as the controller reads it at its next start.
void MainWindow::ChangeBiosRegisters() {
    hardware::BiosRegisterEditor editor(program_);
    hardware::BiosRegisterDialog(editor, this).exec();
}

void MainWindow::ShowNewProgram() {
    session_.NewProgram();
    RefreshIOLists();
    ShowPage(0, 0);
    StartHistory();
}

void MainWindow::ShowTitle() {
    const std::string title = editor::WindowTitle(program_.PgmFile, files_.PgmDir());
    setWindowTitle(QFile::decodeName(QByteArray::fromStdString(title)));
}

void MainWindow::ShowTransferStatus(const QString& text, int value) {
    lblXFerStat_->setText(text);
    lblXFerStat_->setVisible(!text.isEmpty());
    prgXFerStat_->setValue(value);
    prgXFerStat_->setVisible(!text.isEmpty());
}

void MainWindow::ConnectLinkCommands() {
    LinkController& link = *link_;
    const std::pair<QAction*, void (LinkController::*)()> commands[] = {
        {menus_.SetupConnect, &LinkController::Connect},
        {menus_.SetupReset, &LinkController::Reset},
        {menus_.SetupComm, &LinkController::ChangePort},
        {menus_.SetupCancel, &LinkController::CancelTransfer},
        {menus_.FileSendMCU, &LinkController::SendToMcu},
        {menus_.FileReadMCU, &LinkController::ReadFromMcu},
        {menus_.FileSendPP, &LinkController::SendToPp},
        {menus_.FileReadPP, &LinkController::ReadFromPp},
        {menus_.FileSendTmr, &LinkController::SendTimers},
        {menus_.FileSendCtr, &LinkController::SendCounters},
        {menus_.FileReadTmr, &LinkController::ReadTimers},
        {menus_.FileReadCtr, &LinkController::ReadCounters},
        {menus_.FileRun, &LinkController::Run},
        {menus_.FileCompare, &LinkController::CompareWithMcu},
    };
    for (const auto& [action, command] : commands)
        connect(action, &QAction::triggered, &link, command);
    connect(&link, &LinkController::transferRunning, this, &MainWindow::ShowTransferRunning);
}

void MainWindow::UpdateLinkMenus(comm::CommStateWord state) {
    EnableMenus(menus_,
                {state, link_ && link_->TransferRunning(), model::TimerModuleInstalled(program_),
                 model::CounterModuleInstalled(program_)});
    if (!comm::MeaningOf(state).Running)
        ShowTracedRow(-1);
}

void MainWindow::ShowTransferRunning(bool running) {
    // A send takes the program as it stands when it starts: no edit may change it meanwhile.
    menus_.SetupCancel->setEnabled(running);
    UpdateLinkMenus(link_->Session().State());
    const std::initializer_list<QWidget*> editing = {lstPage_, txtPageName_, txtComment_, editor_,
                                                     buttons_};
    for (QWidget* widget : editing)
        widget->setEnabled(!running);
}

comm::TraceView MainWindow::CurrentTraceView() const {
    comm::TraceView view;
    view.Page = session_.State().CurPage + 1;
    for (const model::ListRow& row : session_.Listing().Rows)
        view.RowLines.push_back(row.ItemData);
    view.TraceItem = tracedRow_;
    return view;
}

void MainWindow::ShowTracedRow(int row) {
    // The executing line gets a marker of its own: the selection stays with the line the
    // editor shows, so OK always stores into the line on display.
    if (tracedRow_ >= 0 && tracedRow_ < lstPage_->count())
        lstPage_->item(tracedRow_)->setData(Qt::BackgroundRole, QVariant());
    tracedRow_ = row >= 0 && row < lstPage_->count() ? row : -1;
    if (tracedRow_ < 0)
        return;
    lstPage_->item(row)->setBackground(kTraceMarker);
    lstPage_->scrollToItem(lstPage_->item(row));
}

// ----- rows and the current line

void MainWindow::SelectRow(int row) {
    drawing_ = true;
    lstPage_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    drawing_ = false;
    RowClick(row, false);
}

std::vector<bool> MainWindow::SelectedRows() const {
    std::vector<bool> selected(lstPage_->count());
    for (int i = 0; i < lstPage_->count(); ++i)
        selected[i] = lstPage_->item(i)->isSelected();
    return selected;
}

void MainWindow::RowClick(int row, bool userClick) {
    Step(LineStep("Change"), [&] {
        const editor::Reply reply = WithLineAnswer(
            [&](editor::LineAnswer answer) { return session_.ClickRow(row, userClick, answer); });
        if (reply.Then != editor::Reply::Kind::Stored) {
            Show(reply);
            return;
        }
        ShowStoredLine();
        Show(session_.ReturnToLine(reply.Line));
    });
}

void MainWindow::ChangePage(int page) {
    Step(LineStep("Change"), [&] {
        const editor::Reply reply = WithLineAnswer(
            [&](editor::LineAnswer answer) { return session_.ChangePage(page, answer); });
        if (reply.Then != editor::Reply::Kind::Stored) {
            Show(reply);
            return;
        }
        ShowStoredLine();
        Show(session_.OpenPage(page));
    });
}

editor::Reply MainWindow::WithLineAnswer(
    const std::function<editor::Reply(editor::LineAnswer)>& call) {
    const editor::Reply reply = call(editor::LineAnswer::NotAsked);
    if (reply.Then != editor::Reply::Kind::AskAboutLine)
        return reply;
    switch (Ask(editor::kSaveChanges, MessageButtons::YesNoCancel)) {
        case Answer::Yes:
            return call(editor::LineAnswer::Yes);
        case Answer::No:
            return call(editor::LineAnswer::No);
        case Answer::Ok:
        case Answer::Cancel:
            break;
    }
    return call(editor::LineAnswer::Cancel);
}

void MainWindow::Show(const editor::Reply& reply) {
    using Kind = editor::Reply::Kind;
    switch (reply.Then) {
        case Kind::Warn:
            Warn(reply.Message);
            return;
        case Kind::ConfirmDelete:
            if (Ask(reply.Message, MessageButtons::YesNo) == Answer::Yes)
                Show(session_.ConfirmDelete());
            return;
        case Kind::BoxOverLimit:
            ShowBoxOverLimit(reply);
            return;
        case Kind::Redraw:
            ShowPage(session_.State().CurPage, session_.State().CurLine);
            return;
        case Kind::CommentRow:
            // The row above joins the selection once the list has finished its own selection
            // for the click.
            QTimer::singleShot(0, lstPage_, [this, row = reply.Row] {
                const auto& rows = session_.Listing().Rows;
                if (row > 0 && row < lstPage_->count() && rows[row].ItemData == 0)
                    lstPage_->item(row - 1)->setSelected(true);
            });
            return;
        case Kind::LineLoaded:
            if (reply.Reselect) {
                drawing_ = true;
                lstPage_->setCurrentRow(reply.Row, QItemSelectionModel::ClearAndSelect);
                drawing_ = false;
            }
            ShowLoadedLine();
            return;
        case Kind::Done:
        case Kind::AskAboutLine:
        case Kind::Stored:
            return;
    }
}

void MainWindow::ShowStoredLine() {
    txtComment_->ShowComment(session_.CurrentRecord().Comment);
    ShowPage(session_.State().CurPage, session_.State().CurLine);
}

void MainWindow::ShowLoadedLine() {
    txtComment_->ShowComment(session_.CurrentRecord().Comment);
    editor_->ShowView();
}

// The box's own leaving check has already spoken when the focus is back in the box; otherwise
// the message comes from here.
void MainWindow::ShowBoxOverLimit(const editor::Reply& reply) {
    auto* box = editor_->findChild<QLineEdit*>(QString::fromLatin1(editor::FieldName(reply.Box)));
    if (box->hasFocus())
        return;
    dialogs_.Tell(model::ToQString(reply.Message.Title), model::ToQString(reply.Message.Text),
                  MessageIcon::Warning);
    box->setFocus();
    box->selectAll();
}

Answer MainWindow::Ask(const editor::Notice& notice, MessageButtons buttons) {
    return dialogs_.Message(model::ToQString(notice.Title), MessageText(notice.Text),
                            MessageIcon::Warning, buttons, Answer::Yes);
}

void MainWindow::Warn(const editor::Notice& notice) {
    dialogs_.Tell(model::ToQString(notice.Title), MessageText(notice.Text), MessageIcon::Warning);
}

// ----- line operations

void MainWindow::InsertLine() {
    Step(LineStep("Insert"), [this] {
        Show(WithLineAnswer(
            [this](editor::LineAnswer answer) { return session_.InsertLine(answer); }));
    });
}

void MainWindow::DeleteLine() {
    Step(LineStep("Delete"), [this] {
        Show(WithLineAnswer(
            [this](editor::LineAnswer answer) { return session_.DeleteLine(answer); }));
    });
}

void MainWindow::CopyLines() {
    session_.CopyLines(SelectedRows());
    ShowPasteItems();
}

void MainWindow::CutLines() {
    const std::vector<bool> selected = SelectedRows();
    Step(PageStep("Cut Lines on"), [&] {
        const editor::Reply reply = WithLineAnswer(
            [&](editor::LineAnswer answer) { return session_.CutLines(selected, answer); });
        ShowPasteItems();
        Show(reply);
    });
}

void MainWindow::PasteLines() {
    const std::vector<bool> selected = SelectedRows();
    Step(PageStep("Paste Lines on"), [&] {
        Show(WithLineAnswer(
            [&](editor::LineAnswer answer) { return session_.PasteLines(selected, answer); }));
    });
}

void MainWindow::ReplaceLines() {
    const std::vector<bool> selected = SelectedRows();
    Step(PageStep("Replace Lines on"), [&] {
        Show(WithLineAnswer(
            [&](editor::LineAnswer answer) { return session_.ReplaceLines(selected, answer); }));
    });
}

void MainWindow::ShowPasteItems() {
    menus_.ListEditPaste->setEnabled(session_.CanPaste());
    menus_.ListEditReplace->setEnabled(session_.CanPaste());
}

void MainWindow::AcceptChange() {
    Step(LineStep("Change"), [this] {
        const editor::Reply reply = session_.AcceptChange();
        if (reply.Then != editor::Reply::Kind::Stored) {
            Show(reply);
            return;
        }
        ShowStoredLine();
        SelectRow(session_.RowAfterAccept());
        if (isVisible())
            lstPage_->setFocus();
    });
}

// The row of line `line` (1-based) of the page on display, -1 when it is not listed.
int MainWindow::RowOfLine(int line) const {
    for (int row = 0; row < lstPage_->count(); ++row) {
        if (lstPage_->item(row)->data(Qt::UserRole).toInt() == line)
            return row;
    }
    return -1;
}

// ----- the simulator

// The editor waits while the program runs on the PC; each page's line is marked when the page
// is on display, as the trace marks it.
void MainWindow::Simulate() {
    session_.CancelChange();
    ShowLoadedLine();
    SimulatorWindow window(
        program_,
        [this](int page, int line) {
            if (page == session_.State().CurPage)
                ShowTracedRow(RowOfLine(line));
        },
        this);
    window.exec();
    ShowTracedRow(-1);
}

// ----- where used

// The inputs, outputs, timers, counters and messages of the line at `row` (a comment row belongs
// to the line above it), each opening the list of lines that use it.
void MainWindow::OfferWhereUsed(int row) {
    QMenu* menu = menus_.ListEditWhereUsed;
    menu->clear();
    while (row > 0 && lstPage_->item(row)->data(Qt::UserRole).toInt() == 0)
        --row;
    const int line = row >= 0 ? lstPage_->item(row)->data(Qt::UserRole).toInt() : 0;
    const int page = session_.State().CurPage;
    if (line > 0) {
        for (const model::UsedItem& item :
             model::ItemsOfLine(program_, model::PageBase(page) + line - 1)) {
            QString name = model::ToQString(model::UsedItemName(item.Kind, item.Number));
            const auto direction =
                item.Kind == model::UsedKind::Input ? model::kInput : model::kOutput;
            if (item.Kind == model::UsedKind::Input || item.Kind == model::UsedKind::Output) {
                const std::string shown = model::DisplayName(program_, item.Number, direction);
                if (shown != std::to_string(item.Number))
                    name += QStringLiteral(" (") + model::ToQString(shown) + QStringLiteral(")");
            }
            connect(menu->addAction(name), &QAction::triggered, this,
                    [this, item, name] { ShowWhereUsed(item, name); });
        }
    }
    menu->menuAction()->setEnabled(!menu->isEmpty());
}

void MainWindow::ShowWhereUsed(const model::UsedItem& item, const QString& name) {
    WhereUsedDialog dialog(name, model::WhereUsed(program_, item.Kind, item.Number), this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Picked())
        return;
    const auto [page, line] = *dialog.Picked();
    if (page != session_.State().CurPage)
        ChangePage(page);
    // The page stays when an unsaved line was kept on the question.
    const int row = RowOfLine(line);
    if (session_.State().CurPage == page && row >= 0)
        lstPage_->setCurrentRow(row);
}

// ----- undo and redo

void MainWindow::Step(const std::string& name, const std::function<void()>& command,
                      editor::UndoHistory::Kind kind) {
    const model::Program before = program_;
    command();
    history_.Record(name, before, program_, kind);
    ShowUndoItems();
}

std::string MainWindow::LineStep(const char* verb) const {
    const editor::EditorState& state = session_.State();
    return std::string(verb) + " Line " + std::to_string(state.CurLine + 1) + " on Page " +
           model::PageLetter(state.CurPage);
}

std::string MainWindow::PageStep(const char* verb) const {
    return std::string(verb) + " Page " + model::PageLetter(session_.State().CurPage);
}

// A line edit not yet stored is dropped first, as Cancel drops it.
void MainWindow::Restore(bool (editor::UndoHistory::*step)(model::Program&)) {
    session_.CancelChange();
    if ((history_.*step)(program_)) {
        RefreshIOLists();
        ShowPage(session_.State().CurPage, session_.State().CurLine);
    }
    ShowLoadedLine();
    ShowUndoItems();
}

void MainWindow::ShowUndoItems() {
    const auto show = [](QAction* item, const char* verb, const std::string& step) {
        item->setEnabled(!step.empty());
        item->setText(QString::fromLatin1(verb) + model::ToQString(step.empty() ? "" : " " + step));
    };
    show(menus_.EditUndo, "&Undo", history_.UndoName());
    show(menus_.EditRedo, "&Redo", history_.RedoName());
}

void MainWindow::StartHistory() {
    history_.Reset(!program_.PgmChanged);
    ShowUndoItems();
}

void MainWindow::ProgramSaved() {
    ShowTitle();
    history_.MarkSaved();
    ShowUndoItems();
}

void MainWindow::CancelChange() {
    session_.CancelChange();
    ShowLoadedLine();
}

}  // namespace gui
