// Listing a full page A in the main window: 200 lines with 240-character comments, every line
// checked, the rows drawn into lstPage and the current line loaded into the editor.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

#include "app/gui/MainWindow.h"
#include "app/gui/UnattendedDialogs.h"
#include "model/Program.h"
#include "tests/app/MemorySettings.h"
#include "tests/support/ProgramFactory.h"

namespace {

void ShowFullPageA(benchmark::State& state) {
    // An application for this run only: one left for the end of the process would outlive
    // Qt's own state and crash on the way out.
    int argc = 1;
    char name[] = "show-page-bench";
    char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    model::Program program;
    testshell::MemorySettings settings;
    gui::UnattendedDialogs dialogs;
    gui::MainWindow window(program, settings, dialogs);
    window.show();
    program = testsupport::FullProgram();
    window.ShowNewProgram();
    QApplication::processEvents();
    for (auto _ : state)
        window.ShowPage(0, 0);
    const auto* list = window.findChild<QListWidget*>(QStringLiteral("lstPage"));
    state.counters["rows"] = list->count();
    state.counters["error questions"] = dialogs.Messages();
}
BENCHMARK(ShowFullPageA)->Unit(benchmark::kMillisecond);

}  // namespace
