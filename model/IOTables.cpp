// Default I/O names.
#include "model/IOTables.h"

namespace model {

IONameTable DefaultIONames() {
    IONameTable names;
    for (int k = 0; k < kIONumberCount; ++k) {
        names[k][kInput] = names[k][kOutput] = std::to_string(k);
    }
    return names;
}

}  // namespace model
