// File > New, Open, Save and Export from the window, with damaged files, unopenable files and
// places that refuse the write.
#include <QComboBox>
#include <QFile>

#include "files/ProgramFile.h"
#include "tests/app/gui/GuiFixture.h"
#include "tests/editor/PageBuilder.h"
#include "tests/files/TestFiles.h"

namespace {

using gui::Answer;
using testgui::MainWindowTest;

QString Q(const std::string& path) {
    return QString::fromStdString(path);
}

TEST_F(MainWindowTest, SaveWritesTheFileAndShowsItsNameInTheTitle) {
    testfiles::ScratchFolder folder;
    dialogs.files = {Q(folder.File("plant.zlp"))};
    Trigger("mnuFileSave");
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].Title, "Save Zolt Program");
    EXPECT_EQ(dialogs.fileDialogs[0].Filter, "Zolt files (*.zlp)|*.zlp|All files (*.*)|*.*");
    EXPECT_EQ(dialogs.fileDialogs[0].Preset, "*.zlp");
    EXPECT_TRUE(dialogs.texts.isEmpty());
    EXPECT_EQ(testfiles::ReadBytes(folder.File("plant.zlp")), files::ProgramFileText(program));
    EXPECT_EQ(window->windowTitle(), "Zolt MCU Programmer [plant.zlp]");
    EXPECT_EQ(settings.Get("Key", "PgmDir", ""), folder.Path());

    // The next save starts from the file; Open from its folder.
    Trigger("mnuFileSave");
    EXPECT_EQ(dialogs.fileDialogs[1].Preset, Q(folder.File("plant.zlp")));
    Trigger("mnuFileOpen");
    EXPECT_EQ(dialogs.fileDialogs[2].Title, "Open Zolt Program");
    EXPECT_EQ(dialogs.fileDialogs[2].Preset, Q(folder.Path() + "/*.zlp"));
}

// What a failed save or open leaves of the program and its file is the files tests'; here the
// failure reaches the user, naming the file.
TEST_F(MainWindowTest, SaveToAPlaceNobodyCanWriteSaysWhere) {
    const std::string target = "/proc/zolt-gui-test.zlp";
    program.PgmChanged = true;
    dialogs.files = {Q(target)};
    Trigger("mnuFileSave");
    ASSERT_EQ(dialogs.titles, QStringList{"Save Zolt Program"});
    EXPECT_TRUE(dialogs.texts[0].contains(Q(target))) << dialogs.texts[0].toStdString();
}

TEST_F(MainWindowTest, OpenOfAnUnopenableFileSaysSoAndOfADamagedOneShowsWhatWasRead) {
    dialogs.files = {Q("/nonexistent-folder/gone.zlp")};
    Trigger("mnuFileOpen");
    ASSERT_EQ(dialogs.titles, QStringList{"Open Zolt Program"});
    EXPECT_TRUE(dialogs.texts[0].contains("/nonexistent-folder/gone.zlp"));

    testfiles::ScratchFolder folder;
    model::Program damaged = testpage::ProgramWithLines(0, 4);
    damaged.PgmData[2].Code = {1, 0x07, 1, 0};  // input 7: a problem for the error log
    const std::string whole = files::ProgramFileText(damaged);
    const std::string path = folder.File("cut.zlp");
    // Cut in the middle of the records: page A's four lines are in, the rest is missing.
    testfiles::WriteBytes(path, whole.substr(0, whole.size() / 3));
    dialogs.files = {Q(path)};
    Trigger("mnuFileOpen");
    // What the file lacks is said before the page's problems are offered.
    ASSERT_EQ(dialogs.titles,
              (QStringList{"Open Zolt Program", "Open Zolt Program", "Program Errors"}));
    EXPECT_TRUE(dialogs.texts[1].contains(Q(path)));
    EXPECT_TRUE(dialogs.texts[1].contains("damaged or ends early"));
    EXPECT_EQ(List()->count(), 9);  // four lines with their comments, then End Page
    EXPECT_EQ(window->windowTitle(), "Zolt MCU Programmer [cut.zlp]");
}

TEST_F(MainWindowTest, NewFromTheMenuOrCtrlNAsksAboutChangesAndCancelKeepsTheProgram) {
    Use(testpage::ProgramWithLines(0, 2));
    program.PgmChanged = true;
    dialogs.answers = {Answer::Cancel};
    Trigger("mnuFileNew");
    EXPECT_EQ(testpage::Lines(program, 0), "L1 L2 END");
    // Yes saves first; a cancelled save dialog keeps the changes it was asked to save.
    dialogs.answers = {Answer::Yes};
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(testpage::Lines(program, 0), "L1 L2 END");
    EXPECT_TRUE(program.PgmChanged);
}

TEST_F(MainWindowTest, ExportWritesTheListingAndReports) {
    testfiles::ScratchFolder folder;
    dialogs.files = {Q(folder.File("plant.txt")), Q("/proc/zolt-gui-test.txt")};
    Trigger("mnuFileExport");
    EXPECT_EQ(dialogs.fileDialogs[0].Title, "Export Zolt Program");
    EXPECT_EQ(dialogs.fileDialogs[0].Preset, "*.txt");
    ASSERT_EQ(dialogs.texts.size(), 1u);
    EXPECT_EQ(dialogs.texts[0], "Program export complete");
    EXPECT_EQ(testfiles::ReadBytes(folder.File("plant.txt")).rfind("Page A", 0), 0u);
    EXPECT_FALSE(Find<QLabel>("lblXFerStat")->isVisible());
    EXPECT_FALSE(settings.values.count({"Key", "PgmDir"}));

    Trigger("mnuFileExport");
    ASSERT_EQ(dialogs.texts.size(), 2u);
    EXPECT_TRUE(dialogs.texts[1].contains("/proc/zolt-gui-test.txt"));
}

// Print to "PDF file" (the offer of a machine without printers): the preview's pages go to the
// chosen file, with .pdf added, and the dialog's numbers become the "Printing" settings. A PDF
// that cannot be written is reported and leaves nothing behind.
TEST_F(MainWindowTest, PrintToAPdfFileWritesItWholeOrSaysWhy) {
    testfiles::ScratchFolder folder;
    dialogs.files = {Q(folder.File("listing")), Q("/proc/zolt-gui-test.pdf")};
    const auto printToPdf = [this] {
        testgui::WhenShown("frmPrint", window.get(), [](QWidget* print) {
            print->findChild<QComboBox*>("cboPrinters")->setCurrentText("PDF file");
            print->findChild<QLineEdit*>("txtPrnLines")->setText("20");
            QTest::mouseClick(print->findChild<QPushButton*>("cmdPrnOK"), Qt::LeftButton);
        });
        Trigger("mnuFilePrint");
    };
    printToPdf();
    EXPECT_EQ(testfiles::ReadBytes(folder.File("listing.pdf")).compare(0, 5, "%PDF-"), 0);
    EXPECT_EQ(settings.Get("Printing", "Lines", ""), "20");
    EXPECT_TRUE(dialogs.texts.isEmpty());

    printToPdf();
    ASSERT_EQ(dialogs.texts.size(), 1);
    EXPECT_TRUE(dialogs.texts[0].contains("/proc/zolt-gui-test.pdf"))
        << dialogs.texts[0].toStdString();
    EXPECT_FALSE(QFile::exists("/proc/zolt-gui-test.pdf.part"));
    EXPECT_TRUE(window->isEnabled());
}

}  // namespace
