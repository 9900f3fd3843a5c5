#pragma once

#include "core/TextDisplay.h"

#include <QByteArray>
#include <QString>

namespace lanthorn {

/// What the incoming text pipeline needs of a world window.
class IncomingWorldWindow {
public:
    virtual ~IncomingWorldWindow() = default;

    /// The world slot W (the window's tag read as a number).
    virtual int slot() const = 0;
    /// The site index S set when the connection came up.
    virtual int siteIndex() const = 0;
    virtual TextDisplay& term() = 0;
    virtual TextDisplay& chat() = 0;
    virtual QString caption() const = 0;

    /// Writes bytes to the world's connection as they are (the caller adds CR LF). Raises
    /// LanthornError when that fails, e.g. NotConnected.
    virtual void send(const QByteArray& data) = 0;

    /// Whether a WHO capture is armed for this world (the "WHO" marker), and disarming it.
    virtual bool whoArmed() const = 0;
    virtual void disarmWho() = 0;
};

} // namespace lanthorn
