// zoltctl's file commands, run as a user runs them.
#include <gtest/gtest.h>

#include "tests/app/ZoltctlRun.h"
#include "tests/files/TestFiles.h"

namespace {

using zoltctltest::Outcome;
using zoltctltest::Zoltctl;

std::string Data(const std::string& name) {
    return std::string(ZOLT_TEST_DATA) + "/" + name;
}

TEST(Zoltctl, NewWritesTheNewProgramFile) {
    testfiles::ScratchFolder scratch;
    const Outcome run = Zoltctl("new " + scratch.File("n.zlp"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(testfiles::ReadBytes(scratch.File("n.zlp")), testfiles::DataFile("new.zlp"));
}

TEST(Zoltctl, ListPrintsOnePageOrEveryPageUnderItsHeading) {
    const Outcome one = Zoltctl("list " + Data("sample.zlp") + " --page b");
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out,
              "     1          Repeat from Line 1, 2 Times\n"
              "                    Repeat on line one\n"
              "     2          End Page\n");
    const Outcome all = Zoltctl("list " + Data("new.zlp"));
    std::string expected;
    for (char page = 'A'; page <= 'F'; ++page) {
        expected += std::string("Page ") + page + "\n     1          End Page\n";
    }
    EXPECT_EQ(all.out, expected);
    // Comments are shown in UTF-8 on the terminal.
    EXPECT_NE(Zoltctl("list " + Data("sample.zlp"))
                  .out.find("Caf\xC3\xA9 \xC3\xBC"
                            "ber"),
              std::string::npos);
}

TEST(Zoltctl, CheckPrintsTheErrorLogOfEachPageWithProblems) {
    const Outcome problems = Zoltctl("check " + Data("sample.zlp"));
    EXPECT_EQ(problems.status, 1);
    EXPECT_EQ(problems.out,
              "Page A\n"
              "Line 5:  Third Input is not installed. \n"
              "Line 9:   The Counter Module is not installed. \n"
              "Line 11:   Error reading the function code for this line. \n"
              "Line 13:   The Counter Module is not installed. \n"
              "Page B\n"
              "Line 1:   Repeat Lines function cannot be used on line 1. \n");
    const Outcome clean = Zoltctl("check " + Data("new.zlp"));
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "");
}

TEST(Zoltctl, ExportWritesTheListingToAFileOrStandardOutput) {
    testfiles::ScratchFolder scratch;
    EXPECT_EQ(Zoltctl("export " + Data("sample.zlp") + " " + scratch.File("x.txt")).status, 0);
    EXPECT_EQ(testfiles::ReadBytes(scratch.File("x.txt")), testfiles::DataFile("sample.txt"));
    const Outcome toStdout = Zoltctl("export " + Data("sample.zlp") + " -");
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_EQ(toStdout.out, testfiles::DataFile("sample.txt"));
    // A file from before the panel settings keeps a new program's, as in the window.
    const Outcome beta = Zoltctl("export " + Data("sample-beta.zlp") + " -");
    EXPECT_NE(beta.out.find("Timer 1 ...... Named  'Timer 1'"), std::string::npos) << beta.out;
}

TEST(Zoltctl, UnreadableFilesExitWith2AndSayWhereReadingStopped) {
    testfiles::ScratchFolder scratch;
    const std::string cut = scratch.File("cut.zlp");
    testfiles::WriteBytes(cut, testfiles::DataFile("sample.zlp").substr(0, 100));
    for (const char* command : {"list", "check", "export"}) {
        const std::string extra = std::string(command) == "export" ? " -" : "";
        const Outcome damaged = Zoltctl(std::string(command) + " " + cut + extra);
        EXPECT_EQ(damaged.status, 2) << command;
        EXPECT_EQ(damaged.out, "") << command;
        EXPECT_NE(
            damaged.err.find(
                cut + ": reading stopped at line 9, record 0, code byte 0: the file ends here"),
            std::string::npos)
            << damaged.err;
        const Outcome missing =
            Zoltctl(std::string(command) + " " + scratch.File("none.zlp") + extra);
        EXPECT_EQ(missing.status, 2);
        EXPECT_NE(missing.err.find("none.zlp: cannot open"), std::string::npos) << missing.err;
    }
    const Outcome unwritable = Zoltctl("new " + scratch.File("no/such/folder/n.zlp"));
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("cannot create a file in"), std::string::npos);
}

TEST(Zoltctl, HelpAndUsageErrors) {
    const Outcome help = Zoltctl("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"new", "list", "check", "export"}) {
        EXPECT_NE(help.out.find(std::string("  ") + command), std::string::npos) << command;
        const Outcome commandHelp = Zoltctl(std::string(command) + " --help");
        EXPECT_EQ(commandHelp.status, 0);
        EXPECT_EQ(commandHelp.out.rfind(std::string("usage: zoltctl ") + command, 0), 0u);
    }
    EXPECT_EQ(Zoltctl("frobnicate").status, 64);
    EXPECT_EQ(Zoltctl("list").status, 64);
    EXPECT_EQ(Zoltctl("list " + Data("new.zlp") + " --page G").status, 64);
    EXPECT_EQ(Zoltctl("").status, 64);
}

}  // namespace
