// Comparison of two programs' content.
#include "model/Program.h"

namespace model {

bool Program::SameContent(const Program& other) const {
    return PgmData == other.PgmData && PageName == other.PageName && IOName == other.IOName &&
           Tmr == other.Tmr && Ctr == other.Ctr;
}

}  // namespace model
