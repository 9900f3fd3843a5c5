#pragma once

#include "core/ProgramState.h"

#include <QList>

namespace lanthorn {
class Program;
}

namespace lanthorn::bench {

/// The filter lists of the flood scenario "b": 50 gags and 50 triggers that never match (each
/// holds a marker the text never has), the trigger that answers the end of a flood
/// ("BENCH-END *" sends "bench-done" and the token), and 20 hilites that match often.
/// The trigger that answers the end of a flood, the only list entry of scenario "a".
TriggerEntry benchEndTrigger();
QList<PatternEntry> benchGags();
QList<TriggerEntry> benchTriggers();
QList<HiliteEntry> benchHilites();

/// Writes the lists into the settings file and switches gags and triggers on; without
/// withLists, only the end trigger with triggers on (scenario "a").
void WriteBenchLists(Program& program, bool withLists);

} // namespace lanthorn::bench
