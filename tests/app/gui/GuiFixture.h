// The main window on an offscreen display, with its message boxes and file dialogs answered by
// the test, and helpers that drive the controls as the user does.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "app/gui/CommentEdit.h"
#include "app/gui/Dialogs.h"
#include "app/gui/MainWindow.h"
#include "model/Program.h"
#include "tests/app/MemorySettings.h"
#include "tests/support/DialogDriving.h"
#include "tests/support/QtTestApp.h"

namespace testgui {

using testsupport::WhenShown;

// Answers boxes and file dialogs from queues; a box nobody planned for gets its safest answer
// (OK, No or Cancel) and a file dialog is cancelled, so that no test can hang.
class ScriptedDialogs : public gui::Dialogs {
  public:
    gui::Answer Message(const QString& title, const QString& text, gui::MessageIcon,
                        gui::MessageButtons offered, gui::Answer) override {
        titles << title;
        texts << text;
        buttons.push_back(offered);
        return Next(answers, gui::SafestAnswer(offered));
    }
    std::optional<QString> OpenFileName(const gui::FileDialogRequest& request) override {
        fileDialogs.push_back(request);
        return Next(files, std::optional<QString>());
    }
    std::optional<QString> SaveFileName(const gui::FileDialogRequest& request) override {
        return OpenFileName(request);
    }
    // The user prints from the preview.
    bool Preview(QPrinter&, const std::function<void(QPrinter&)>&) override { return true; }

    std::deque<gui::Answer> answers;
    std::deque<std::optional<QString>> files;  // an empty entry cancels the dialog
    QStringList titles;                        // of the boxes shown, with their texts and buttons
    QStringList texts;
    std::vector<gui::MessageButtons> buttons;
    std::vector<gui::FileDialogRequest> fileDialogs;

  private:
    template <typename T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty())
            return otherwise;
        T next = queue.front();
        queue.pop_front();
        return next;
    }
};

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        window = std::make_unique<gui::MainWindow>(program, settings, dialogs);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T>
    T* Find(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QListWidget* List() { return Find<QListWidget>("lstPage"); }
    gui::CommentEdit* Comment() { return Find<gui::CommentEdit>("txtComment"); }
    const editor::EditorState& State() const { return window->Session().State(); }

    // Replaces the program as Open does and shows page A.
    void Use(const model::Program& replacement) {
        program = replacement;
        window->ShowNewProgram();
    }

    // A click on a row, as the mouse gives it.
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QRect rect = List()->visualItemRect(List()->item(row));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, modifiers, rect.center());
        QApplication::processEvents();
    }
    void Press(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    void Trigger(const char* action) {
        QAction* found = Find<QAction>(action);
        ASSERT_TRUE(found->isEnabled()) << action;
        found->trigger();
    }
    // Types into the comment box at its end.
    void TypeComment(const QString& keys) {
        Comment()->setFocus();
        Comment()->moveCursor(QTextCursor::End);
        QTest::keyClicks(Comment(), keys);
    }

    model::Program program;
    testshell::MemorySettings settings;
    ScriptedDialogs dialogs;
    std::unique_ptr<gui::MainWindow> window;
};

// Row of line n (1-based) on a page of numbered lines: each line has one comment row.
inline int RowOf(int line) {
    return 2 * (line - 1);
}

}  // namespace testgui
