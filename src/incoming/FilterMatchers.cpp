#include "incoming/FilterMatchers.h"

#include "core/Program.h"

#include <algorithm>

namespace lanthorn {

namespace {

bool sameEntry(const PatternEntry& a, const PatternEntry& b)
{
    return a.Text == b.Text;
}
bool sameEntry(const TriggerEntry& a, const TriggerEntry& b)
{
    return a.Pattern == b.Pattern && a.Reaction == b.Reaction && a.StackWord == b.StackWord;
}
bool sameEntry(const HiliteEntry& a, const HiliteEntry& b)
{
    return a.Text == b.Text && a.ColorCode == b.ColorCode && a.WholeLine == b.WholeLine;
}

/// Takes the list's current contents; true when they differ from what was compiled last.
template <typename Source, typename Entry> bool changed(Source& source, const QList<Entry>& current)
{
    // A list that was not written to since it was kept still shares its data with the copy.
    if (source.compiled && source.entries.isSharedWith(current))
        return false;
    const bool same = source.compiled && source.entries.size() == current.size()
        && std::equal(source.entries.begin(), source.entries.end(), current.begin(),
            [](const Entry& a, const Entry& b) { return sameEntry(a, b); });
    source.entries = current;
    source.compiled = true;
    return !same;
}

template <typename Entry> QList<QByteArray> patternsOf(const QList<Entry>& entries, QByteArray Entry::*pattern)
{
    QList<QByteArray> patterns;
    patterns.reserve(entries.size());
    for (const Entry& entry : entries)
        patterns.append(entry.*pattern);
    return patterns;
}

} // namespace

FilterMatchers::FilterMatchers(Program& program)
    : m_program(program)
{
}

template <typename Entry>
void FilterMatchers::refresh(Source<Entry>& source, const QList<Entry>& current, QByteArray Entry::*pattern,
    PatternList& list, const QString& message)
{
    if (!changed(source, current))
        return;
    list = PatternList(patternsOf(source.entries, pattern));
    for (const PatternList::Failure& failure : list.failures())
        m_program.ShowMessage(message + QString::number(failure.number) + failure.description, MessageKind::Warning);
}

bool FilterMatchers::IsGagged(const QByteArray& text)
{
    refresh(m_gagSource, m_program.state.GagList, &PatternEntry::Text, m_gags, kGagErrorMessage);
    return m_gags.firstMatch(text) >= 0;
}

bool FilterMatchers::IsOmitted(const QByteArray& text)
{
    refresh(m_omissionSource, m_program.state.LogOmissions, &PatternEntry::Text, m_omissions, kOmissionErrorMessage);
    return m_omissions.firstMatch(text) >= 0;
}

std::optional<TriggerEntry> FilterMatchers::FindTrigger(const QByteArray& text)
{
    refresh(m_triggerSource, m_program.state.TriggerList, &TriggerEntry::Pattern, m_triggers, kTriggerErrorMessage);
    const qsizetype index = m_triggers.firstMatch(text);
    if (index < 0)
        return std::nullopt;
    return m_triggerSource.entries[index];
}

const HiliteSet& FilterMatchers::hilites()
{
    if (changed(m_hiliteSource, m_program.state.HiliteList))
        m_hilites = HiliteSet(m_hiliteSource.entries);
    return m_hilites;
}

} // namespace lanthorn
