#include "editors/FilterListLoaders.h"

#include "core/Program.h"
#include "core/SettingsValues.h"

#include <algorithm>
#include <cmath>

namespace lanthorn {

namespace {

/// A stored whole number; values beyond the 16-bit range are taken as its nearest end.
int storedInteger(const QString& text)
{
    const double value = std::nearbyint(NumericValue(text));
    return int(std::clamp(value, -32768.0, 32767.0));
}

/// The number of stored entries of a section (0 when `Lines` is missing or not a number).
int storedCount(Program& program, const QString& section)
{
    return std::max(0, storedInteger(program.ReadIniString(section, QStringLiteral("Lines"), QStringLiteral("0"))));
}

QString key(const char* name, int i)
{
    return QLatin1String(name) + QString::number(i);
}

/// A list of bare patterns, stored as `<name>1` … `<name>N` with the count in `Lines`.
void loadPatterns(Program& program, const QString& section, const char* name, QList<PatternEntry>& list)
{
    list.clear();
    const int count = storedCount(program, section);
    for (int i = 1; i <= count; ++i)
        list.append({ program.ReadIniString(section, key(name, i), QStringLiteral(" ")).toUtf8() });
}

} // namespace

void LoadGagList(Program& program)
{
    loadPatterns(program, QStringLiteral("Gags"), "Gag", program.state.GagList);
}

void LoadTriggerList(Program& program)
{
    QList<TriggerEntry>& list = program.state.TriggerList;
    list.clear();
    const QString section = QStringLiteral("Trigs");
    const int count = storedCount(program, section);
    for (int i = 1; i <= count; ++i) {
        TriggerEntry entry;
        entry.Pattern = program.ReadIniString(section, key("Trig", i), QStringLiteral(" ")).toUtf8();
        entry.Reaction = program.ReadIniString(section, key("React", i), QStringLiteral(" ")).toUtf8();
        entry.StackWord = storedInteger(program.ReadIniString(section, key("Stack", i), QStringLiteral("0")));
        list.append(entry);
    }
}

void LoadHiliteList(Program& program)
{
    QList<HiliteEntry>& list = program.state.HiliteList;
    list.clear();
    const QString section = QStringLiteral("Hili");
    const int count = storedCount(program, section);
    for (int i = 1; i <= count; ++i) {
        HiliteEntry entry;
        entry.Text = program.ReadIniString(section, key("Hili", i), QStringLiteral(" ")).toUtf8();
        entry.ColorCode = program.ReadIniString(section, key("CHili", i), QStringLiteral("0")).toUtf8();
        try {
            entry.WholeLine = BooleanText(program.ReadIniString(section, key("THili", i), QStringLiteral("False")));
        } catch (const LanthornError&) {
            entry.WholeLine = false; // neither a truth word nor a number: never written by the editor
        }
        list.append(entry);
    }
}

void LoadLogOmissions(Program& program)
{
    loadPatterns(program, QStringLiteral("Omits"), "Omit", program.state.LogOmissions);
}

} // namespace lanthorn
