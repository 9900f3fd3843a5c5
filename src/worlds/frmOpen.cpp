#include "worlds/frmOpen.h"

#include "platform/TcpConnection.h"
#include "platform/TerminalDisplay.h"

#include <QLabel>
#include <cmath>
#include <functional>

namespace lanthorn {

namespace {

/// The inner area of a world window; tells the window when its size changes.
class WorldBody : public QWidget {
public:
    explicit WorldBody(std::function<void()> resized)
        : m_resized(std::move(resized))
    {
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        m_resized();
    }

private:
    std::function<void()> m_resized;
};

} // namespace

frmOpen::frmOpen(int slot, QWidget* parent)
    : QMdiSubWindow(parent)
    , Term(new TerminalDisplay)
    , Chat(new TerminalDisplay)
    , IPPort1(new TcpConnection(this))
    , lblWHO(new QLabel)
    , m_body(new WorldBody([this] { layoutDisplays(m_chatShown, m_chatHeight, Term->isScrollBarVisible()); }))
    , m_slot(slot)
{
    setObjectName(QStringLiteral("frmOpen"));
    setWindowTitle(QStringLiteral("Lanthorn"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    Term->setObjectName(QStringLiteral("Term"));
    Chat->setObjectName(QStringLiteral("Chat"));
    IPPort1->setObjectName(QStringLiteral("IPPort1"));
    lblWHO->setObjectName(QStringLiteral("lblWHO"));

    m_body->setAutoFillBackground(true);
    Term->setParent(m_body);
    Chat->setParent(m_body);
    lblWHO->setParent(m_body);
    lblWHO->hide();
    Chat->hide();
    setWidget(m_body);

    for (TerminalDisplay* display : { Term, Chat }) {
        connect(display, &TerminalDisplay::keyDown, this, &frmOpen::keyDown);
        connect(display, &TerminalDisplay::keyPress, this, &frmOpen::keyPress);
    }
}

TextDisplay& frmOpen::term()
{
    return *Term;
}

TextDisplay& frmOpen::chat()
{
    return *Chat;
}

void frmOpen::send(const QByteArray& data)
{
    IPPort1->sendData(data);
}

bool frmOpen::whoArmed() const
{
    return lblWHO->text() == QStringLiteral("WHO");
}

void frmOpen::disarmWho()
{
    lblWHO->clear();
}

void frmOpen::layoutDisplays(bool chatShown, int chatHeight, bool scrollBars)
{
    m_chatShown = chatShown;
    m_chatHeight = chatHeight;
    Term->setScrollBarVisible(scrollBars);
    Chat->setScrollBarVisible(scrollBars);
    const QSize area = m_body->size();
    // A thin bar in the window's own colour tells the chat pane from the main display.
    const int bar = chatShown ? kChatDivider : 0;
    const int termHeight = std::max(0, chatShown ? area.height() - chatHeight - bar : area.height());
    Term->setGeometry(0, 0, area.width(), termHeight);
    if (Term->lineHeight() > 0)
        Term->setRows(std::max(1, int(std::lround(double(termHeight) / Term->lineHeight()))));
    if (chatShown) {
        Chat->setGeometry(0, termHeight + bar, area.width(), std::min(chatHeight, area.height()));
        Chat->show();
        if (Chat->lineHeight() > 0)
            Chat->setRows(std::max(1, int(std::lround(double(Chat->height()) / Chat->lineHeight()))));
    } else {
        Chat->hide();
    }
}

} // namespace lanthorn
