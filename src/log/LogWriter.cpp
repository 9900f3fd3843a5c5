#include "log/LogWriter.h"

#include "core/Program.h"
#include "incoming/FilterMatchers.h"
#include "incoming/WordWrap.h"
#include "log/LogFiles.h"

#include <QDate>
#include <limits>

namespace lanthorn {

namespace {

const QByteArray kLineEnd = "\r\n";

std::int32_t measured(qint64 length)
{
    return std::int32_t(std::min<qint64>(length, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

LogWriter::LogWriter(Program& program, FilterMatchers& filters)
    : m_program(program)
    , m_filters(filters)
{
}

void LogWriter::BeginLog(int slot, const QString& name)
{
    WorldState& world = m_program.state.world(slot);
    m_files.erase(slot);
    CreateLogFile(name, LogHeader(QDate::currentDate()));
    world.LogFileName = name;
    world.LogPart = 0;
    world.LogSize = 0;
    world.Logging = true;
}

void LogWriter::WriteBufferToLog(int slot, const QByteArray& displayedText)
{
    WorldState& world = m_program.state.world(slot);
    const QByteArray& text = world.LogWordWrap ? displayedText : world.ReceiveBuffer;
    world.LogSize = measured(m_files[slot].append(world.LogFileName, text + kLineEnd));
    if (world.LogSize > kLogSplitSize && m_program.state.Features.SplitLogs != 0)
        NextLogPart(slot);
}

void LogWriter::LogLine(const QByteArray& plain, int slot)
{
    const ProgramState& state = m_program.state;
    WorldState& world = m_program.state.world(slot);
    if (const auto held = m_held.find(slot); held != m_held.end()) {
        held->append(plain);
        return;
    }
    if (state.Features.LogOmissionsEnabled != 0 && m_filters.IsOmitted(plain))
        return;
    QByteArray text;
    if (world.LogWordWrap) {
        const SiteRecord& site = state.siteOf(slot);
        text = WordWrap(plain, site.WrapAt, site.Indent);
    } else {
        text = plain;
    }
    text += kLineEnd;
    const qint64 length = m_files[slot].append(world.LogFileName, text);
    if (state.Features.SplitLogs == 0)
        return;
    world.LogSize = measured(length);
    if (world.LogSize > kLogSplitSize)
        NextLogPart(slot);
}

void LogWriter::NextLogPart(int slot)
{
    WorldState& world = m_program.state.world(slot);
    world.LogFileName = NextLogPartName(world.LogFileName, world.LogPart);
    ++world.LogPart;
}

void LogWriter::EndLog(int slot)
{
    m_held.remove(slot);
    m_files.erase(slot);
    WorldState& world = m_program.state.world(slot);
    world.Logging = false;
    world.LogPart = 0;
    world.LogSize = 0;
}

void LogWriter::holdUnits(int slot)
{
    m_held.insert(slot, {});
}

void LogWriter::writeHeldUnits(int slot)
{
    const QList<QByteArray> units = m_held.take(slot);
    for (const QByteArray& unit : units)
        LogLine(unit, slot);
}

void LogWriter::dropHeldUnits(int slot)
{
    m_held.remove(slot);
}

} // namespace lanthorn
