#include "shell/frmAskFor.h"

#include "core/Program.h"
#include "core/SettingsValues.h"
#include "platform/UiServices.h"
#include "shell/FontChoices.h"
#include "shell/PickPaletteColour.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace lanthorn {

namespace {
const QString kClickOk = QStringLiteral("\n\nClick OK when you are done.");
const QString kStep1 = QStringLiteral(
    "Please select the colors you would like to be used as your default background and foreground colors.  "
    "These colors will be inherited by each connection you make or you will be able to customize each "
    "connection to use its own color scheme.");
const QString kStep2
    = QStringLiteral("Please select the default font you would like to be used.  This font will be inherited by each "
                     "connection you make or you will be able to customize each connection to use a custom font.");
constexpr int kInitialText = 7;
constexpr int kInitialBack = 0;
} // namespace

frmAskFor::frmAskFor(Program& program, UiServices& services, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , lblStat(new QLabel(kStep1 + kClickOk))
    , FC(new QListWidget)
    , BC(new QListWidget)
    , lblColor(new QLabel(QStringLiteral("Sample Screen")))
    , cmdTextColor(new QPushButton(QStringLiteral("&Choose Text Font")))
    , Command2(new QPushButton(QStringLiteral("&OK")))
    , m_program(program)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmAskFor"));
    setWindowTitle(QStringLiteral("Lanthorn Global Defaults"));
    lblStat->setObjectName(QStringLiteral("lblStat"));
    FC->setObjectName(QStringLiteral("FC"));
    BC->setObjectName(QStringLiteral("BC"));
    lblColor->setObjectName(QStringLiteral("lblColor"));
    cmdTextColor->setObjectName(QStringLiteral("cmdTextColor"));
    Command2->setObjectName(QStringLiteral("Command2"));

    auto* heading = new QLabel(QStringLiteral("Only A Few Steps Left!"));
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.5);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    lblStat->setWordWrap(true);

    FillColourList(FC);
    FillColourList(BC);
    SetColourListValue(FC, kInitialText);
    SetColourListValue(BC, kInitialBack);
    lblColor->setAlignment(Qt::AlignCenter);
    lblColor->setMinimumHeight(60);
    lblColor->setFont(QFontOf(m_font));
    SetWidgetColour(lblColor, ColourRole::Text, PaletteQColor(kInitialText));
    SetWidgetColour(lblColor, ColourRole::Background, PaletteQColor(kInitialBack));
    cmdTextColor->setEnabled(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(heading, 0, 0, 1, 2);
    layout->addWidget(lblStat, 1, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Foreground Color")), 2, 0);
    layout->addWidget(new QLabel(QStringLiteral("BackGround Color")), 2, 1);
    layout->addWidget(FC, 3, 0);
    layout->addWidget(BC, 3, 1);
    layout->addWidget(lblColor, 4, 0, 1, 2);
    layout->addWidget(cmdTextColor, 5, 0);
    layout->addWidget(Command2, 5, 1);
    resize(480, 460);

    connect(FC, &QListWidget::itemClicked, this, [this] { PickPaletteColour(FC, lblColor, ColourRole::Text); });
    connect(BC, &QListWidget::itemClicked, this, [this] { PickPaletteColour(BC, lblColor, ColourRole::Background); });
    connect(cmdTextColor, &QPushButton::clicked, this, &frmAskFor::cmdTextColor_Click);
    connect(Command2, &QPushButton::clicked, this, &frmAskFor::Command2_Click);
}

void frmAskFor::cmdTextColor_Click()
{
    if (const std::optional<QFont> chosen = m_services.chooseFont(this, QFontOf(m_font))) {
        m_font = FontChoiceOf(*chosen);
        lblColor->setFont(QFontOf(m_font));
    }
}

void frmAskFor::Command2_Click()
{
    if (!cmdTextColor->isEnabled()) {
        lblStat->setText(kStep2 + kClickOk);
        cmdTextColor->setEnabled(true);
        FC->setEnabled(false);
        BC->setEnabled(false);
        return;
    }
    writeDefaults();
    m_done = true;
    hide();
    m_program.ShowMessage(QStringLiteral("Lanthorn is now ready to load, please read the Help File for important "
                                         "information on how to use this program."),
        MessageKind::Wizard);
    Q_EMIT finished();
}

void frmAskFor::writeDefaults()
{
    const QString setup = QStringLiteral("Setup");
    const int back = ColourValueOf(lblColor->palette().color(QPalette::Window));
    const int text = ColourValueOf(lblColor->palette().color(QPalette::WindowText));
    m_program.WriteIniString(setup, QStringLiteral("SendColor"), QString::number(back));
    m_program.WriteIniString(setup, QStringLiteral("SendText"), QString::number(text));
    m_program.WriteIniString(setup, QStringLiteral("TFColor"), ColourListValue(FC));
    m_program.WriteIniString(setup, QStringLiteral("TBColor"), ColourListValue(BC));
    m_program.WriteIniString(setup, QStringLiteral("Font"), m_font.name);
    m_program.WriteIniString(setup, QStringLiteral("FontBold"), BoolText(m_font.bold));
    m_program.WriteIniString(setup, QStringLiteral("FontSize"), NumberText(m_font.size));
    m_program.WriteIniString(setup, QStringLiteral("FontItalic"), BoolText(m_font.italic));
    m_program.WriteIniString(setup, QStringLiteral("ToolBackColor"), QString::number(back));
    m_program.WriteIniString(QStringLiteral("Settings"), QStringLiteral("Version"), kVersionText);
}

void frmAskFor::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!m_done)
        Q_EMIT abandoned();
}

} // namespace lanthorn
