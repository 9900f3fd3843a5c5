#pragma once

#include <QByteArray>

namespace lanthorn {

class CoreServices;

/// Every BEL removed with one beep each, then every TAB replaced by four blanks.
QByteArray ExpandBellsAndTabs(QByteArray text, CoreServices& services);

} // namespace lanthorn
