#include "BenchLists.h"

#include "core/Program.h"

namespace lanthorn::bench {

namespace {

const char* const kMarkers[] = { "zzq", "qxz", "vvk", "jjw", "xqk" };
const char* const kGagTemplates[]
    = { "* pages: *%1*", "<Spam> *%1*", "* has connected from *.%1", "From afar, * %1*", "<%1> *", "* says, \"*%1*\"",
          "* whispers, *%1*", "*%1* has disconnected.", "You sense that * is looking for you in *%1*", "GAME: *%1*" };
const char* const kTriggerTemplates[]
    = { "* says, *%1*", "* pages: %1 *", "<Public> * %1*", "* tells you: *%1*", "*%1* arrives from *", "Your * %1 *",
          "* gives you * %1*", "* has challenged you to *%1*", "*%1* mail from *", "MAIL: * %1*" };
const char* const kHilites[] = { "Alice", "Bob", "Carol", "Dave", "Eve", "Grace", "Heidi", "Olivia", "says", "pages",
    "Public", "OOC", "door", "sword", "tavern", "harbor", "night", "light", "north", "captain" };

} // namespace

QList<PatternEntry> benchGags()
{
    QList<PatternEntry> gags;
    for (const char* marker : kMarkers) {
        for (const char* pattern : kGagTemplates)
            gags.append({ QString::fromLatin1(pattern).arg(QLatin1String(marker)).toUtf8() });
    }
    return gags;
}

TriggerEntry benchEndTrigger()
{
    return { "BENCH-END *", "bench-done |", 2 };
}

QList<TriggerEntry> benchTriggers()
{
    QList<TriggerEntry> triggers;
    for (const char* marker : kMarkers) {
        for (const char* pattern : kTriggerTemplates)
            triggers.append(
                { QString::fromLatin1(pattern).arg(QLatin1String(marker)).toUtf8(), QByteArray("think ") + marker, 0 });
    }
    triggers.append(benchEndTrigger());
    return triggers;
}

QList<HiliteEntry> benchHilites()
{
    QList<HiliteEntry> hilites;
    int i = 0;
    for (const char* text : kHilites)
        hilites.append({ text, QByteArray::number(1 + i++ % 7), false });
    return hilites;
}

void WriteBenchLists(Program& program, bool withLists)
{
    if (withLists)
        program.WriteIniString("Settings", "LoadGags", "1");
    program.WriteIniString("Settings", "LoadTrigs", "1");
    const QList<PatternEntry> gags = withLists ? benchGags() : QList<PatternEntry>();
    program.WriteIniString("Gags", "Lines", QString::number(gags.size()));
    for (int i = 0; i < gags.size(); ++i)
        program.WriteIniString("Gags", QStringLiteral("Gag%1").arg(i + 1), QString::fromUtf8(gags[i].Text));
    const QList<TriggerEntry> triggers = withLists ? benchTriggers() : QList { benchEndTrigger() };
    program.WriteIniString("Trigs", "Lines", QString::number(triggers.size()));
    for (int i = 0; i < triggers.size(); ++i) {
        program.WriteIniString("Trigs", QStringLiteral("Trig%1").arg(i + 1), QString::fromUtf8(triggers[i].Pattern));
        program.WriteIniString("Trigs", QStringLiteral("React%1").arg(i + 1), QString::fromUtf8(triggers[i].Reaction));
        program.WriteIniString("Trigs", QStringLiteral("Stack%1").arg(i + 1), QString::number(triggers[i].StackWord));
    }
    const QList<HiliteEntry> hilites = withLists ? benchHilites() : QList<HiliteEntry>();
    program.WriteIniString("Hili", "Lines", QString::number(hilites.size()));
    for (int i = 0; i < hilites.size(); ++i) {
        program.WriteIniString("Hili", QStringLiteral("Hili%1").arg(i + 1), QString::fromUtf8(hilites[i].Text));
        program.WriteIniString("Hili", QStringLiteral("CHili%1").arg(i + 1), QString::fromUtf8(hilites[i].ColorCode));
        program.WriteIniString("Hili", QStringLiteral("THili%1").arg(i + 1), QStringLiteral("False"));
    }
}

} // namespace lanthorn::bench
