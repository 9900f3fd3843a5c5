#include "shell/PickPaletteColour.h"
#include "shell/Twips.h"
#include "worlds/frmAdd.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

// The Connect window's controls and their placement in the compact and the expanded size.

namespace lanthorn {

namespace {

// Window sizes and the compact part's controls, in twips.
constexpr double kWindowLeftTop = 10;
constexpr double kCompactWidth = 3650;
constexpr double kCompactHeight = 5420;
constexpr double kExpandedWidth = 7650;
constexpr double kExpandedHeight = 6735;
constexpr double kMargin = 120;
constexpr double kListWidth = 3405;
constexpr double kListHeight = 3900;
constexpr double kButtonWidth = 1635;
constexpr double kButtonHeight = 420;
constexpr double kButtonGap = 135;

QLabel* BuddyLabel(const QString& caption, QWidget* buddy, const QString& objectName)
{
    auto* label = new QLabel(caption, buddy->parentWidget());
    label->setObjectName(objectName);
    label->setBuddy(buddy);
    return label;
}

} // namespace

void frmAdd::buildControls()
{
    const auto twips = [this](double value) { return TwipsToPixels(value, this); };

    cmbWorlds = new QListWidget(this);
    cmbWorlds->setObjectName(QStringLiteral("cmbWorlds"));
    cmbWorlds->setSortingEnabled(true);
    cmbWorlds->setGeometry(twips(kMargin), twips(kMargin), twips(kListWidth), twips(kListHeight));

    const int buttonTop = twips(kMargin + kListHeight + kButtonGap);
    const auto makeButton = [&](const QString& caption, const QString& name, double left, int top) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(twips(left), top, twips(kButtonWidth), twips(kButtonHeight));
        return button;
    };
    cmdNew = makeButton(QStringLiteral("&New"), QStringLiteral("cmdNew"), kMargin, buttonTop);
    cmdConnect = makeButton(
        QStringLiteral("&Connect"), QStringLiteral("cmdConnect"), kMargin + kButtonWidth + kButtonGap, buttonTop);
    cmdCancel = makeButton(QStringLiteral("C&ancel"), QStringLiteral("cmdCancel"), kMargin,
        buttonTop + twips(kButtonHeight + kButtonGap / 2));

    m_editor = new QWidget(this);
    m_editor->setObjectName(QStringLiteral("editor"));
    m_editor->setGeometry(twips(kCompactWidth), 0, twips(kExpandedWidth - kCompactWidth), twips(kExpandedHeight));
    buildEditor(m_editor);

    m_actions = new QWidget(this);
    m_actions->setObjectName(QStringLiteral("actions"));
    m_actions->setGeometry(0, twips(kCompactHeight), twips(kCompactWidth), twips(kExpandedHeight - kCompactHeight));
    buildActions(m_actions);

    setTabOrder(cmbWorlds, cmdNew);
    setTabOrder(cmdNew, cmdConnect);
    setTabOrder(cmdConnect, cmdCancel);
    setTabOrder(cmdCancel, txtName);
}

void frmAdd::buildEditor(QWidget* panel)
{
    const auto lineEdit = [panel](const QString& name) {
        auto* edit = new QLineEdit(panel);
        edit->setObjectName(name);
        return edit;
    };

    Label2 = new QLabel(QStringLiteral("Please Enter Address and Optional UserName Or Load From Stored Sites."), panel);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    txtName = lineEdit(QStringLiteral("txtName"));
    txtHost = lineEdit(QStringLiteral("txtHost"));
    txtPort = lineEdit(QStringLiteral("txtPort"));
    txtUserId = lineEdit(QStringLiteral("txtUserId"));
    txtPass = lineEdit(QStringLiteral("txtPass"));
    txtPass->setEchoMode(QLineEdit::Password);

    auto* fields = new QFormLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    fields->setVerticalSpacing(4);
    fields->addRow(BuddyLabel(QStringLiteral("&Site Name:"), txtName, QStringLiteral("lblName")), txtName);
    fields->addRow(BuddyLabel(QStringLiteral("&Hostname:"), txtHost, QStringLiteral("lblHost")), txtHost);
    fields->addRow(BuddyLabel(QStringLiteral("P&ort:"), txtPort, QStringLiteral("lblPort")), txtPort);
    fields->addRow(BuddyLabel(QStringLiteral("&Username:"), txtUserId, QStringLiteral("lblUserId")), txtUserId);
    fields->addRow(BuddyLabel(QStringLiteral("&Password:"), txtPass, QStringLiteral("lblPass")), txtPass);

    OpMUSH = new QRadioButton(QStringLiteral("This is a MUSH Type"), panel);
    OpMUSH->setObjectName(QStringLiteral("OpMUSH"));
    OpMUD = new QRadioButton(QStringLiteral("This is a MUD Type"), panel);
    OpMUD->setObjectName(QStringLiteral("OpMUD"));
    OpMUSH->setChecked(true);

    chWW = new QCheckBox(QStringLiteral("Use WordWrap"), panel);
    chWW->setObjectName(QStringLiteral("chWW"));
    txtWW = lineEdit(QStringLiteral("txtWW"));
    txtInd = lineEdit(QStringLiteral("txtInd"));
    for (QLineEdit* edit : { txtWW, txtInd }) {
        // Wrap column and indent are small whole numbers; only the editor fills these boxes.
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), edit));
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    }
    auto* wrapRow = new QHBoxLayout;
    wrapRow->setContentsMargins(20, 0, 0, 0);
    wrapRow->addWidget(BuddyLabel(QStringLiteral("WrapAt:"), txtWW, QStringLiteral("lblWrapAt")));
    wrapRow->addWidget(txtWW);
    wrapRow->addSpacing(12);
    wrapRow->addWidget(BuddyLabel(QStringLiteral("IndentAt:"), txtInd, QStringLiteral("lblIndentAt")));
    wrapRow->addWidget(txtInd);
    wrapRow->addStretch();

    chBold = new QCheckBox(QStringLiteral("Use Bold Colors With ANSI or Hilights"), panel);
    chBold->setObjectName(QStringLiteral("chBold"));

    const auto colourList = [panel](const QString& name, const QString& caption, QVBoxLayout* column) {
        auto* list = new QListWidget(panel);
        list->setObjectName(name);
        FillColourList(list);
        auto* label = new QLabel(caption, panel);
        label->setObjectName(QStringLiteral("lbl") + name);
        column->addWidget(label);
        column->addWidget(list);
        return list;
    };
    auto* foreColumn = new QVBoxLayout;
    auto* backColumn = new QVBoxLayout;
    foreColumn->setSpacing(2);
    backColumn->setSpacing(2);
    FC = colourList(QStringLiteral("FC"), QStringLiteral("ForeColor"), foreColumn);
    BC = colourList(QStringLiteral("BC"), QStringLiteral("BackColor"), backColumn);
    auto* colours = new QHBoxLayout;
    colours->addLayout(foreColumn);
    colours->addLayout(backColumn);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(
        0, TwipsToPixels(kMargin, this), TwipsToPixels(kMargin, this), TwipsToPixels(kMargin, this));
    layout->setSpacing(4);
    layout->addWidget(Label2);
    layout->addLayout(fields);
    layout->addSpacing(2);
    layout->addWidget(OpMUSH);
    layout->addWidget(OpMUD);
    layout->addWidget(chWW);
    layout->addLayout(wrapRow);
    layout->addWidget(chBold);
    layout->addLayout(colours, 1);
}

void frmAdd::buildActions(QWidget* panel)
{
    lblColor = new QLabel(QStringLiteral("Sample Screen"), panel);
    lblColor->setObjectName(QStringLiteral("lblColor"));
    lblColor->setAlignment(Qt::AlignCenter);
    lblColor->setFrameShape(QFrame::Panel);
    lblColor->setFrameShadow(QFrame::Sunken);
    lblColor->setAutoFillBackground(true);

    const auto button = [panel](const QString& caption, const QString& name) {
        auto* created = new QPushButton(caption, panel);
        created->setObjectName(name);
        return created;
    };
    cmdTextCol = button(QStringLiteral("Custom Font"), QStringLiteral("cmdTextCol"));
    cmdSave = button(QStringLiteral("&Save"), QStringLiteral("cmdSave"));
    cmdDelete = button(QStringLiteral("&Delete"), QStringLiteral("cmdDelete"));
    cmdList = button(QStringLiteral("Site &List"), QStringLiteral("cmdList"));

    auto* sample = new QHBoxLayout;
    sample->addWidget(lblColor, 1);
    sample->addWidget(cmdTextCol);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : { cmdSave, cmdDelete, cmdList })
        buttons->addWidget(each, 1);

    // A rule sets the editor's part apart from the buttons of the compact window above it.
    auto* rule = new QFrame(panel);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* layout = new QVBoxLayout(panel);
    const int margin = TwipsToPixels(kMargin, this);
    layout->setContentsMargins(margin, 0, margin, margin);
    layout->setSpacing(6);
    layout->addWidget(rule);
    layout->addLayout(sample, 1);
    layout->addLayout(buttons);
}

void frmAdd::setCompactSize()
{
    m_expanded = false;
    m_editor->hide();
    m_actions->hide();
    move(TwipsToPixels(kWindowLeftTop, this), TwipsToPixels(kWindowLeftTop, this));
    setFixedSize(TwipsToPixels(kCompactWidth, this), TwipsToPixels(kCompactHeight, this));
}

void frmAdd::setExpandedSize()
{
    m_expanded = true;
    setFixedSize(TwipsToPixels(kExpandedWidth, this), TwipsToPixels(kExpandedHeight, this));
    m_editor->show();
    m_actions->show();
}

} // namespace lanthorn
