#pragma once

#include "worlds/SiteFields.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace lanthorn {

class Program;

/// The settings section of the site book.
inline const QString kSitesSection = QStringLiteral("Sites");
/// The key in kSitesSection that holds the name of the site stored at index i.
QString SiteKey(int i);

/// The site book in the settings file: section "Sites" holds Total and the names Site0 ...
/// in storage order, and every site has a section of its own. Loading fills
/// program.state.Sites; index i of Sites is the site stored under Site<i>. Windows show the
/// names sorted, so every lookup here goes by name.
class SiteBookStore {
public:
    explicit SiteBookStore(Program& program);

    /// Rebuilds Sites from the file and returns the number of stored sites. With none, Sites
    /// holds one empty record and 0 is returned.
    int LoadSiteBook();

    /// Reads section `name` into Sites[i] (Name is left alone). A value that cannot be read
    /// (a number out of range, a word where True/False belongs) takes the key's default and
    /// marks the site as needing repair.
    void LoadSite(const QString& name, int i);

    /// Writes a site's section. The name in section "Sites" is the caller's business
    /// (AddSiteName for a new site).
    void SaveSite(const QString& name, const SiteFields& fields);

    /// Appends a name to the stored order: Site<count> = name, Total = count + 1.
    void AddSiteName(const QString& name);

    /// Removes every stored site called `name` (letter case counts) and rewrites the names of
    /// the others in order. A name that is also one of the program's own sections only leaves
    /// the index; its section stays. Returns how many sites went. Sites is not reloaded.
    int DeleteSite(const QString& name);

    /// The number of stored sites after the last load.
    int count() const { return m_count; }
    QStringList names() const;

    /// The first or last stored site whose name equals `name` exactly; -1 when there is none.
    int firstIndexOf(const QString& name) const;
    int lastIndexOf(const QString& name) const;

    /// Whether Sites[i] holds values the Connect window cannot show: an unreadable value, a
    /// colour outside the palette, a font size below 1 or an unknown world type.
    bool needsRepair(int i) const;

    /// Puts the default font and the colours 0 and 15 (and MUSH for an unknown type) into
    /// Sites[i], in memory only: the file changes when the site is saved.
    void repair(int i);

private:
    Program& m_program;
    int m_count = 0;
    QList<bool> m_unreadable; // per index of Sites
};

} // namespace lanthorn
