// The application every window test of this program runs in.
#include "tests/app/gui/GuiFixture.h"

namespace {

const ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new testgui::QtEnvironment);

}  // namespace
