// The main window: its controls, the page listing, row clicks, line operations and commands.
#include "app/gui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
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

#include "app/gui/CommentEdit.h"
#include "app/gui/ErrorLogWindow.h"
#include "app/gui/LinkController.h"
#include "model/qt/ModelText.h"
#include "app/shell/MainLayout.h"
#include "editor/EndPage.h"
#include "editor/qt/FunctionEditor.h"
#include "editor/StoreLine.h"
#include "editor/WindowTitle.h"
#include "model/HardwareConfig.h"
#include "link/LinkTexts.h"
#include "model/NewProgram.h"
#include "model/Program.h"

namespace gui {

namespace {

constexpr int kMaxPageNameLength = 64;
constexpr int kProgressRange = 925;  // the records a transfer walks

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
      dialogs_(dialogs),
      core_(program, state_),
      files_(program, dialogs, settings, *this) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zolt MCU Programmer"));
    link_ = std::make_unique<LinkController>(*this, program, settings, dialogs);
    BuildControls();
    ConnectCommands();
    errorLog_ = std::make_unique<ErrorLogWindow>(this);
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

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lblLineNum_ = MakeLabel(central_, "lblLineNum", "Line #      Function Data");
    lblLineNum_->setFont(fixed);
    lstPage_ = new QListWidget(central_);
    lstPage_->setObjectName(QStringLiteral("lstPage"));
    lstPage_->setFont(fixed);
    lstPage_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstPage_->setContextMenuPolicy(Qt::CustomContextMenu);
    lstPage_->setUniformItemSizes(true);
    for (QAction* action :
         {menus_.ListEditCut, menus_.ListEditCopy, menus_.ListEditPaste, menus_.ListEditReplace}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        lstPage_->addAction(action);
    }

    lblComment_ = MakeLabel(central_, "lblComment", "Comment");
    txtComment_ = new CommentEdit(central_);

    editor_ = new editor::FunctionEditor(core_, central_);
    editor_->SetErrorReporter([this](QWidget*, const QString& message) {
        dialogs_.Tell(QStringLiteral("Error"), message, MessageIcon::Warning);
    });

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
        menus_.ListEdit->popup(lstPage_->viewport()->mapToGlobal(at));
    });
    connect(txtPageName_, &QLineEdit::textEdited, this, [this](const QString& text) {
        // A page name is not part of the line, so it marks nothing as changed.
        program_.PageName[state_.CurPage] = model::StorableText(model::FromQString(text));
    });
    connect(txtComment_, &CommentEdit::commentChanged, this,
            [this] { state_.EditComment = txtComment_->Comment(); });
    connect(txtComment_, &CommentEdit::commentEdited, this,
            [this] { state_.LineEdited = editor::LineEdit::Yes; });

    connect(cmdInsLine_, &QPushButton::clicked, this, &MainWindow::InsertLine);
    connect(cmdDelLine_, &QPushButton::clicked, this, &MainWindow::DeleteLine);
    connect(cmdAcceptChg_, &QPushButton::clicked, this, &MainWindow::AcceptChange);
    connect(cmdCancelChg_, &QPushButton::clicked, this, &MainWindow::CancelChange);
    connect(editor_, &editor::FunctionEditor::acceptRequested, this, &MainWindow::AcceptChange);
}

// ----- size and closing

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isMinimized())
        return;
    const QSize frame = frameGeometry().size();
    const shell::Size snapped = shell::SnapToMinimum({frame.width(), frame.height()});
    if (snapped.Width != frame.width() || snapped.Height != frame.height()) {
        resize(width() + snapped.Width - frame.width(), height() + snapped.Height - frame.height());
    }
}

void MainWindow::PlaceControls() {
    const shell::MainLayout l = shell::LayOutMainWindow({central_->width(), central_->height()});
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
    if (!files_.OfferToSave(true))
        return;
    exiting_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_)
        files_.OfferToSave(false);
    exiting_ = true;
    link_->Shutdown();
    event->accept();
    emit exitRequested();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == central_ && event->type() == QEvent::Resize)
        PlaceControls();
    if (watched == txtPageName_ && event->type() == QEvent::KeyPress &&
        PageNameKeyRefused(static_cast<const QKeyEvent&>(*event))) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// A double quote cannot be kept in a program file; a name is at most 65 characters typed.
bool MainWindow::PageNameKeyRefused(const QKeyEvent& key) const {
    const QString text = key.text();
    if (text.size() != 1 || (key.modifiers() & Qt::ControlModifier))
        return false;
    if (text.front() == QLatin1Char('"'))
        return true;
    return text.front() != QLatin1Char('\b') && text.front().unicode() >= 0x20 &&
           txtPageName_->text().size() > kMaxPageNameLength;
}

// ----- the page listing

void MainWindow::ShowPage(int page, int line) {
    state_.CurPage = page;
    state_.CurLine = line;
    model::StampFirmwareVersion(program_);
    ShowTitle();
    lblPage_->setText(QStringLiteral("Page ") + QChar(model::PageLetter(page)));
    txtPageName_->setText(model::ToQString(program_.PageName[page]));

    const int top = line == 0 ? 0 : lstPage_->verticalScrollBar()->value();
    listing_ = model::ListPage(program_, page);
    drawing_ = true;
    lstPage_->clear();
    for (const model::ListRow& row : listing_.Rows) {
        auto* item = new QListWidgetItem(model::ToQString(row.Text), lstPage_);
        item->setData(Qt::UserRole, row.ItemData);
    }
    drawing_ = false;

    errorLog_->SetRows(listing_.Errors);
    if (listing_.Errors.empty()) {
        errLogState_ = ErrLogState::No;
    } else if (errLogState_ == ErrLogState::Yes ||
               dialogs_.Message(QStringLiteral("Program Errors"),
                                QStringLiteral("A possible error was found on this page\n"
                                               "Do you want to view the error log?"),
                                MessageIcon::Warning, MessageButtons::YesNo,
                                Answer::Yes) == Answer::Yes) {
        errLogState_ = ErrLogState::No;
        const std::optional<int> picked = errorLog_->Run();
        if (picked) {
            errLogState_ = ErrLogState::Yes;
            SelectRow(*picked);
        } else if (errLogState_ != ErrLogState::Yes) {
            errLogState_ = ErrLogState::Cancel;
        }
    }
    lstPage_->verticalScrollBar()->setValue(top);

    if (state_.LineEdited != editor::LineEdit::Saved) {
        txtComment_->ShowComment(program_.PgmData[state_.CurRecord()].Comment);
        const int rows = static_cast<int>(listing_.Rows.size());
        state_.ListRow = std::clamp(state_.ListRow, 0, rows - 1);
        SelectRow(state_.ListRow);
        // Also before the window is first shown, so that it opens with the list in focus.
        lstPage_->setFocus();
    }
    link_->ListingChanged();
}

void MainWindow::RefreshIOLists() {
    editor_->RefreshIOLists();
}

void MainWindow::ShowNewProgram() {
    // Edits of a line of the previous program have no place in this one.
    state_.LineEdited = editor::LineEdit::No;
    state_.ListRow = 0;
    RefreshIOLists();
    ShowPage(0, 0);
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
    };
    for (const auto& [action, command] : commands)
        connect(action, &QAction::triggered, &link, command);
    connect(&link, &LinkController::transferRunning, menus_.SetupCancel, &QAction::setEnabled);
}

void MainWindow::UpdateLinkMenus(comm::CommStateWord state) {
    EnableLinkMenus(menus_, state);
}

comm::TraceView MainWindow::CurrentTraceView() const {
    comm::TraceView view;
    view.Page = state_.CurPage + 1;
    for (const model::ListRow& row : listing_.Rows)
        view.RowLines.push_back(row.ItemData);
    view.TraceItem = lstPage_->currentRow();
    return view;
}

void MainWindow::ShowTracedRow(int row) {
    if (row < 0 || row >= lstPage_->count())
        return;
    drawing_ = true;
    lstPage_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    lstPage_->scrollToItem(lstPage_->item(row));
    drawing_ = false;
}

// ----- rows and the current line

void MainWindow::SelectRow(int row) {
    drawing_ = true;
    lstPage_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    drawing_ = false;
    RowClick(row, false);
}

int MainWindow::RowOfLine(int line) const {
    for (std::size_t i = 0; i < listing_.Rows.size(); ++i) {
        if (listing_.Rows[i].ItemData == line + 1)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<bool> MainWindow::SelectedRows() const {
    std::vector<bool> selected(lstPage_->count());
    for (int i = 0; i < lstPage_->count(); ++i)
        selected[i] = lstPage_->item(i)->isSelected();
    return selected;
}

void MainWindow::RowClick(int row, bool userClick) {
    if (errLogState_ != ErrLogState::Yes && state_.LineEdited == editor::LineEdit::Saved)
        return;
    // The user's own click ends the log's "yes"; the program's re-selection of the row an
    // entry led to does not, so the next page with problems opens the log at once.
    if (userClick) {
        errLogState_ = ErrLogState::No;
        link_->ListingChanged();
    }
    if (row < 0 || row >= static_cast<int>(listing_.Rows.size()))
        return;
    if (listing_.Rows[row].ItemData == 0) {
        // A comment row belongs to the line above it; the current line stays. The row above
        // joins the selection once the list has finished its own selection for the click.
        QTimer::singleShot(0, lstPage_, [this, row] {
            if (row > 0 && row < lstPage_->count() && listing_.Rows[row].ItemData == 0)
                lstPage_->item(row - 1)->setSelected(true);
        });
        return;
    }
    int line = listing_.Rows[row].ItemData - 1;
    if (state_.LineEdited == editor::LineEdit::Yes) {
        const Answer answer = AskAboutLineEdits();
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::Yes) {
            if (!StoreCurrentLine())
                return;
            // The stored line's comment may have gained or lost rows, or the line made End
            // Page and cut the page short: find the clicked line again.
            row = RowOfLine(line);
            if (row < 0) {
                row = static_cast<int>(listing_.Rows.size()) - 1;
                line = listing_.Rows[row].ItemData - 1;
            }
        }
    }
    if (state_.LineEdited == editor::LineEdit::Saved) {
        drawing_ = true;
        lstPage_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        drawing_ = false;
        state_.LineEdited = editor::LineEdit::No;
    }
    state_.CurLine = line;
    state_.ListRow = row;
    LoadStoredLine();
}

void MainWindow::LoadStoredLine() {
    const model::PgmRecord& record = program_.PgmData[state_.CurRecord()];
    for (int i = 0; i < 4; ++i)
        state_.EditCode[i] = record.Code[i];
    txtComment_->ShowComment(record.Comment);
    state_.EditComment = record.Comment;
    editor_->LoadLine();
    state_.LineEdited = editor::LineEdit::No;
}

Answer MainWindow::AskAboutLineEdits() {
    return dialogs_.Message(QStringLiteral("Save Changes"),
                            QStringLiteral("You have unsaved changes on this line\n"
                                           "Do you want to save them now?"),
                            MessageIcon::Warning, MessageButtons::YesNoCancel, Answer::Yes);
}

bool MainWindow::StoreCurrentLine() {
    if (editor::StoreLine(program_, state_) == editor::StoreResult::PageFull) {
        Warn("Insert Line", QStringLiteral("Sorry, this page is full"));
        return false;
    }
    txtComment_->ShowComment(program_.PgmData[state_.CurRecord()].Comment);
    ShowPage(state_.CurPage, state_.CurLine);
    return true;
}

bool MainWindow::SettleLineEdits() {
    if (state_.LineEdited != editor::LineEdit::Yes)
        return true;
    const Answer answer = AskAboutLineEdits();
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::Yes &&
        editor::StoreLine(program_, state_) == editor::StoreResult::PageFull) {
        Warn("Insert Line", QStringLiteral("Sorry, this page is full"));
        return false;
    }
    state_.LineEdited = editor::LineEdit::No;
    return true;
}

void MainWindow::ChangePage(int page) {
    if (state_.LineEdited == editor::LineEdit::Yes) {
        const Answer answer = AskAboutLineEdits();
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::Yes && !StoreCurrentLine())
            return;
        state_.LineEdited = editor::LineEdit::No;
    }
    state_.ListRow = 0;
    ShowPage(page, 0);
}

// ----- line operations

void MainWindow::Warn(const char* title, const QString& text) {
    dialogs_.Tell(QString::fromLatin1(title), text, MessageIcon::Warning);
}

void MainWindow::InsertLine() {
    if (!SettleLineEdits())
        return;
    const editor::LineOpResult result =
        editor::InsertLine(program_, state_.CurPage, state_.CurLine);
    if (result == editor::LineOpResult::PageFull) {
        Warn("Insert Line", QStringLiteral("Sorry, this page is full"));
        return;
    }
    if (result != editor::LineOpResult::Done)
        return;
    ShowPage(state_.CurPage, state_.CurLine);
    if (isVisible())
        lstPage_->setFocus();
}

void MainWindow::DeleteLine() {
    if (!SettleLineEdits())
        return;
    if (program_.PgmData[state_.CurRecord()].F() == editor::kEndPageCode) {
        Warn("Delete Line", QStringLiteral("Cannot delete End Page"));
        return;
    }
    const QString question =
        MessageText(editor::DeleteQuestion(program_, state_.CurPage, state_.CurLine));
    if (dialogs_.Message(QStringLiteral("Delete Line"), question, MessageIcon::Warning,
                         MessageButtons::YesNo, Answer::Yes) != Answer::Yes) {
        return;
    }
    if (editor::DeleteLine(program_, state_.CurPage, state_.CurLine) ==
        editor::LineOpResult::Done) {
        ShowPage(state_.CurPage, state_.CurLine);
    }
}

void MainWindow::CopyLines() {
    const auto run =
        editor::FindSelectionRun(program_, state_.CurPage, listing_.Rows, SelectedRows());
    if (!run)
        return;
    editor::CopyLines(program_, state_.CurPage, *run, clipboard_);
    EnablePaste();
}

void MainWindow::CutLines() {
    const std::vector<bool> selected = SelectedRows();
    const std::optional<int> firstRow = editor::FirstSelectedLineRow(listing_.Rows, selected);
    if (!firstRow || !SettleLineEdits())
        return;
    const auto run = editor::FindSelectionRun(program_, state_.CurPage, listing_.Rows, selected);
    state_.CurLine = run->FirstLine;
    editor::CutLines(program_, state_.CurPage, *run, clipboard_);
    // The line after the cut block now stands where the block began.
    state_.ListRow = *firstRow;
    EnablePaste();
    ShowPage(state_.CurPage, state_.CurLine);
}

void MainWindow::PasteLines() {
    const std::optional<int> firstRow = editor::FirstSelectedLineRow(listing_.Rows, SelectedRows());
    if (!firstRow || !clipboard_.HasContent() || !SettleLineEdits())
        return;
    const int line = listing_.Rows[*firstRow].ItemData - 1;
    if (editor::PasteLines(program_, state_.CurPage, line, clipboard_) ==
        editor::LineOpResult::NoRoomToPaste) {
        Warn("Insert Lines", QStringLiteral("There are not enough lines available on this page\n"
                                            "to complete the insert operation"));
        return;
    }
    state_.CurLine = line;
    state_.ListRow = *firstRow;
    ShowPage(state_.CurPage, state_.CurLine);
}

void MainWindow::ReplaceLines() {
    const std::vector<bool> selected = SelectedRows();
    if (!clipboard_.HasContent() || !editor::FirstSelectedLineRow(listing_.Rows, selected) ||
        !SettleLineEdits()) {
        return;
    }
    const auto run = editor::FindSelectionRun(program_, state_.CurPage, listing_.Rows, selected);
    if (editor::ReplaceLines(program_, state_.CurPage, *run, clipboard_) ==
        editor::LineOpResult::NoRoomToReplace) {
        Warn("Replace Lines", QStringLiteral("There are not enough lines available on this page\n"
                                             "to complete the replace operation"));
        return;
    }
    state_.CurLine = run->FirstLine;
    ShowPage(state_.CurPage, state_.CurLine);
}

void MainWindow::EnablePaste() {
    menus_.ListEditPaste->setEnabled(true);
    menus_.ListEditReplace->setEnabled(true);
}

// A time, count or line box over its limit keeps the line from being stored, whichever way
// the user accepts it. The box's own leaving check has already spoken when the focus is back
// in the box; otherwise the message comes from here.
bool MainWindow::BoxesWithinLimits() {
    for (editor::FieldId id : {editor::FieldId::TimeCount, editor::FieldId::LineMisc}) {
        if (!core_.View()[id].Visible)
            continue;
        const std::optional<std::string> message = core_.CheckBeforeAccept(id);
        if (!message)
            continue;
        auto* box = editor_->findChild<QLineEdit*>(QString::fromLatin1(editor::FieldName(id)));
        if (!box->hasFocus()) {
            dialogs_.Tell(QStringLiteral("Error"), model::ToQString(*message), MessageIcon::Warning);
            box->setFocus();
            box->selectAll();
        }
        return false;
    }
    return true;
}

void MainWindow::AcceptChange() {
    if (state_.LineEdited == editor::LineEdit::No || !BoxesWithinLimits() || !StoreCurrentLine())
        return;
    const int rows = static_cast<int>(listing_.Rows.size());
    int row = state_.ListRow;
    // After End Page gave way, accepting moves on to the End Page below, so that lines can be
    // added one after another.
    if (state_.Mode == editor::EditMode::End && state_.CurLine < state_.PageLast())
        ++row;
    while (row < rows - 1 && listing_.Rows[row].ItemData == 0)
        ++row;
    state_.LineEdited = editor::LineEdit::No;
    SelectRow(std::clamp(row, 0, rows - 1));
    if (isVisible())
        lstPage_->setFocus();
}

void MainWindow::CancelChange() {
    LoadStoredLine();
}

}  // namespace gui
