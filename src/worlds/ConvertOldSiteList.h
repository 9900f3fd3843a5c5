#pragma once

namespace lanthorn {

class Program;

/// Converts the site list of earlier releases (section "Sites" with World<i> lines of
/// "name host port user password" and Type<i>) into the site book: entries 0 to `last` get a
/// section of their own and a Site<i> name, World<i> is removed, Total becomes last + 1 and
/// Lines 0. The wrap column and indent come from WrapAt and IndentAt of section "Settings".
void ConvertOldSiteList(Program& program, int last);

} // namespace lanthorn
