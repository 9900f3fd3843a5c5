#pragma once

namespace lanthorn {

class Program;

/// Loaders of the stored filter lists: each empties its list in the program state and reads
/// it again from its section of Lanthorn.ini, entries numbered from 1 up to the section's
/// `Lines` count. A missing or non-numeric count loads nothing; a missing entry key loads
/// its default. Texts are stored as typed and kept as UTF-8.

/// Section `Gags`: `Gag`i (default " ").
void LoadGagList(Program& program);

/// Section `Trigs`: `Trig`i and `React`i (default " "), `Stack`i (a number, default 0).
void LoadTriggerList(Program& program);

/// Section `Hili`: `Hili`i (default " "), `CHili`i (default "0"), `THili`i ("True"/"False"
/// or a number, default "False").
void LoadHiliteList(Program& program);

/// Section `Omits`: `Omit`i (default " ").
void LoadLogOmissions(Program& program);

} // namespace lanthorn
