#include "incoming/MarkNewActivity.h"

#include "core/Program.h"
#include "incoming/DisplayWriter.h"
#include "incoming/IncomingMainFrame.h"
#include "incoming/IncomingWorldWindow.h"

namespace lanthorn {

void MarkNewActivity(
    Program& program, IncomingMainFrame& frame, IncomingWorldWindow& window, const DisplaySettings& site)
{
    const int slot = window.slot();
    if (program.state.world(slot).ActivityListed)
        return;
    program.state.world(slot).ActivityListed = true;
    if (program.state.Features.ActivitySeparator != 0) {
        TextDisplay& term = window.term();
        term.Disp(QByteArray(kNewActivitySeparator));
        site.applyColours(term);
    }
    const int position = frame.AddActivity(window.caption());
    program.state.world(slot).ActivityIndex = position;
}

} // namespace lanthorn
