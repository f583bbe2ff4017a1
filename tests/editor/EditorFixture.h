// A function editor over a new program with analog, timer and counter hardware fitted, and the
// user's actions (toolbar clicks, list picks, typed keys) as the widgets forward them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "editor/FunctionEditorCore.h"
#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "model/Program.h"

namespace testeditor {

using editor::FieldId;

// Inputs 1..6, outputs 1..4 on the MCU; block 90 analog with inputs 91, 92 and outputs 91,
// 92; both modules fitted.
inline void FitTestHardware(model::Program& program) {
    program.SetRegisterByte(90, 0, 2);
    program.SetRegisterByte(90, 1, 2);
    program.SetRegisterByte(90, 2, 1);
    program.SetRegisterByte(model::kTimerModuleRegister, 0, model::kModuleInstalled);
    program.SetRegisterByte(model::kCounterModuleRegister, 0, model::kModuleInstalled);
}

class EditorTest : public ::testing::Test {
  protected:
    EditorTest() : core(program, state) {
        model::MakeNewProgram(program);
        FitTestHardware(program);
        state.CurLine = 2;
        core.RefreshIOLists();
    }

    // The line at `line` of `page` with code as stored, loaded as a row click loads it.
    void LoadStored(std::array<int32_t, 4> code, int page = 0, int line = 2) {
        state.CurPage = page;
        state.CurLine = line;
        state.EditCode = code;
        core.LoadLine();
        state.LineEdited = editor::LineEdit::No;
    }

    const editor::FieldState& Field(FieldId id) const { return core.View()[id]; }

    // Picks the item showing `text`; fails the test when the list has none.
    void Pick(FieldId id, const std::string& text, int inputList = 0) {
        const auto& items = Field(id).Items;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].Text != text)
                continue;
            switch (id) {
                case FieldId::InputList0:
                case FieldId::InputList1:
                case FieldId::InputList2:
                    core.SelectInput(inputList, static_cast<int>(i));
                    return;
                case FieldId::OutputList:
                    core.SelectOutput(static_cast<int>(i));
                    return;
                case FieldId::FnOpts:
                    core.SelectFnOpts(static_cast<int>(i));
                    return;
                case FieldId::FnMisc:
                    core.SelectFnMisc(static_cast<int>(i));
                    return;
                case FieldId::TmrCtrNum:
                    core.SelectTmrCtrNum(static_cast<int>(i));
                    return;
                case FieldId::TmrCtrMsg:
                    core.SelectTmrCtrMsg(static_cast<int>(i));
                    return;
                default:
                    break;
            }
        }
        ADD_FAILURE() << "no item \"" << text << "\" in " << editor::FieldName(id);
    }

    // Types keys into a box the way the user does: the box is entered (its text selected), each
    // key goes through the key filter and each accepted key changes the text. Returns the box's
    // text afterwards.
    std::string Type(FieldId box, const std::string& keys) {
        EXPECT_TRUE(Field(box).Visible) << editor::FieldName(box) << " is hidden";
        std::string text = Field(box).Text;
        int selLength = static_cast<int>(text.size());
        for (char key : keys) {
            const int caret = selLength > 0 ? 0 : static_cast<int>(text.size());
            const bool accepted = box == FieldId::TimeCount
                                      ? core.TimeKeyAccepted(text, caret, selLength, key)
                                      : core.LineKeyAccepted(text, selLength, key);
            if (!accepted)
                continue;
            text = selLength ? std::string(1, key) : text + key;
            selLength = 0;
            if (box == FieldId::TimeCount)
                text = core.ChangeTimeCount(text);
            else
                core.ChangeLineMisc(text);
        }
        return text;
    }

    model::Program program;
    editor::EditorState state;
    editor::FunctionEditorCore core;
};

}  // namespace testeditor
