// A function editor over a new program with analog, timer and counter hardware fitted, and the
// user's actions (list picks, typed keys) as the widgets forward them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "editor/FunctionEditorCore.h"
#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "model/Program.h"

namespace testeditor {

using editor::FieldId;

class EditorTest : public ::testing::Test {
  protected:
    EditorTest() : core(program, state) {
        model::MakeNewProgram(program);
        // Inputs 1..6, outputs 1..4 on the MCU; block 90 analog with inputs 91, 92 and outputs
        // 91, 92; both modules fitted.
        program.SetRegisterByte(90, 0, 2);
        program.SetRegisterByte(90, 1, 2);
        program.SetRegisterByte(90, 2, 1);
        program.SetRegisterByte(model::kTimerModuleRegister, 0, model::kModuleInstalled);
        program.SetRegisterByte(model::kCounterModuleRegister, 0, model::kModuleInstalled);
        state.CurLine = 2;
        core.RefreshIOLists();
    }

    // The line at `line` of `page` with code as stored, loaded as a row click loads it.
    void LoadStored(editor::LineCode code, int page = 0, int line = 2) {
        state.CurPage = page;
        state.CurLine = line;
        state.EditCode = code;
        state.LineEdited = editor::LineEdit::No;
        core.LoadLine();
    }

    const editor::FieldState& Field(FieldId id) const { return core.View()[id]; }

    // Picks the item showing `text`, as the list's widget reports a pick; fails the test when
    // the list has no such item.
    void Pick(FieldId id, const std::string& text) {
        const auto& items = Field(id).Items;
        const auto item = std::find_if(items.begin(), items.end(), [&text](const auto& candidate) {
            return candidate.Text == text;
        });
        ASSERT_NE(item, items.end()) << "no item \"" << text << "\" in " << editor::FieldName(id);
        const int i = static_cast<int>(item - items.begin());
        switch (id) {
            case FieldId::OutputList:
                return core.SelectOutput(i);
            case FieldId::FnOpts:
                return core.SelectFnOpts(i);
            case FieldId::FnMisc:
                return core.SelectFnMisc(i);
            case FieldId::TmrCtrNum:
                return core.SelectTmrCtrNum(i);
            case FieldId::TmrCtrMsg:
                return core.SelectTmrCtrMsg(i);
            default:
                return core.SelectInput(static_cast<int>(id), i);
        }
    }

    // Types keys into a box the way the user does: the box is entered (its text selected), each
    // key goes through the key filter and each accepted key changes the text.
    void Type(FieldId box, const std::string& keys) {
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
    }

    model::Program program;
    editor::EditorState state;
    editor::FunctionEditorCore core;
};

}  // namespace testeditor
