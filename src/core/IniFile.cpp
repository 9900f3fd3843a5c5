#include "core/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <sys/stat.h>

namespace lanthorn {

namespace {

const QByteArray kEscapedSuffix = "[escaped]";

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

QString fold(const QString& name)
{
    return name.toCaseFolded();
}

QByteArray trimmedBlanks(const QByteArray& bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && (bytes[begin] == ' ' || bytes[begin] == '\t'))
        ++begin;
    while (end > begin && (bytes[end - 1] == ' ' || bytes[end - 1] == '\t' || bytes[end - 1] == '\r'))
        --end;
    return bytes.mid(begin, end - begin);
}

QByteArray withoutCarriageReturn(const QByteArray& raw)
{
    return raw.endsWith('\r') ? raw.left(raw.size() - 1) : raw;
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

bool IniFile::isStorableName(const QString& name)
{
    if (name.isEmpty() || name.trimmed() != name)
        return false;
    for (QChar c : name) {
        if (c == u'[' || c == u']' || c == u'=' || c == u'\r' || c == u'\n')
            return false;
    }
    return true;
}

namespace {

// A value with CR or LF is stored with them (and the backslash) escaped.
QByteArray escapeValue(const QString& value)
{
    QByteArray out;
    const QByteArray utf8 = value.toUtf8();
    out.reserve(utf8.size() + 8);
    for (char c : utf8) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescapeValue(const QByteArray& stored)
{
    QByteArray out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        if (c == '\\' && i + 1 < stored.size()) {
            const char next = stored[i + 1];
            if (next == '\\' || next == 'r' || next == 'n') {
                out += next == '\\' ? '\\' : (next == 'r' ? '\r' : '\n');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return decode(out);
}

} // namespace

IniFile::DiskState IniFile::diskState() const
{
    struct stat info { };
    if (::stat(QFile::encodeName(m_path).constData(), &info) != 0)
        return {};
    return { true, qint64(info.st_size), qint64(info.st_ino), qint64(info.st_mtim.tv_sec),
        qint64(info.st_mtim.tv_nsec) };
}

void IniFile::refresh()
{
    // One stat per read: a file changed on disk (by hand, or by another copy of the program)
    // is read again.
    const DiskState disk = diskState();
    if (m_loaded && disk == m_disk)
        return;

    QByteArray content;
    if (disk.exists) {
        QFile file(m_path);
        if (file.open(QIODevice::ReadOnly))
            content = file.readAll();
    }
    parse(content);
    m_loaded = true;
    m_disk = disk;
}

void IniFile::parse(const QByteArray& content)
{
    m_sections.clear();
    m_sections.append(Section {});
    m_crlf = false;
    if (content.isEmpty()) {
        reindex();
        return;
    }

    const qsizetype firstFeed = content.indexOf('\n');
    if (firstFeed > 0 && content[firstFeed - 1] == '\r')
        m_crlf = true;

    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype feed = content.indexOf('\n', start);
        if (feed < 0)
            feed = content.size();
        QByteArray raw = content.mid(start, feed - start);
        start = feed + 1;

        const QByteArray trimmed = trimmedBlanks(raw);
        if (trimmed.startsWith('[')) {
            qsizetype close = trimmed.indexOf(']');
            Section section;
            section.hasHeader = true;
            section.header = raw;
            section.nameFolded = fold(decode(trimmed.mid(1, close < 0 ? -1 : close - 1)));
            m_sections.append(std::move(section));
            continue;
        }

        Line line;
        line.raw = std::move(raw);
        const qsizetype equals = line.raw.indexOf('=');
        if (equals > 0) {
            QByteArray key = trimmedBlanks(line.raw.left(equals));
            if (key.endsWith(kEscapedSuffix)) {
                key.chop(kEscapedSuffix.size());
                line.escaped = true;
            }
            if (!key.isEmpty())
                line.keyFolded = fold(decode(key));
        }
        m_sections.last().lines.append(std::move(line));
    }
    reindex();
}

void IniFile::reindexSection(Section& section)
{
    section.firstLineOfKey.clear();
    for (qsizetype i = 0; i < section.lines.size(); ++i) {
        const QString& key = section.lines[i].keyFolded;
        if (!key.isEmpty() && !section.firstLineOfKey.contains(key))
            section.firstLineOfKey.insert(key, i);
    }
}

void IniFile::reindex()
{
    m_sectionIndex.clear();
    for (int i = 0; i < m_sections.size(); ++i) {
        reindexSection(m_sections[i]);
        if (m_sections[i].hasHeader)
            m_sectionIndex[m_sections[i].nameFolded].append(i);
    }
}

std::optional<QString> IniFile::value(const QString& section, const QString& key)
{
    refresh();
    const QString sectionFolded = fold(section);
    const QString keyFolded = fold(key);
    for (int index : sectionsNamed(sectionFolded)) {
        const Section& found = m_sections[index];
        const auto at = found.firstLineOfKey.constFind(keyFolded);
        if (at == found.firstLineOfKey.cend())
            continue;
        const Line& line = found.lines[*at];
        const QByteArray stored = withoutCarriageReturn(line.raw.mid(line.raw.indexOf('=') + 1));
        return line.escaped ? unescapeValue(stored) : decode(stored);
    }
    return std::nullopt;
}

bool IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    if (!isStorableName(section) || !isStorableName(key))
        return false;
    refresh();

    const bool escape = value.contains(u'\r') || value.contains(u'\n');
    const auto makeLine = [&](const QByteArray& spelling) {
        Line line;
        line.keyFolded = fold(key);
        line.escaped = escape;
        line.raw = spelling + (escape ? kEscapedSuffix : QByteArray()) + '='
            + (escape ? escapeValue(value) : value.toUtf8());
        if (m_crlf)
            line.raw += '\r';
        return line;
    };

    const QList<int> named = sectionsNamed(fold(section));
    bool replaced = false;
    for (int index : named) {
        Section& found = m_sections[index];
        const auto at = found.firstLineOfKey.constFind(fold(key));
        if (at == found.firstLineOfKey.cend())
            continue;
        Line& existing = found.lines[*at];
        // Keep the key as the file already spells it.
        QByteArray spelling = trimmedBlanks(existing.raw.left(existing.raw.indexOf('=')));
        if (existing.escaped)
            spelling.chop(kEscapedSuffix.size());
        existing = makeLine(spelling);
        replaced = true;
        break;
    }
    Line line = makeLine(key.toUtf8());
    if (!replaced) {
        if (named.isEmpty()) {
            Section created;
            created.hasHeader = true;
            created.nameFolded = fold(section);
            created.header = '[' + section.toUtf8() + ']' + (m_crlf ? "\r" : "");
            m_sections.append(std::move(created));
            m_sections.last().lines.append(std::move(line));
            reindex();
        } else {
            // Append after the last key of the section, before any blank lines that separate it
            // from the next section.
            QList<Line>& lines = m_sections[named.first()].lines;
            qsizetype at = lines.size();
            while (at > 0 && trimmedBlanks(lines[at - 1].raw).isEmpty())
                --at;
            lines.insert(at, std::move(line));
            reindexSection(m_sections[named.first()]);
        }
    }
    return save();
}

bool IniFile::removeKey(const QString& section, const QString& key)
{
    refresh();
    const QString keyFolded = fold(key);
    bool removed = false;
    for (int index : sectionsNamed(fold(section))) {
        if (m_sections[index].lines.removeIf([&](const Line& line) { return line.keyFolded == keyFolded; }) > 0) {
            removed = true;
            reindexSection(m_sections[index]);
        }
    }
    return removed ? save() : true;
}

bool IniFile::removeSection(const QString& section)
{
    refresh();
    const QList<int> named = sectionsNamed(fold(section));
    if (named.isEmpty())
        return true;
    for (auto it = named.crbegin(); it != named.crend(); ++it)
        m_sections.removeAt(*it);
    reindex();
    return save();
}

bool IniFile::save()
{
    QByteArray content;
    for (const Section& section : std::as_const(m_sections)) {
        if (section.hasHeader) {
            content += section.header;
            content += '\n';
        }
        for (const Line& line : section.lines) {
            content += line.raw;
            content += '\n';
        }
    }

    // Unbuffered, so that a short write (a full disk) is seen here and not lost in a flush.
    QSaveFile file(m_path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && file.write(content) == content.size() && file.error() == QFileDevice::NoError && file.commit();
    if (!written) {
        file.cancelWriting();
        m_loaded = false; // what is in memory was not stored: read the file again next time
        return false;
    }
    m_disk = diskState();
    return true;
}

} // namespace lanthorn
