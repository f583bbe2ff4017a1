// Undo and redo of every change a command makes to the program: a snapshot of what the program
// carries (lines, page names, I/O names, panels) before each step, at most `depth` steps back.
// The program's file state stays as it is; PgmChanged tells the truth about the saved state.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "model/Program.h"

namespace editor {

class UndoHistory {
  public:
    explicit UndoHistory(std::size_t depth = 100) : depth_(depth) {}

    // A fresh history: after New, Open or a read from a unit. `saved` tells whether the program
    // as it stands is what its file holds.
    void Reset(bool saved);
    // The program was saved as it stands.
    void MarkSaved();

    // A command named `name` ("Insert Line 5 on Page B") has run; `before` is the program as it
    // was. Records a step when the command changed what the program carries, and drops what
    // could have been redone. Typing goes on the step before when that was the same typing (one
    // step for a page name typed letter by letter), unless the program was saved in between.
    enum class Kind { Command, Typing };
    void Record(const std::string& name, const model::Program& before, const model::Program& now,
                Kind kind = Kind::Command);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    // "Insert Line 5 on Page B", or empty when there is nothing to undo.
    std::string UndoName() const;
    std::string RedoName() const;

    // Puts the program back as it was before the last step (after the next one, for Redo), and
    // sets PgmChanged to whether it now differs from the saved state.
    bool Undo(model::Program& program);
    bool Redo(model::Program& program);

    std::size_t Steps() const { return steps_.size(); }

  private:
    struct Step {
        std::string Name;
        model::Program Other;  // the program on the other side of the step
    };
    static void Swap(model::Program& program, model::Program& other);

    long Here() const { return dropped_ + static_cast<long>(position_); }

    std::size_t depth_;
    std::deque<Step> steps_;  // undone steps hold the program after them, the others before
    std::size_t position_ = 0;
    // Where the saved program stands, counted in steps since the history began; -1 for nowhere.
    long saved_ = 0;
    long dropped_ = 0;     // steps gone off the far end of the history
    bool typing_ = false;  // the last step is typing that more typing may extend
};

}  // namespace editor
