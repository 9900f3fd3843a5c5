#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace lanthorn {

/// One settings file in INI form, kept parsed in memory and re-read when it changes on disk.
///
/// Section and key names are matched without regard to letter case; when a name occurs
/// twice the first occurrence wins. Values are stored as typed. A value that holds CR or
/// LF is written escaped under the key name plus "[escaped]" (a form no caller can write,
/// because names with brackets are refused), so it can never start a line of its own;
/// every other value is written byte for byte. Lines the program does not understand are
/// kept as they are. Every change is written atomically (temporary file, then rename) with
/// owner-only permissions.
class IniFile {
public:
    explicit IniFile(QString path);

    std::optional<QString> value(const QString& section, const QString& key);

    /// The write routines return false when nothing was written: a name the file form
    /// cannot hold, or a failure of the file system (the file is then left as it was).
    bool setValue(const QString& section, const QString& key, const QString& value);
    bool removeKey(const QString& section, const QString& key);
    bool removeSection(const QString& section);

    /// Names with "[", "]", "=", CR or LF, empty names, and names with blanks at either end
    /// cannot be stored.
    static bool isStorableName(const QString& name);

private:
    struct Line {
        QByteArray raw; // exactly as in the file, without its line feed
        QString keyFolded; // empty for lines that hold no key
        bool escaped = false;
    };
    struct Section {
        QString nameFolded; // empty for the lines before the first section header
        bool hasHeader = false;
        QByteArray header;
        QList<Line> lines;
        QHash<QString, qsizetype> firstLineOfKey; // folded key -> index into lines
    };

    void refresh();
    void parse(const QByteArray& content);
    bool save();
    QList<int> sectionsNamed(const QString& folded) const { return m_sectionIndex.value(folded); }
    void reindex();
    static void reindexSection(Section& section);

    struct DiskState {
        bool exists = false;
        qint64 size = -1;
        qint64 inode = 0;
        qint64 seconds = 0;
        qint64 nanoseconds = 0;
        bool operator==(const DiskState&) const = default;
    };
    DiskState diskState() const;

    QString m_path;
    QList<Section> m_sections;
    QHash<QString, QList<int>> m_sectionIndex; // folded name -> sections of that name, in file order
    bool m_crlf = false; // the file's lines end in CR LF
    bool m_loaded = false;
    DiskState m_disk;
};

} // namespace lanthorn
