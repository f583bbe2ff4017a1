// zoltctl's file commands, run as a user runs them: what each writes or prints, and its exit
// status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/ZoltctlRun.h"
#include "tests/files/TestFiles.h"

namespace {

using zoltctltest::Outcome;
using zoltctltest::Zoltctl;

const std::string kData = ZOLT_TEST_DATA "/";

TEST(Zoltctl, NewAndExportWriteTheirFilesByteForByte) {
    testfiles::ScratchFolder scratch;
    EXPECT_EQ(Zoltctl("new " + scratch.File("n.zlp")).status, 0);
    EXPECT_EQ(testfiles::ReadBytes(scratch.File("n.zlp")), testfiles::DataFile("new.zlp"));
    EXPECT_EQ(Zoltctl("export " + kData + "sample.zlp " + scratch.File("x.txt")).status, 0);
    EXPECT_EQ(testfiles::ReadBytes(scratch.File("x.txt")), testfiles::DataFile("sample.txt"));
    const Outcome toStdout = Zoltctl("export " + kData + "sample.zlp -");
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_EQ(toStdout.out, testfiles::DataFile("sample.txt"));
    // A file from before the panel settings keeps a new program's, as in the window.
    const Outcome beta = Zoltctl("export " + kData + "sample-beta.zlp -");
    EXPECT_NE(beta.out.find("Timer 1 ...... Named  'Timer 1'"), std::string::npos) << beta.out;
}

TEST(Zoltctl, ListPrintsOnePageOrEveryPageUnderItsHeadingInUtf8) {
    const Outcome one = Zoltctl("list " + kData + "sample.zlp --page b");
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out,
              "     1          Repeat from Line 1, 2 Times\n"
              "                    Repeat on line one\n"
              "     2          End Page\n");
    std::string pages;
    for (char page = 'A'; page <= 'F'; ++page)
        pages += std::string("Page ") + page + "\n     1          End Page\n";
    EXPECT_EQ(Zoltctl("list " + kData + "new.zlp").out, pages);
    EXPECT_NE(Zoltctl("list " + kData + "sample.zlp").out.find("Caf\xC3\xA9 \xC3\xBC"),
              std::string::npos);
}

TEST(Zoltctl, CheckPrintsTheErrorLogOfEachPageWithProblems) {
    const Outcome problems = Zoltctl("check " + kData + "sample.zlp");
    EXPECT_EQ(problems.status, 1);
    EXPECT_EQ(problems.out,
              "Page A\n"
              "Line 5:  Third Input is not installed. \n"
              "Line 9:   The Counter Module is not installed. \n"
              "Line 11:   Error reading the function code for this line. \n"
              "Line 13:   The Counter Module is not installed. \n"
              "Page B\n"
              "Line 1:   Repeat Lines function cannot be used on line 1. \n");
    const Outcome clean = Zoltctl("check " + kData + "new.zlp");
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "");
}

// The default sections are the six pages, the setup and the fitted timer module's entries and
// messages: nine sheets. With one line a sheet, page B's two lines take a sheet each. A margin the
// print dialog refuses is refused here too, and a PDF that cannot be written leaves nothing behind.
TEST(Zoltctl, PrintWritesOnePdfPagePerSheetWithTheDialogsLimits) {
    testfiles::ScratchFolder scratch;
    const std::string pdf = scratch.File("out.pdf");
    const Outcome printed = Zoltctl("print " + kData + "sample.zlp --pdf " + pdf);
    EXPECT_EQ(printed.out, "9 sheets written to " + pdf + "\n");
    EXPECT_NE(testfiles::ReadBytes(pdf).find("/Count 9 >>"), std::string::npos);
    const Outcome margin = Zoltctl("print " + kData + "sample.zlp --left 0.05 --pdf " + pdf);
    EXPECT_EQ(margin.status, 64);
    EXPECT_NE(margin.err.find("Left margin must be at least 0.1 inches"), std::string::npos);
    const Outcome nowhere = Zoltctl("print " + kData + "sample.zlp --pdf /proc/zolt.pdf");
    EXPECT_EQ(nowhere.status, 2);
    EXPECT_EQ(
        Zoltctl("print " + kData + "sample.zlp --sections timers,B --lines 1 --pdf " + pdf).out,
        "4 sheets written to " + pdf + "\n");
}

// diff and xref answer scripts with their exit status: 0 the same / used, 1 different / unused.
TEST(Zoltctl, DiffAndXrefTellByTheirExitStatus) {
    const Outcome same = Zoltctl("diff " + kData + "sample.zlp " + kData + "sample.zlp");
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");
    const Outcome differ = Zoltctl("diff " + kData + "sample.zlp " + kData + "new.zlp");
    EXPECT_EQ(differ.status, 1);
    EXPECT_EQ(differ.out.rfind("Page A, name\n- Page A     Main sequence\n+ Page A     \n", 0), 0u)
        << differ.out;
    EXPECT_EQ(Zoltctl("xref " + kData + "sample.zlp --output 12").out,
              "Page A line 3: Turn ON Output PUMP\n");
    EXPECT_EQ(Zoltctl("xref " + kData + "sample.zlp --counter 8").status, 1);
}

TEST(Zoltctl, UnreadableFilesExitWith2AndSayWhereReadingStopped) {
    testfiles::ScratchFolder scratch;
    const std::string cut = scratch.File("cut.zlp");
    testfiles::WriteBytes(cut, testfiles::DataFile("sample.zlp").substr(0, 100));
    for (const std::string& args : {"list " + cut, "check " + cut, "export " + cut + " -"}) {
        const Outcome damaged = Zoltctl(args);
        EXPECT_EQ(damaged.status, 2) << args;
        EXPECT_EQ(damaged.out, "") << args;
        EXPECT_NE(damaged.err.find(cut + ": reading stopped at"), std::string::npos) << damaged.err;
    }
    const Outcome unwritable = Zoltctl("new " + scratch.File("no/such/folder/n.zlp"));
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("cannot create a file in"), std::string::npos);
}

TEST(Zoltctl, HelpAndUsageErrors) {
    const Outcome help = Zoltctl("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("\n  check "), std::string::npos) << help.out;
    const Outcome listHelp = Zoltctl("list --help");
    EXPECT_EQ(listHelp.status, 0);
    EXPECT_EQ(listHelp.out.rfind("usage: zoltctl list", 0), 0u);
    for (const std::string& args :
         std::vector<std::string>{"frobnicate", "list", "list " + kData + "new.zlp --page G", ""})
        EXPECT_EQ(Zoltctl(args).status, 64) << args;
}

}  // namespace
