// Programs made for tests and benchmarks: random ones and a full, realistic one.
#pragma once

#include <random>

#include "model/Program.h"

namespace testsupport {

// Every record, name, message and panel word random; texts are Windows-1252 bytes without
// double quotes or line breaks, comments up to 240 characters.
model::Program RandomProgram(std::mt19937& rng);

// A new program whose page A holds 200 lines and pages B..F 75 lines each (the last of them
// End Page) of every function family, each with a 240-character comment.
model::Program FullProgram();

}  // namespace testsupport
