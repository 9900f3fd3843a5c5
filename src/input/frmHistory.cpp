#include "input/frmHistory.h"

#include "core/Program.h"
#include "input/SendHistory.h"
#include "platform/UiServices.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace lanthorn {

namespace {
constexpr double kWidth = 7200;
constexpr double kHeight = 4800;
} // namespace

frmHistory::frmHistory(Program& program, UiServices& ui, QPlainTextEdit* inputBox, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_program(program)
    , m_ui(ui)
    , m_inputBox(inputBox)
    , lsHistory(new QListWidget(this))
    , Close(new QPushButton(QStringLiteral("Close Window"), this))
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("Double Click On History Line To Paste Into Send Box"));
    lsHistory->setObjectName(QStringLiteral("lsHistory"));
    Close->setObjectName(QStringLiteral("Close"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lsHistory, 1);
    layout->addWidget(Close, 0, Qt::AlignHCenter);
    resize(TwipsToPixels(kWidth, this), TwipsToPixels(kHeight, this));

    connect(lsHistory, &QListWidget::itemDoubleClicked, this, &frmHistory::lsHistory_DblClick);
    connect(Close, &QPushButton::clicked, this, &frmHistory::Close_Click);
}

void frmHistory::ShowHistory()
{
    show();
    m_ui.setAlwaysOnTop(this, true);
    raise();
    activateWindow();
}

void frmHistory::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FillList();
}

void frmHistory::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_ui.setAlwaysOnTop(this, true);
        FillList();
    }
}

void frmHistory::closeEvent(QCloseEvent* event)
{
    // The close box does what the Close button does.
    event->ignore();
    Close_Click();
}

void frmHistory::FillList()
{
    if (lsHistory->count() > 0)
        return;
    const SendHistory history(m_program.state);
    for (int slot = 1; slot <= kHistorySlots; ++slot)
        lsHistory->addItem(history.entry(slot));
    lsHistory->setCurrentRow(kHistorySlots - 1);
    lsHistory->scrollToItem(lsHistory->currentItem());
}

void frmHistory::lsHistory_DblClick(QListWidgetItem* item)
{
    if (!item)
        return;
    // The row as shown, even if lines were sent since the window opened.
    const QString entry = item->text();
    m_ui.setAlwaysOnTop(this, false);
    if (m_inputBox) {
        QTextCursor cursor(m_inputBox->document());
        cursor.movePosition(QTextCursor::Start);
        cursor.insertText(entry);
        m_inputBox->setTextCursor(cursor);
    }
    Unload();
}

void frmHistory::Close_Click()
{
    m_ui.setAlwaysOnTop(this, false);
    Unload();
}

void frmHistory::Unload()
{
    lsHistory->clear();
    hide();
    if (m_inputBox) {
        m_inputBox->activateWindow();
        m_inputBox->setFocus();
    }
}

} // namespace lanthorn
