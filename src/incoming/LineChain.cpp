#include "incoming/LineChain.h"

#include "core/Program.h"
#include "incoming/AnsiText.h"
#include "incoming/ChatRouting.h"
#include "incoming/IncomingMainFrame.h"
#include "incoming/IncomingWorldWindow.h"
#include "incoming/MarkNewActivity.h"
#include "incoming/ReceiveBuffer.h"
#include "incoming/Reception.h"
#include "incoming/Triggers.h"

#include <QScopeGuard>
#include <cstring>

namespace lanthorn {

namespace {

/// An escape fragment longer than this is no sequence a world would send; it is dropped
/// rather than carried, so that a world cannot make the carry grow without end.
constexpr qsizetype kLongestCarry = 256;

bool containsBellOrTab(const QByteArray& text)
{
    const auto size = std::size_t(text.size());
    return std::memchr(text.constData(), Ctl::Bel, size) || std::memchr(text.constData(), Ctl::Tab, size);
}

} // namespace

LineChain::LineChain(Program& program, IncomingMainFrame& frame)
    : m_program(program)
    , m_frame(frame)
    , m_filters(program)
{
}

void LineChain::DataIn(IncomingWorldWindow& window, QByteArray text, bool endOfLine)
{
    if (m_running) {
        m_waiting.push_back({ &window, std::move(text), endOfLine });
        return;
    }
    m_running = true;
    const auto finished = qScopeGuard([this] { m_running = false; });
    dispatch(window, std::move(text), endOfLine);
    while (!m_waiting.empty()) {
        Unit unit = std::move(m_waiting.front());
        m_waiting.pop_front();
        dispatch(*unit.window, std::move(unit.text), unit.endOfLine);
    }
}

void LineChain::ResetWorld(int slot)
{
    m_carries.remove(slot);
    std::erase_if(m_waiting, [slot](const Unit& unit) { return unit.window->slot() == slot; });
}

void LineChain::dispatch(IncomingWorldWindow& window, QByteArray text, bool endOfLine)
{
    try {
        const SiteRecord& record = std::as_const(m_program.state).site(window.siteIndex());
        const DisplaySettings settings = DisplaySettings::of(record);
        if (record.Type == kSiteTypeMush) {
            if (!endOfLine)
                return;
            if (text.endsWith(Ctl::Cr))
                text.chop(1);
            if (text.contains(Ctl::Cr))
                text.removeIf([](char c) { return c == Ctl::Cr; });
            ProcessMushLine(std::move(text), window, settings);
        } else if (record.Type == kSiteTypeMud) {
            ProcessMudChunk(std::move(text), window, settings);
        }
    } catch (const LanthornError& error) {
        // A unit for a slot that is gone: the world list is put in order. Any other failure
        // ends this unit; the next one starts afresh.
        if (error.number() == ErrorNumber::SubscriptOutOfRange)
            m_frame.RebuildWorldList();
    }
}

void LineChain::takeCarry(int slot, QByteArray& text)
{
    if (m_carries.isEmpty())
        return;
    const auto carry = m_carries.find(slot);
    if (carry == m_carries.end())
        return;
    text.prepend(*carry);
    m_carries.erase(carry);
}

QByteArray LineChain::plainTextKeepingCarry(int slot, QByteArray& text)
{
    PlainText plain = DerivePlainText(text);
    if (plain.complete < text.size()) {
        // The unfinished sequence is shown once, at the front of the world's next unit.
        if (text.size() - plain.complete <= kLongestCarry)
            m_carries.insert(slot, text.sliced(plain.complete));
        text.truncate(plain.complete);
    }
    return std::move(plain.plain);
}

void LineChain::activityNotice(IncomingWorldWindow& window)
{
    ProgramState& state = m_program.state;
    if (!m_frame.isMinimized() || !m_frame.notifyChecked() || state.NotifyPending != 0)
        return;
    const QString caption = window.caption();
    m_program.ShowMessage(QStringLiteral("Activity in ") + caption, MessageKind::Information);
    state.NotifyPending = 1;
    m_frame.setCaption(QStringLiteral("ACTIVITY:") + caption);
}

void LineChain::ProcessMushLine(QByteArray text, IncomingWorldWindow& window, const DisplaySettings& site)
{
    ProgramState& state = m_program.state;
    const int slot = window.slot();
    takeCarry(slot, text);
    if (containsBellOrTab(text))
        text = ExpandBellsAndTabs(std::move(text), m_program.services);
    if (text.size() >= 4 && std::memcmp(text.constData(), "1234", 4) == 0) {
        m_frame.GrabResult(text);
        return;
    }
    const QByteArray plain = plainTextKeepingCarry(slot, text);

    if (state.world(slot).Logging)
        m_frame.LogLine(plain, slot);
    AppendToReceiveBuffer(state.world(slot).ReceiveBuffer, "\r\n", plain);

    // Gags see the received text, triggers the plain text.
    if (state.Features.GagsEnabled != 0 && m_filters.IsGagged(text))
        return;
    if (state.Features.TriggersEnabled != 0)
        RunTriggers(m_program, m_filters, plain, window);

    if (state.Features.WhoWindowEnabled != 0 && window.whoArmed()) {
        if (slot == state.CurrentWorld) {
            m_frame.WhoCapture(text, window);
        } else {
            m_frame.WhoCancel(window);
            window.disarmWho();
        }
    }
    if (slot != state.CurrentWorld)
        MarkNewActivity(m_program, m_frame, window, site);
    activityNotice(window);

    TextDisplay& target
        = RouteMushLine(plain, state.world(slot)) == DisplayTarget::Chat ? window.chat() : window.term();
    m_writer.DisplayMushText(text, site, m_filters.hilites(), target);
}

void LineChain::ProcessMudChunk(QByteArray text, IncomingWorldWindow& window, const DisplaySettings& site)
{
    ProgramState& state = m_program.state;
    const int slot = window.slot();
    takeCarry(slot, text);
    if (text.contains(Ctl::Bel))
        text = ExpandBellsAndTabs(std::move(text), m_program.services);
    const QByteArray plain = plainTextKeepingCarry(slot, text);
    if (text.isEmpty())
        return; // only the start of an escape sequence arrived

    if (state.world(slot).Logging)
        m_frame.LogLine(plain, slot);
    AppendToReceiveBuffer(state.world(slot).ReceiveBuffer, {}, plain);

    // Gags and triggers both see the received chunk.
    if (state.Features.GagsEnabled != 0 && m_filters.IsGagged(text))
        return;
    if (state.Features.TriggersEnabled != 0)
        RunTriggers(m_program, m_filters, text, window);

    if (slot != state.CurrentWorld)
        MarkNewActivity(m_program, m_frame, window, site);
    activityNotice(window);
    m_writer.DisplayMudText(text, site, m_filters.hilites(), window.term());
}

} // namespace lanthorn
