#pragma once

#include "RecordingDisplay.h"
#include "core/LanthornError.h"
#include "incoming/IncomingWorldWindow.h"

#include <QList>
#include <optional>

namespace lanthorn::testing {

/// A world window for the incoming pipeline: recording displays, the bytes it was asked to
/// send, and a WHO marker. Set sendFailure to make sending raise that error.
class FakeWorldWindow : public IncomingWorldWindow {
public:
    FakeWorldWindow(int slot = 0, int site = 0, QString caption = QStringLiteral("1 World"))
        : slotNumber(slot)
        , site(site)
        , captionText(std::move(caption))
    {
    }

    int slot() const override { return slotNumber; }
    int siteIndex() const override { return site; }
    TextDisplay& term() override { return Term; }
    TextDisplay& chat() override { return Chat; }
    QString caption() const override { return captionText; }
    void send(const QByteArray& data) override
    {
        if (sendFailure)
            throw *sendFailure;
        sent.append(data);
    }
    bool whoArmed() const override { return whoMarker; }
    void disarmWho() override { whoMarker = false; }

    int slotNumber;
    int site;
    QString captionText;
    RecordingDisplay Term;
    RecordingDisplay Chat;
    QList<QByteArray> sent;
    std::optional<LanthornError> sendFailure;
    bool whoMarker = false;
};

} // namespace lanthorn::testing
