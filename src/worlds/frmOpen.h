#pragma once

#include "core/ProgramState.h"
#include "incoming/IncomingWorldWindow.h"

#include <QMdiSubWindow>

class QLabel;

namespace lanthorn {

class TcpConnection;
class TerminalDisplay;

/// A world window: the main display `Term`, the chat pane `Chat`, the world's connection
/// `IPPort1` and the WHO marker `lblWHO`. One per world slot, created when the slot is first
/// used and kept (hidden while the slot is free) for the rest of the run.
class frmOpen : public QMdiSubWindow, public IncomingWorldWindow {
    Q_OBJECT
public:
    explicit frmOpen(int slot, QWidget* parent = nullptr);

    TerminalDisplay* const Term;
    TerminalDisplay* const Chat;
    TcpConnection* const IPPort1;
    QLabel* const lblWHO;

    int slot() const override { return m_slot; }
    /// The slot number as decimal text.
    QString tag() const { return QString::number(m_slot); }

    /// The index into Sites of the site played here, set when the connection comes up.
    int siteIndex() const override { return m_siteIndex; }
    void setSiteIndex(int site) { m_siteIndex = site; }
    /// The site as it was when the world was opened, to find it again when the site book is
    /// reloaded (its index may change, or the site may be deleted while it is played).
    SiteRecord openedSite;

    /// Places the displays inside the window: Term above, the chat pane (when shown) below it
    /// with the given height; both displays' row counts follow their heights.
    void layoutDisplays(bool chatShown, int chatHeight, bool scrollBars);

    /// Height in pixels of the bar between the main display and the chat pane.
    static constexpr int kChatDivider = 4;

    /// The window caption: "<slot + 1> <site name>".
    QString caption() const override { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    TextDisplay& term() override;
    TextDisplay& chat() override;
    /// Sends bytes as they are to the world; raises LanthornError (25058) when not connected.
    void send(const QByteArray& data) override;
    /// The WHO marker: the caption of lblWHO is "WHO" while a capture is armed.
    bool whoArmed() const override;
    void disarmWho() override;

Q_SIGNALS:
    /// A key went down in the window or one of its displays (Windows key code, shift state).
    void keyDown(int keyCode, int shift);
    /// A character typed while a display had the focus, for the input box.
    void keyPress(QString& text);

private:
    QWidget* m_body;
    const int m_slot;
    int m_siteIndex = 0;
    bool m_chatShown = false;
    int m_chatHeight = 0;
};

} // namespace lanthorn
