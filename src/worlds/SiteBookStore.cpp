#include "worlds/SiteBookStore.h"

#include "core/LanthornError.h"
#include "core/Palette.h"
#include "core/Program.h"
#include "core/SettingsValues.h"
#include "worlds/SiteSaveRules.h"

namespace lanthorn {

namespace {

bool IsPaletteIndex(int index)
{
    return PaletteColour(index).has_value();
}

/// Reads one key of a site section; a value that does not convert takes the default and is
/// remembered as unreadable.
class SiteReader {
public:
    SiteReader(Program& program, const QString& section)
        : m_program(program)
        , m_section(section)
    {
    }

    QString text(const QString& key, const QString& defaultValue)
    {
        return m_program.ReadIniString(m_section, key, defaultValue);
    }

    template <typename Convert> auto value(const QString& key, const QString& defaultValue, Convert convert)
    {
        using Result = decltype(convert(QString()));
        try {
            return convert(text(key, defaultValue));
        } catch (const LanthornError&) {
            unreadable = true;
        }
        try {
            return convert(defaultValue);
        } catch (const LanthornError&) {
            return Result {}; // a default taken from damaged program settings
        }
    }

    int integer(const QString& key, const QString& defaultValue) { return value(key, defaultValue, IntegerValue); }
    int port(const QString& key, const QString& defaultValue) { return value(key, defaultValue, LongValue); }
    bool boolean(const QString& key, const QString& defaultValue) { return value(key, defaultValue, BooleanText); }

    bool unreadable = false;

private:
    Program& m_program;
    const QString& m_section;
};

} // namespace

QString SiteKey(int i)
{
    return QStringLiteral("Site") + QString::number(i);
}

SiteBookStore::SiteBookStore(Program& program)
    : m_program(program)
{
}

int SiteBookStore::LoadSiteBook()
{
    QList<SiteRecord>& sites = m_program.state.Sites;
    sites = { SiteRecord {} };
    m_unreadable = { false };
    m_count = 0;

    int total = 0;
    try {
        total = IntegerValue(m_program.ReadIniString(kSitesSection, QStringLiteral("Total"), QStringLiteral("0")));
    } catch (const LanthornError&) {
        // A count beyond any list the program writes: there is no book to trust.
        total = 0;
    }
    if (total < 1)
        return 0;

    sites.resize(total);
    m_unreadable.resize(total);
    for (int i = 0; i < total; ++i) {
        const QString name = m_program.ReadIniString(kSitesSection, SiteKey(i), QStringLiteral(" "));
        sites[i].Name = name;
        LoadSite(name, i);
    }
    m_count = total;
    return total;
}

void SiteBookStore::LoadSite(const QString& name, int i)
{
    const ProgramState& state = m_program.state;
    const FontChoice& font = state.DefaultFont;
    const QString blank = QStringLiteral(" ");
    SiteReader read(m_program, name);
    SiteRecord& site = m_program.state.Sites[i];

    site.Host = read.text(QStringLiteral("Host"), blank);
    site.Port = read.port(QStringLiteral("Port"), blank);
    site.UserId = read.text(QStringLiteral("UserID"), blank);
    site.Password = read.text(QStringLiteral("Password"), blank);
    site.Type = read.integer(QStringLiteral("Type"), QStringLiteral("0"));
    site.WordWrap = read.boolean(QStringLiteral("WordWrap"), QStringLiteral("False"));
    site.WrapAt = read.integer(QStringLiteral("WrapAt"), QStringLiteral("80"));
    site.Indent = read.integer(QStringLiteral("Indent"), QStringLiteral("2"));
    site.Font = read.text(QStringLiteral("Font"), font.name);
    site.FontSize = read.integer(QStringLiteral("FontSize"), NumberText(font.size));
    site.FontBold = read.boolean(QStringLiteral("FontBold"), BoolText(font.bold));
    site.FontItalic = read.boolean(QStringLiteral("FontItalic"), BoolText(font.italic));
    site.TFColor = read.integer(QStringLiteral("TFColor"), QString::number(state.Screen.TFColor));
    site.TBColor = read.integer(QStringLiteral("TBColor"), QString::number(state.Screen.TBColor));
    site.BoldANSI = read.integer(QStringLiteral("BoldANSI"), QStringLiteral("1"));

    if (m_unreadable.size() <= i)
        m_unreadable.resize(i + 1);
    m_unreadable[i] = read.unreadable;
}

void SiteBookStore::SaveSite(const QString& name, const SiteFields& fields)
{
    const auto write = [&](const QString& key, const QString& value) { m_program.WriteIniString(name, key, value); };
    write(QStringLiteral("Host"), fields.Host);
    write(QStringLiteral("Port"), fields.Port);
    write(QStringLiteral("UserId"), fields.UserId);
    write(QStringLiteral("Password"), fields.Password);
    if (fields.Type == kSiteTypeMud) {
        // The wrap keys belong to MUSH sites; values stored earlier stay where they are.
        write(QStringLiteral("Type"), QStringLiteral("1"));
    } else {
        write(QStringLiteral("Type"), QStringLiteral("0"));
        write(QStringLiteral("WordWrap"), BoolText(fields.WordWrap));
        write(QStringLiteral("WrapAt"), fields.WrapAt);
        write(QStringLiteral("Indent"), fields.Indent);
    }
    write(QStringLiteral("Font"), fields.Font.name);
    write(QStringLiteral("FontSize"), NumberText(fields.Font.size));
    write(QStringLiteral("FontBold"), BoolText(fields.Font.bold));
    write(QStringLiteral("FontItalic"), BoolText(fields.Font.italic));
    write(QStringLiteral("TFColor"), fields.TFColor);
    write(QStringLiteral("TBColor"), fields.TBColor);
    write(QStringLiteral("BoldANSI"), fields.BoldANSI ? QStringLiteral("1") : QStringLiteral("0"));
}

void SiteBookStore::AddSiteName(const QString& name)
{
    m_program.WriteIniString(kSitesSection, QStringLiteral("Total"), QString::number(m_count + 1));
    m_program.WriteIniString(kSitesSection, SiteKey(m_count), name);
}

int SiteBookStore::DeleteSite(const QString& name)
{
    const QList<SiteRecord>& sites = m_program.state.Sites;
    int kept = 0;
    for (int i = 0; i < m_count; ++i) {
        if (sites[i].Name == name) {
            if (!IsProgramSection(name))
                m_program.WriteIniString(name, std::nullopt, std::nullopt);
        } else {
            m_program.WriteIniString(kSitesSection, SiteKey(kept), sites[i].Name);
            ++kept;
        }
    }
    m_program.WriteIniString(kSitesSection, QStringLiteral("Total"), QString::number(kept));
    return m_count - kept;
}

QStringList SiteBookStore::names() const
{
    QStringList out;
    for (int i = 0; i < m_count; ++i)
        out.append(m_program.state.Sites[i].Name);
    return out;
}

int SiteBookStore::firstIndexOf(const QString& name) const
{
    for (int i = 0; i < m_count; ++i) {
        if (m_program.state.Sites[i].Name == name)
            return i;
    }
    return -1;
}

int SiteBookStore::lastIndexOf(const QString& name) const
{
    for (int i = m_count - 1; i >= 0; --i) {
        if (m_program.state.Sites[i].Name == name)
            return i;
    }
    return -1;
}

bool SiteBookStore::needsRepair(int i) const
{
    const SiteRecord& site = m_program.state.Sites[i];
    return (i < m_unreadable.size() && m_unreadable[i]) || !IsPaletteIndex(site.TFColor)
        || !IsPaletteIndex(site.TBColor) || site.FontSize < 1
        || (site.Type != kSiteTypeMush && site.Type != kSiteTypeMud);
}

void SiteBookStore::repair(int i)
{
    SiteRecord& site = m_program.state.Sites[i];
    const FontChoice& font = m_program.state.DefaultFont;
    site.Font = font.name;
    // Rounded as a stored size is when it is read.
    int size = 10;
    try {
        size = ToInteger(font.size);
    } catch (const LanthornError&) {
    }
    site.FontSize = size >= 1 ? size : 10;
    site.TFColor = 0;
    site.TBColor = 15;
    if (site.Type != kSiteTypeMud)
        site.Type = kSiteTypeMush;
    if (i < m_unreadable.size())
        m_unreadable[i] = false;
}

} // namespace lanthorn
