// Writing the edited line back into its page.
#pragma once

#include "editor/EditorState.h"

namespace model {
class Program;
}

namespace editor {

enum class StoreResult {
    Stored,
    PageFull,  // the End Page in the page's last slot was given another function
};

// Writes EditCode (values above 255 as 255) and EditComment into the current line. Giving the
// End Page line another function pushes End Page down one line and sets EditMode "end"; making
// a line End Page clears the lines after it up to the page's last record. Sets PgmChanged, and
// LineEdited "saved" when it was "yes". Refuses, changing nothing, when End Page would have to
// move past the page.
StoreResult StoreLine(model::Program& program, EditorState& state);

}  // namespace editor
