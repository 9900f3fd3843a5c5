#include "incoming/Reception.h"

#include "core/CoreServices.h"
#include "incoming/AnsiText.h"

namespace lanthorn {

QByteArray ExpandBellsAndTabs(QByteArray text, CoreServices& services)
{
    const qsizetype bells = text.count(Ctl::Bel);
    if (bells > 0) {
        text.removeIf([](char c) { return c == Ctl::Bel; });
        for (qsizetype i = 0; i < bells; ++i)
            services.beep();
    }
    if (text.contains(Ctl::Tab))
        text.replace(Ctl::Tab, QByteArrayView("    "));
    return text;
}

} // namespace lanthorn
