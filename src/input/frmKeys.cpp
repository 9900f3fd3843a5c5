#include "input/frmKeys.h"

#include "core/Program.h"
#include "input/Macros.h"
#include "platform/UiServices.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace lanthorn {

namespace {

constexpr int kRowsInFirstColumn = 6; // F2-F7 on the left, F8-F12 on the right
constexpr int kBoxMinimumWidth = 220;

QString keyName(int key)
{
    return u'F' + QString::number(key);
}

} // namespace

frmKeys::frmKeys(Program& program, UiServices& ui, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , m_program(program)
    , m_ui(ui)
    , cmdOK(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmKeys"));
    setWindowTitle(QStringLiteral("KeyBoard Macros"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));

    auto* layout = new QGridLayout(this);
    layout->setColumnMinimumWidth(2, 24);
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        auto* button = new QPushButton(keyName(key), this);
        button->setObjectName(QStringLiteral("cF%1").arg(key));
        auto* text = new QLineEdit(this);
        text->setObjectName(QStringLiteral("txt%1").arg(key));
        text->setMinimumWidth(kBoxMinimumWidth);
        text->setText(m_program.ReadIniString(kMacroSection, keyName(key), QStringLiteral(" ")));
        text->installEventFilter(this);
        m_boxes[key - kFirstKey] = text;

        const int index = key - kFirstKey;
        const int row = index % kRowsInFirstColumn;
        const int column = index < kRowsInFirstColumn ? 0 : 3;
        layout->addWidget(button, row, column);
        layout->addWidget(text, row, column + 1);
        connect(button, &QPushButton::clicked, this, [this, key] { cF_Click(key); });
    }
    layout->addWidget(cmdOK, kRowsInFirstColumn - 1, 3, 1, 2, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(4, 1);

    connect(cmdOK, &QPushButton::clicked, this, &frmKeys::cmdOK_Click);
}

void frmKeys::ShowKeys()
{
    show();
    m_ui.setAlwaysOnTop(this, true);
    raise();
    activateWindow();
}

bool frmKeys::eventFilter(QObject* watched, QEvent* event)
{
    const int key = keyOfBox(watched);
    if (key == 0)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        // A macro is one line: Enter neither ends the editing nor reaches the window.
        const int pressed = static_cast<QKeyEvent*>(event)->key();
        if (pressed == Qt::Key_Return || pressed == Qt::Key_Enter)
            return true;
    } else if (event->type() == QEvent::FocusOut) {
        SaveMacro(key);
    }
    return QWidget::eventFilter(watched, event);
}

void frmKeys::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_ui.setAlwaysOnTop(this, true);
}

void frmKeys::closeEvent(QCloseEvent* event)
{
    // The window stays loaded: its close box does what OK does.
    event->ignore();
    cmdOK_Click();
}

void frmKeys::cF_Click(int key)
{
    box(key)->setFocus();
}

void frmKeys::cmdOK_Click()
{
    // The box with the focus loses it as the window hides, which saves it.
    m_ui.setAlwaysOnTop(this, false);
    hide();
}

void frmKeys::SaveMacro(int key)
{
    m_program.WriteIniString(kMacroSection, keyName(key), box(key)->text());
}

int frmKeys::keyOfBox(const QObject* object) const
{
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        if (box(key) == object)
            return key;
    }
    return 0;
}

} // namespace lanthorn
