#pragma once

#include "FakeMainFrame.h"
#include "FakeWorldWindow.h"
#include "ProgramTest.h"
#include "QtPrinters.h"
#include "incoming/LineChain.h"

namespace lanthorn::testing {

/// A program with three connected worlds (slot 0 a MUSH, slots 1 and 2 MUDs; slot 0 is the
/// current world), their windows, a main frame and the line chain. The worlds' colours are
/// 7 on 1.
class LineChainTest : public ProgramTest {
protected:
    FakeMainFrame frame;
    LineChain chain { program, frame };
    FakeWorldWindow mush { 0, 0, QStringLiteral("1 Mush") };
    FakeWorldWindow mud { 1, 1, QStringLiteral("2 Mud") };
    FakeWorldWindow otherMud { 2, 2, QStringLiteral("3 Other") };

    LineChainTest()
    {
        program.state.Sites = { site("Mush", kSiteTypeMush), site("Mud", kSiteTypeMud), site("Other", kSiteTypeMud) };
        program.state.WorldStates.resize(3);
        for (int i = 0; i < 3; ++i) {
            program.state.WorldStates[i].InUse = true;
            program.state.WorldStates[i].SiteIndex = i;
        }
    }

    static SiteRecord site(const QString& name, int type)
    {
        SiteRecord record;
        record.Name = name;
        record.Type = type;
        record.TFColor = 7;
        record.TBColor = 1;
        record.WrapAt = 80;
        record.Indent = 2;
        return record;
    }

    /// A whole line (MUSH) or a chunk (MUD) arriving.
    void receive(FakeWorldWindow& world, const QByteArray& text) { chain.DataIn(world, text, true); }

    QByteArray& buffer(int slot) { return program.state.WorldStates[slot].ReceiveBuffer; }

    /// Display events with neighbouring writes joined, so that different cuts into writes
    /// compare equal.
    static QList<QByteArray> joined(const QList<QByteArray>& events)
    {
        QList<QByteArray> out;
        bool lastWasText = false;
        for (const QByteArray& event : events) {
            const bool text = !event.startsWith("<fore ") && !event.startsWith("<back ");
            if (text && event.isEmpty())
                continue;
            if (text && lastWasText) {
                out.last() += event;
            } else {
                out.append(event);
            }
            lastWasText = text;
        }
        return out;
    }
};

} // namespace lanthorn::testing
