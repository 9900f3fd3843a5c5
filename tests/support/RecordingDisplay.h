#pragma once

#include "core/TextDisplay.h"

#include <QByteArray>
#include <QList>

namespace lanthorn::testing {

/// A display that records what it is told, in order: every write as its text, every colour
/// setting as "<fore N>" or "<back N>".
class RecordingDisplay : public TextDisplay {
public:
    void Disp(const QByteArray& text) override { events.append(text); }
    void setForeColor(int paletteIndex) override { events.append("<fore " + QByteArray::number(paletteIndex) + '>'); }
    void setBackColor(int paletteIndex) override { events.append("<back " + QByteArray::number(paletteIndex) + '>'); }

    /// Everything written, joined, without the colour settings.
    QByteArray written() const
    {
        QByteArray all;
        for (const QByteArray& event : events) {
            if (!event.startsWith("<fore ") && !event.startsWith("<back "))
                all += event;
        }
        return all;
    }

    void clear() { events.clear(); }

    QList<QByteArray> events;
};

} // namespace lanthorn::testing
