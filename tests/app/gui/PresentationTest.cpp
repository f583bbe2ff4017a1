// Help, about and the tour from the Help menu: the help window's history, the about box's
// lines, and the tour's branches with its questions answered by the test. What the settings
// decide after the slides is the shell's test.
#include <QDir>
#include <QTextBrowser>

#include "tests/app/gui/GuiFixture.h"
#include "tests/files/TestFiles.h"

namespace testgui {
namespace {

class PresentationTest : public MainWindowTest {
  protected:
    // A data folder with two help pages and two tour slides, named by the "Directory" setting.
    PresentationTest() {
        QDir(Q(data.Path())).mkpath(QStringLiteral("Help"));
        QDir(Q(data.Path())).mkpath(QStringLiteral("Demo/Tour"));
        Write("Help/main.htm", "<h1>Contents</h1><a href=\"menus.htm\">Menus</a>");
        Write("Help/menus.htm", "<h1>Menus</h1>");
        Write("Demo/Tour/slide01.htm", "<h1>One</h1>");
        Write("Demo/Tour/slide02.htm", "<h1>Two</h1>");
        settings.values[{"Key", "Directory"}] = data.Path();
    }
    static QString Q(const std::string& text) { return QString::fromStdString(text); }
    void Write(const char* name, const char* html) { testfiles::WriteBytes(data.File(name), html); }
    // Answers the next question of the tour with its first or second button.
    void Answer(int button) {
        WhenShown("frmWelcome", window.get(), [button](QWidget* welcome) {
            welcome->findChild<QPushButton*>(button == 1 ? "cmdWelcm1" : "cmdWelcm2")->click();
        });
    }
    // Closes the slides once they show, counting them.
    void CloseSlides() {
        WhenShown("frmTour", window.get(), [this](QWidget* slides) {
            ++slideShows;
            slides->findChild<QPushButton*>("cmdTourClose")->click();
        });
    }

    testfiles::ScratchFolder data;
    int slideShows = 0;
};

TEST_F(PresentationTest, HelpOpensTheContentsAndBackAndForwardFollowTheHistory) {
    Trigger("mnuHelpContents");
    QWidget* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmHelpBrowser" && w->isVisible())
            help = w;
    }
    ASSERT_NE(help, nullptr);
    auto* view = help->findChild<QTextBrowser*>("brHelpBrowser");
    EXPECT_TRUE(view->source().toLocalFile().endsWith("Help/main.htm"));
    auto* back = help->findChild<QAction*>("Back");
    auto* forward = help->findChild<QAction*>("Forward");
    EXPECT_FALSE(back->isEnabled() || forward->isEnabled());
    view->setSource(QUrl(QStringLiteral("menus.htm")));
    EXPECT_TRUE(back->isEnabled());
    back->trigger();
    EXPECT_TRUE(forward->isEnabled() && !back->isEnabled());

    settings.values[{"Key", "Directory"}] = "/nowhere";
    Trigger("mnuHelpContents");
    ASSERT_EQ(dialogs.texts.size(), 1);
    EXPECT_EQ(dialogs.texts[0],
              "An error occurred while opening the help file.\nPlease open the "
              "file \n\n/nowhere/Help/main.htm\n\nin your web browser.");
}

TEST_F(PresentationTest, AboutShowsTheProgramVersionWithNothingConnected) {
    QString lines;
    WhenShown("frmHelpAbout", window.get(), [&lines](QWidget* about) {
        lines = about->findChild<QLabel*>("lblAbout2")->text();
        about->close();
    });
    Trigger("mnuHelpAbout");
    EXPECT_EQ(lines,
              QStringLiteral("Program Version:  ") + QString::fromLatin1(model::kAppVersion));
}

// Yes without a port, then Skip: the user hears the sample cannot run, then sees the slides;
// no "demo" setting, so the program stays as it was.
TEST_F(PresentationTest, TourWithoutAPortSaysTheSampleCannotRunAndShowsTheSlides) {
    program.PageName[0] = "Mine";
    Answer(1);
    WhenShown("frmWelcome", window.get(), [this](QWidget* port) {
        EXPECT_EQ(port->findChild<QPushButton*>("cmdWelcm2")->text(), "Skip");
        Answer(2);
        port->findChild<QPushButton*>("cmdWelcm2")->click();
    });
    CloseSlides();
    Trigger("mnuHelpTour");
    EXPECT_EQ(dialogs.titles, QStringList{"Tour the Zolt"});
    EXPECT_EQ(slideShows, 1);
    EXPECT_EQ(program.PageName[0], "Mine");
}

// With a port that never answers, Escape in the main window ends the wait and the tour: no
// slides.
TEST_F(PresentationTest, EscapeWhileWaitingForTheMcuEndsTheTour) {
    settings.values[{"Communications", "Port"}] = "1";
    settings.values[{"Communications", "Device1"}] = "/dev/null";
    Answer(1);
    CloseSlides();
    QTimer::singleShot(300, window.get(),
                       [this] { QTest::keyClick(window.get(), Qt::Key_Escape); });
    Trigger("mnuHelpTour");
    EXPECT_EQ(slideShows, 0);
}

}  // namespace
}  // namespace testgui
