#include "shell/frmTool.h"

#include "core/Program.h"
#include "core/SettingsValues.h"
#include "input/Macros.h"
#include "platform/KeyCodes.h"
#include "shell/PickPaletteColour.h"
#include "shell/ToolbarIcons.h"
#include "shell/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace lanthorn {

namespace {

QToolButton* pictureButton(const char* name, ToolbarPicture picture, const QString& tip)
{
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(ToolbarIcon(picture));
    button->setIconSize(QSize(32, 32));
    button->setToolTip(tip);
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel* statusLabel(const char* name, const QColor& colour)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    SetWidgetColour(label, ColourRole::Text, colour);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

frmTool::frmTool(Program& program, QWidget* parent)
    : QWidget(parent)
    , lworlds(new QListWidget)
    , cmdWHO(pictureButton("cmdWHO", ToolbarPicture::Who, QStringLiteral("WHO")))
    , cmdPause(pictureButton("cmdPause", ToolbarPicture::Pause, QStringLiteral("Pause")))
    , cmdBack(pictureButton("cmdBack", ToolbarPicture::Mail, QStringLiteral("Mail")))
    , cmdLook(pictureButton("cmdLook", ToolbarPicture::Look, QStringLiteral("Look")))
    , cmdLog(pictureButton("cmdLog", ToolbarPicture::Log, QStringLiteral("Log")))
    , cmdConnect(pictureButton("cmdConnect", ToolbarPicture::Connect, QStringLiteral("Connect")))
    , cmdCancel(new QPushButton(QStringLiteral("Cancel Quote")))
    , lblQuote(statusLabel("lblQuote", Qt::red))
    , lblPause(statusLabel("lblPause", Qt::red))
    , lblAnnounce(statusLabel("lblAnnounce", Qt::green))
    , lblHelp(statusLabel("lblHelp", Qt::white))
{
    setObjectName(QStringLiteral("frmTool"));
    setWindowTitle(QStringLiteral("Tools"));
    setFixedHeight(TwipsToPixels(1200, this));
    setFocusPolicy(Qt::ClickFocus);

    lworlds->setObjectName(QStringLiteral("lworlds"));
    lworlds->setToolTip(QStringLiteral("Worlds with new activity: double-click to go there"));
    SetWidgetColour(lworlds, ColourRole::Text, Qt::yellow);
    SetWidgetColour(lworlds, ColourRole::Background, Qt::black);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setVisible(false);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (QToolButton* button : pictureButtons())
        buttons->addWidget(button);

    auto* labels = new QGridLayout;
    labels->setVerticalSpacing(0);
    labels->addWidget(lblAnnounce, 0, 0);
    labels->addWidget(lblPause, 1, 0);
    labels->addWidget(lblQuote, 2, 0);
    labels->addWidget(cmdCancel, 2, 1);
    labels->addWidget(lblHelp, 0, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(10);
    layout->addLayout(buttons);
    layout->addLayout(labels, 1);
    layout->addWidget(lworlds, 1);

    int colour = 0;
    try {
        colour = LongValue(program.ReadIniString(QStringLiteral("Setup"), QStringLiteral("ToolBackColor"), "0"));
    } catch (const LanthornError&) {
        colour = 0;
    }
    setToolColour(colour);
}

QList<QToolButton*> frmTool::pictureButtons() const
{
    return { cmdWHO, cmdPause, cmdBack, cmdLook, cmdLog, cmdConnect };
}

void frmTool::setToolColour(int colourValue)
{
    const QColor colour = ColourFromValue(colourValue);
    SetWidgetColour(this, ColourRole::Background, colour);
    for (QLabel* label : { lblAnnounce, lblHelp, lblPause, lblQuote })
        SetWidgetColour(label, ColourRole::Background, colour);
}

void frmTool::keyPressEvent(QKeyEvent* event)
{
    // The function keys of the macros run them from the toolbar too.
    const int keyCode = WindowsKeyCode(event);
    if (keyCode >= kFirstMacroKeyCode && keyCode <= kLastMacroKeyCode) {
        Q_EMIT keyDown(keyCode, 0);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace lanthorn
