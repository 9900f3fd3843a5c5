#pragma once

#include "core/ProgramState.h"
#include "incoming/MultiSearcher.h"

#include <QByteArray>
#include <QList>
#include <QVarLengthArray>
#include <vector>

namespace lanthorn {

/// The hilite list prepared for colouring text. Each entry in list order wraps every
/// occurrence of its text in its colour (ESC "[3" code "m" ... ESC "[0m"), or the whole text
/// once when it is a whole-line hilite, working on the text as the entries before it left it.
/// Occurrences are looked for in the visible text only: never inside an escape sequence, nor
/// across one (also not across the sequences of earlier entries). All entries are found in
/// one pass over the text.
class HiliteSet {
public:
    HiliteSet() = default;
    explicit HiliteSet(const QList<HiliteEntry>& entries);

    /// The text with the hilites inserted, written to out (which is emptied first). Returns
    /// false, leaving out alone, when no hilite applies.
    bool apply(const QByteArray& text, QByteArray& out) const;

    /// The text with the hilites inserted.
    QByteArray apply(const QByteArray& text) const;

private:
    struct Entry {
        QByteArray text;
        QByteArray opening;
        bool wholeLine;
    };
    struct Occurrence {
        int entry;
        int start;
    };
    struct Insertion {
        int position;
        bool front; // goes before every sequence inserted earlier at the same place
        int order; // when it was inserted
        int entry;
        bool opening;
    };

    using Occurrences = QVarLengthArray<Occurrence, 64>;
    void findOccurrences(const QByteArray& text, Occurrences& found) const;
    /// The general case: occurrences that overlap, or whole-line entries.
    bool applyOverlapping(const QByteArray& text, Occurrences& found, QByteArray& out) const;

    std::vector<Entry> m_entries;
    MultiSearcher m_searcher; // finds the texts of all entries at once
};

/// Hilite helper for one-off use: the text with the given list's hilites inserted.
QByteArray ApplyHilites(const QByteArray& text, const QList<HiliteEntry>& entries);

} // namespace lanthorn
