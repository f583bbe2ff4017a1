// The BIOS registers dialog's edits: written at once, refused above 255, never past 125.
#include <gtest/gtest.h>

#include "hardware/BiosRegisterEditor.h"
#include "model/NewProgram.h"
#include "model/Program.h"

namespace {

using hardware::BiosRegisterEditor;

class BiosRegisterEditorTest : public ::testing::Test {
  protected:
    BiosRegisterEditorTest() { model::MakeNewProgram(program); }
    std::string Bytes() const {
        std::string shown;
        for (int b = 0; b < 4; ++b)
            shown += editor.Text(b) + (b < 3 ? "," : "");
        return shown;
    }
    model::Program program;
    BiosRegisterEditor editor{program};
};

TEST_F(BiosRegisterEditorTest, ShowsTheChosenRegistersFourBytes) {
    EXPECT_EQ(Bytes(), "0,0,0,0");
    editor.Choose(10);
    EXPECT_EQ(Bytes(), "6,4,0,2");
    editor.Choose(11);
    EXPECT_EQ(Bytes(), "10,0,0,0");
}

// Typing 3, 30, 300: the byte follows to 30 and the field goes back to "30" at 300.
TEST_F(BiosRegisterEditorTest, AValueAbove255IsRefusedAndTheFieldReverts) {
    editor.Choose(20);
    EXPECT_EQ(editor.Edit(0, "3"), "3");
    EXPECT_EQ(editor.Edit(0, "30"), "30");
    EXPECT_TRUE(program.PgmChanged);
    EXPECT_EQ(editor.Edit(0, "300"), "30");
    EXPECT_EQ(program.RegisterByte(20, 0), 30);
    EXPECT_EQ(editor.Edit(3, ""), "");
    EXPECT_EQ(program.RegisterByte(20, 3), 0);
}

// A minus sign would put a negative number where the controller reads a byte.
TEST_F(BiosRegisterEditorTest, OnlyDigitsReachARegister) {
    editor.Choose(5);
    EXPECT_EQ(editor.Edit(1, "-5"), "5");
    EXPECT_EQ(program.RegisterByte(5, 1), 5);
}

// Registers 126..151 hold the controller's own data: no choice reaches them.
TEST_F(BiosRegisterEditorTest, RegistersAbove125AreOutOfReach) {
    program.SetRegisterByte(126, 0, 77);
    for (int asked : {126, 151, 1000}) {
        editor.Choose(asked);
        EXPECT_EQ(editor.Chosen(), BiosRegisterEditor::kLast);
        editor.Edit(0, "9");
    }
    editor.Choose(0);
    EXPECT_EQ(editor.Chosen(), BiosRegisterEditor::kFirst);
    EXPECT_EQ(program.RegisterByte(126, 0), 77);
    EXPECT_EQ(program.RegisterByte(125, 0), 9);
}

}  // namespace
