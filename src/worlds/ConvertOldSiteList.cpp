#include "worlds/ConvertOldSiteList.h"

#include "core/GetWord.h"
#include "core/LanthornError.h"
#include "core/Program.h"
#include "core/SettingsValues.h"
#include "worlds/SiteBookStore.h"

namespace lanthorn {

void ConvertOldSiteList(Program& program, int last)
{
    const QString& sites = kSitesSection;
    const QString settings = QStringLiteral("Settings");
    const QString wrap = NumberText(NumericValue(program.ReadIniString(settings, QStringLiteral("WrapAt"), "80")));
    const QString indent = NumberText(NumericValue(program.ReadIniString(settings, QStringLiteral("IndentAt"), "3")));

    for (int i = 0; i <= last; ++i) {
        const QString number = QString::number(i);
        const QString line = program.ReadIniString(sites, QStringLiteral("World") + number, QStringLiteral(" "));
        int type = 0;
        try {
            type = IntegerValue(program.ReadIniString(sites, QStringLiteral("Type") + number, QStringLiteral("0")));
        } catch (const LanthornError&) {
            type = 0; // an unreadable type converts as the default, MUSH
        }

        // The words keep no blanks at their ends: a middle word carries its following blank,
        // which would end up in the host name or the login.
        const QString name = GetWord(line, 1);
        const auto word = [&](int n) { return GetWord(line, n).trimmed(); };
        const auto write = [&](const QString& key, const QString& value) { program.WriteIniString(name, key, value); };
        write(QStringLiteral("Host"), word(2));
        write(QStringLiteral("Port"), word(3));
        write(QStringLiteral("UserId"), word(4));
        // An entry without a fifth word gives the whole line here, as the word routine does.
        write(QStringLiteral("Password"), word(5));
        write(QStringLiteral("Type"), QString::number(type));
        write(QStringLiteral("WordWrap"), QStringLiteral("True"));
        write(QStringLiteral("WrapAt"), wrap);
        write(QStringLiteral("Indent"), indent);

        program.WriteIniString(sites, QStringLiteral("World") + number, std::nullopt);
        program.WriteIniString(sites, SiteKey(i), name);
    }
    program.WriteIniString(sites, QStringLiteral("Total"), QString::number(last + 1));
    program.WriteIniString(sites, QStringLiteral("Lines"), QStringLiteral("0"));
}

} // namespace lanthorn
