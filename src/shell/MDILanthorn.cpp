#include "shell/MDILanthorn.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QSplitter>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace lanthorn {

MDILanthorn::MDILanthorn(QWidget* parent)
    : QMainWindow(parent)
    , Timer1(new QTimer(this))
    , m_worldArea(new QMdiArea)
    , m_splitter(new QSplitter(Qt::Vertical))
    , m_toolbarSlot(new QWidget)
{
    setObjectName(QStringLiteral("MDILanthorn"));
    setWindowTitle(QStringLiteral("Lanthorn"));

    QMenuBar* bar = menuBar();
    File = bar->addMenu(QStringLiteral("&File"));
    File->setObjectName(QStringLiteral("File"));
    Connect = item(File, "Connect", QStringLiteral("&Connect"), QKeySequence(QStringLiteral("Ctrl+D")));
    mnuDisconnect = item(File, "mnuDisconnect", QStringLiteral("&Disconnect"));
    mnuDisconnect->setEnabled(false);
    mnuClose = item(File, "mnuClose", QStringLiteral("Cl&ose"));
    Log = item(File, "Log", QStringLiteral("&Log"), QKeySequence(QStringLiteral("Ctrl+L")));
    mnuQuote = item(File, "mnuQuote", QStringLiteral("&Quote File"), QKeySequence(QStringLiteral("Ctrl+Q")));
    File->addSeparator();
    Exit = item(File, "Exit", QStringLiteral("E&xit"));

    mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuCopy = item(mnuEdit, "mnuCopy", QStringLiteral("&Copy Selected Text"), QKeySequence(QStringLiteral("Ctrl+C")));
    mnuPaste = item(
        mnuEdit, "mnuPaste", QStringLiteral("&Paste Into Outbound Window"), QKeySequence(QStringLiteral("Ctrl+V")));
    mnuLine = item(mnuEdit, "mnuLine", QStringLiteral("&Remove Carriage Returns From Selected Text"),
        QKeySequence(QStringLiteral("Ctrl+A")));
    mnuView = item(mnuEdit, "mnuView", QStringLiteral("&View Send History"));

    mnuPrefs = bar->addMenu(QStringLiteral("&Preferences"));
    mnuPrefs->setObjectName(QStringLiteral("mnuPrefs"));
    mnuGag = item(mnuPrefs, "mnuGag", QStringLiteral("Define &Gag Settings"));
    mnuHilites = item(mnuPrefs, "mnuHilites", QStringLiteral("Define &Hilights"));
    mnuKeys = item(mnuPrefs, "mnuKeys", QStringLiteral("Define &Keyboard Macros"));
    mnuLog = item(mnuPrefs, "mnuLog", QStringLiteral("Define &Log Options"));
    mnuTriggers = item(mnuPrefs, "mnuTriggers", QStringLiteral("Define &Triggers"));
    mnuSounds = item(mnuPrefs, "mnuSounds", QStringLiteral("&Assign Sounds"));
    mnuSounds->setVisible(false);
    mnuSounds->setEnabled(false);
    mnuSetting = item(mnuPrefs, "mnuSetting", QStringLiteral("&Set Default Screen Settings"));
    mnuEnable = item(mnuPrefs, "mnuEnable", QStringLiteral("&Enable Or Disable Features"));

    mnuOptions = bar->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuConfirm = item(mnuOptions, "mnuConfirm", QStringLiteral("&Confirm When Disconnecting or Closing"));
    mnuScrollbars = item(mnuOptions, "mnuScrollbars", QStringLiteral("&Use Scrollbars"));
    mnuNotify = item(mnuOptions, "mnuNotify", QStringLiteral("&Notify Message Box"));
    for (QAction* check : { mnuConfirm, mnuScrollbars, mnuNotify })
        check->setCheckable(true);

    Worlds = bar->addMenu(QStringLiteral("&Worlds"));
    Worlds->setObjectName(QStringLiteral("Worlds"));
    Toggle = item(Worlds, "Toggle", QStringLiteral("&Toggle"), QKeySequence(QStringLiteral("Ctrl+W")));
    Worlds->addSeparator();
    for (std::size_t i = 0; i < mnuArray.size(); ++i) {
        mnuArray[i] = item(Worlds, QStringLiteral("mnuArray%1").arg(i).toLatin1().constData(), QString());
        mnuArray[i]->setVisible(false);
    }

    mnuTime = bar->addAction(QStringLiteral("Time Display"));
    mnuTime->setObjectName(QStringLiteral("mnuTime"));

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout = item(mnuHelp, "mnuAbout", QStringLiteral("&About"));
    mnuHelpAr[0] = item(mnuHelp, "mnuHelpAr0", QStringLiteral("&Help Contents"));
    mnuHelpAr[1] = item(mnuHelp, "mnuHelpAr1", QStringLiteral("&Search For Help"));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_worldArea->setObjectName(QStringLiteral("worldArea"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_worldArea);
    layout->addWidget(m_splitter, 1);
    new QVBoxLayout(m_toolbarSlot);
    m_toolbarSlot->layout()->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolbarSlot);
    setCentralWidget(central);

    const struct {
        QAction* item;
        int topic;
    } topics[] = { { mnuQuote, 110 }, { mnuLog, 130 }, { mnuKeys, 250 }, { mnuSetting, 260 }, { mnuNotify, 270 } };
    for (const auto& entry : topics)
        entry.item->setProperty("helpTopic", entry.topic);
    for (QMenu* menu : { File, mnuEdit, mnuPrefs, mnuOptions, Worlds, mnuHelp })
        menu->installEventFilter(this);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
}

QAction* MDILanthorn::item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

void MDILanthorn::setInputWindow(QWidget* input)
{
    m_splitter->addWidget(input);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
}

void MDILanthorn::setToolbar(QWidget* toolbar)
{
    m_toolbarSlot->layout()->addWidget(toolbar);
}

int MDILanthorn::inputHeight() const
{
    const QList<int> sizes = m_splitter->sizes();
    return sizes.size() > 1 ? sizes[1] : 0;
}

void MDILanthorn::setInputHeight(int pixels)
{
    if (m_splitter->count() < 2)
        return;
    const int total = std::max(m_splitter->height(), pixels + 1);
    m_splitter->setSizes({ total - pixels, pixels });
}

void MDILanthorn::updateClock()
{
    mnuTime->setText(QTime::currentTime().toString(QStringLiteral("h:mm AP")));
}

int MDILanthorn::helpTopic(const QAction* item)
{
    return item ? item->property("helpTopic").toInt() : 0;
}

bool MDILanthorn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (const int topic = helpTopic(static_cast<QMenu*>(watched)->activeAction())) {
            Q_EMIT helpTopicRequested(topic);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDILanthorn::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Q_EMIT closeRequested();
}

void MDILanthorn::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Q_EMIT frameResized();
}

void MDILanthorn::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Q_EMIT frameResized();
}

} // namespace lanthorn
