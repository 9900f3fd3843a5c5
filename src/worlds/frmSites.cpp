#include "worlds/frmSites.h"

#include "core/Program.h"
#include "platform/UiServices.h"
#include "shell/BusyPointer.h"
#include "shell/SortedListItem.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStringDecoder>

namespace lanthorn {

namespace {

constexpr double kWidth = 6000;
constexpr double kHeight = 5400;
constexpr double kListMargin = 100;
constexpr double kBelowList = 1000;
constexpr double kButtonGap = 90;
constexpr double kButtonWidth = 1335;
constexpr double kButtonHeight = 405;

QStringList LinesOf(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

frmSites::frmSites(Program& program, UiServices& ui, QWidget* connectWindow)
    : QWidget(connectWindow, Qt::Dialog)
    , m_program(program)
    , m_ui(ui)
    , m_directory(QCoreApplication::applicationDirPath())
    , Sites(new QListWidget(this))
    , cmdCancel(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setObjectName(QStringLiteral("frmSites"));
    setWindowTitle(QStringLiteral("Site List"));
    Sites->setObjectName(QStringLiteral("Sites"));
    Sites->setSortingEnabled(true);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    resize(TwipsToPixels(kWidth, this), TwipsToPixels(kHeight, this));

    connect(Sites, &QListWidget::itemDoubleClicked, this, &frmSites::Sites_DblClick);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSites::cmdCancel_Click);
}

void frmSites::Open()
{
    BusyPointer::show();
    Sites->clear();
    m_fileMissing = false;
    QFile file(QDir(m_directory).filePath(QStringLiteral("sites.ini")));
    if (!file.exists()) {
        m_program.ShowMessage(
            QStringLiteral("Your site file is missing.  Refer to the Help Files for creating a new one."),
            MessageKind::Information);
        SortedListItem::addTo(Sites, QStringLiteral("No Site File."));
        m_fileMissing = true;
    } else if (!file.open(QIODevice::ReadOnly)) {
        m_program.ShowMessage(QStringLiteral("Unhandled Error: ") + file.errorString(), MessageKind::Critical);
        BusyPointer::restore();
        return;
    } else {
        for (const QString& line : LinesOf(file.readAll()))
            SortedListItem::addTo(Sites, line);
        file.close();
    }
    show();
    m_ui.setAlwaysOnTop(this, true);
    BusyPointer::restore();
}

void frmSites::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_ui.setAlwaysOnTop(this, true);
}

void frmSites::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int margin = TwipsToPixels(kListMargin, this);
    Sites->setGeometry(
        margin, margin, width() - TwipsToPixels(2 * kListMargin, this), height() - TwipsToPixels(kBelowList, this));
    cmdCancel->setGeometry(margin, Sites->geometry().bottom() + 1 + TwipsToPixels(kButtonGap, this),
        TwipsToPixels(kButtonWidth, this), TwipsToPixels(kButtonHeight, this));
}

void frmSites::closeEvent(QCloseEvent* event)
{
    // The close box does what Cancel does; the window stays loaded for the next time.
    event->ignore();
    cmdCancel_Click();
}

void frmSites::Sites_DblClick(QListWidgetItem* item)
{
    if (!item || m_fileMissing)
        return; // the notice line is no site
    const QString line = item->text();
    m_ui.setAlwaysOnTop(this, false);
    emit sitePicked(line);
    hide();
    returnToConnectWindow();
}

void frmSites::cmdCancel_Click()
{
    m_ui.setAlwaysOnTop(this, false);
    hide();
    returnToConnectWindow();
    Sites->clear();
}

void frmSites::returnToConnectWindow()
{
    if (QWidget* connectWindow = parentWidget()) {
        connectWindow->raise();
        connectWindow->activateWindow();
    }
}

} // namespace lanthorn
