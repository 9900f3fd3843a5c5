#pragma once

#include "core/ProgramState.h"
#include "incoming/HiliteSet.h"
#include "incoming/PatternList.h"

#include <QList>
#include <optional>

namespace lanthorn {

class Program;

/// The messages for an invalid pattern (the error number and description follow directly),
/// also used for a trigger whose reaction could not be sent.
inline const QString kGagErrorMessage
    = QStringLiteral("An error occured when matching a gag: You may have incorrect syntax.");
inline const QString kOmissionErrorMessage
    = QStringLiteral("An error occured in the LogOmmision function: You may have incorrect syntax.");
inline const QString kTriggerErrorMessage
    = QStringLiteral("An error occured when performing a trigger: You may have incorrect syntax.");

/// The gag, log omission, trigger and hilite lists of the program, compiled when first used
/// and again whenever their contents change. An invalid pattern is reported once, when its
/// list is compiled, and left out until the list changes.
class FilterMatchers {
public:
    explicit FilterMatchers(Program& program);

    /// Whether the text matches a gag (the first match decides).
    bool IsGagged(const QByteArray& text);

    /// Whether the plain text about to be logged matches a log omission.
    bool IsOmitted(const QByteArray& text);

    /// The first trigger in list order that the text matches.
    std::optional<TriggerEntry> FindTrigger(const QByteArray& text);

    const HiliteSet& hilites();

private:
    template <typename Entry> struct Source {
        QList<Entry> entries;
        bool compiled = false;
    };

    /// Compiles the list's patterns again when the list changed, and reports each invalid one.
    template <typename Entry>
    void refresh(Source<Entry>& source, const QList<Entry>& current, QByteArray Entry::*pattern, PatternList& list,
        const QString& message);

    Program& m_program;
    Source<PatternEntry> m_gagSource;
    PatternList m_gags;
    Source<PatternEntry> m_omissionSource;
    PatternList m_omissions;
    Source<TriggerEntry> m_triggerSource;
    PatternList m_triggers;
    Source<HiliteEntry> m_hiliteSource;
    HiliteSet m_hilites;
};

} // namespace lanthorn
