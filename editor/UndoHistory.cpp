// The undo history.
#include "editor/UndoHistory.h"

#include <utility>

#include "model/HardwareConfig.h"

namespace editor {

void UndoHistory::Reset(bool saved) {
    steps_.clear();
    position_ = 0;
    dropped_ = 0;
    saved_ = saved ? 0 : -1;
    typing_ = false;
}

void UndoHistory::MarkSaved() {
    saved_ = Here();
    typing_ = false;
}

void UndoHistory::Record(const std::string& name, const model::Program& before,
                         const model::Program& now, Kind kind) {
    if (before.SameContent(now))
        return;
    steps_.erase(steps_.begin() + static_cast<long>(position_), steps_.end());
    if (saved_ > Here())
        saved_ = -1;  // the saved program was undone and is now out of reach
    if (kind == Kind::Typing && typing_ && position_ > 0 && steps_.back().Name == name)
        return;  // the step before already holds the program before this typing began
    steps_.push_back({name, before});
    ++position_;
    typing_ = kind == Kind::Typing;
    if (steps_.size() > depth_) {
        steps_.pop_front();
        --position_;
        ++dropped_;
    }
}

std::string UndoHistory::UndoName() const {
    return CanUndo() ? steps_[position_ - 1].Name : std::string();
}

std::string UndoHistory::RedoName() const {
    return CanRedo() ? steps_[position_].Name : std::string();
}

bool UndoHistory::Undo(model::Program& program) {
    if (!CanUndo())
        return false;
    --position_;
    Swap(program, steps_[position_].Other);
    program.PgmChanged = Here() != saved_;
    typing_ = false;
    return true;
}

bool UndoHistory::Redo(model::Program& program) {
    if (!CanRedo())
        return false;
    Swap(program, steps_[position_].Other);
    ++position_;
    program.PgmChanged = Here() != saved_;
    typing_ = false;
    return true;
}

// What a file or a transfer carries changes sides; the file state stays with the program.
void UndoHistory::Swap(model::Program& program, model::Program& other) {
    std::swap(program.PgmData, other.PgmData);
    std::swap(program.PageName, other.PageName);
    std::swap(program.IOName, other.IOName);
    std::swap(program.Tmr, other.Tmr);
    std::swap(program.Ctr, other.Ctr);
    model::RebuildIOType(program);
}

}  // namespace editor
