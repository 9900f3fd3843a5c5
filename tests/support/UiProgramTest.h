#pragma once

#include "FakeUiServices.h"
#include "ProgramTest.h"

namespace lanthorn::testing {

/// A program with scripted services for windows: message boxes, dialogs, clipboard and the rest.
using UiProgramTest = ProgramFixture<FakeUiServices>;

} // namespace lanthorn::testing
