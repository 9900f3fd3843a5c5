#include "worlds/frmAdd.h"

#include "core/GetWord.h"
#include "core/Program.h"
#include "platform/UiServices.h"
#include "shell/BusyPointer.h"
#include "shell/FontChoices.h"
#include "shell/PickPaletteColour.h"
#include "shell/SortedListItem.h"
#include "worlds/SiteSaveRules.h"
#include "worlds/frmSites.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace lanthorn {

namespace {

const QColor kUnsavedColour(255, 0, 0);
const QColor kSavedColour(0, 0, 0);

} // namespace

frmAdd::frmAdd(Program& program, UiServices& ui, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , m_program(program)
    , m_ui(ui)
    , m_store(program)
{
    setObjectName(QStringLiteral("frmAdd"));
    setWindowTitle(QStringLiteral("Connect Window"));
    buildControls();
    m_siteList = new frmSites(program, ui, this);
    connectHandlers();

    setCompactSize();
    LoadSiteBook();
}

void frmAdd::connectHandlers()
{
    connect(cmbWorlds, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ShowSite();
    });
    // A click on the entry that is already selected shows it again as well.
    connect(cmbWorlds, &QListWidget::itemClicked, this, [this] { ShowSite(); });
    connect(cmbWorlds, &QListWidget::itemDoubleClicked, this, &frmAdd::cmbWorlds_DblClick);

    for (QLineEdit* edit : { txtName, txtHost, txtPort, txtUserId, txtPass, txtWW, txtInd })
        connect(edit, &QLineEdit::textChanged, this, &frmAdd::markUnsaved);
    connect(OpMUSH, &QRadioButton::clicked, this, &frmAdd::OpType_Click);
    connect(OpMUD, &QRadioButton::clicked, this, &frmAdd::OpType_Click);
    connect(FC, &QListWidget::currentRowChanged, this, &frmAdd::FC_Click);
    connect(BC, &QListWidget::currentRowChanged, this, &frmAdd::BC_Click);

    connect(cmdTextCol, &QPushButton::clicked, this, &frmAdd::cmdTextCol_Click);
    connect(cmdNew, &QPushButton::clicked, this, &frmAdd::cmdNew_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmAdd::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmAdd::DeleteSite);
    connect(cmdList, &QPushButton::clicked, this, &frmAdd::cmdList_Click);
    connect(cmdConnect, &QPushButton::clicked, this, &frmAdd::cmdConnect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAdd::cmdCancel_Click);
    connect(m_siteList, &frmSites::sitePicked, this, &frmAdd::Sites_Picked);
}

void frmAdd::setStartArguments(const QString& arguments)
{
    if (arguments.isEmpty())
        return;
    show();
    cmdNew_Click();
    txtHost->setText(GetWord(arguments, 1));
    txtPort->setText(GetWord(arguments, 2));
}

void frmAdd::Open()
{
    show();
    raise();
    activateWindow();
    m_ui.setAlwaysOnTop(this, true);
}

void frmAdd::finishConnect()
{
    cmdConnect->setEnabled(true);
    setCompactSize();
}

void frmAdd::LoadSiteBook()
{
    {
        const QSignalBlocker quiet(cmbWorlds);
        cmbWorlds->clear();
        const int count = m_store.LoadSiteBook();
        for (int i = 0; i < count; ++i)
            SortedListItem::addTo(cmbWorlds, m_program.state.Sites[i].Name);
    }
    emit siteBookLoaded();
    if (cmbWorlds->count() == 0)
        return;
    cmbWorlds->setCurrentRow(0);
    ShowSite();
}

void frmAdd::DeleteSite()
{
    const QString name = txtName->text();
    if (m_program.AskYesNo(QStringLiteral("Are you sure you want to delete ") + name + u'?', 0) == 0)
        return;
    m_program.settings.clearLastError();
    m_store.DeleteSite(name);
    const bool failed = m_program.settings.lastError() != 0;
    LoadSiteBook();
    if (failed)
        reportWriteFailure(name + QStringLiteral(" may not have been deleted"));
}

void frmAdd::SelectSite(const QString& name)
{
    const QList<QListWidgetItem*> matches = cmbWorlds->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (matches.isEmpty())
        return;
    // findItems answers in list order; the first in the list is the one to select.
    QListWidgetItem* first = matches.first();
    if (cmbWorlds->currentItem() == first)
        ShowSite();
    else
        cmbWorlds->setCurrentItem(first);
}

void frmAdd::ShowSite()
{
    const QListWidgetItem* selected = cmbWorlds->currentItem();
    if (!selected)
        return;
    const int i = m_store.firstIndexOf(selected->text());
    if (i < 0)
        return;
    const SiteRecord& site = m_program.state.Sites[i];

    txtName->setText(site.Name);
    txtHost->setText(site.Host);
    txtPort->setText(QString::number(site.Port));
    txtUserId->setText(site.UserId);
    txtPass->setText(site.Password);
    chBold->setChecked(site.BoldANSI != 0);

    if (m_store.needsRepair(i)) {
        // Values the controls cannot take are replaced in memory; the file keeps them until
        // the site is saved.
        m_program.ShowMessage(QStringLiteral("Your Site Configuration for ") + site.Name
                + QStringLiteral(" appears to be damaged.  Setting to defaults to repair this."),
            MessageKind::Warning);
        m_store.repair(i);
        m_program.ShowMessage(QStringLiteral("Please save ") + site.Name
                + QStringLiteral(" to ensure the repairs are saved to your Lanthorn.ini File"),
            MessageKind::Information);
    }

    if (site.Type == kSiteTypeMud) {
        OpMUD->setChecked(true);
        disableWrapForMud();
    } else {
        OpMUSH->setChecked(true);
        chWW->setEnabled(true);
        chWW->setChecked(site.WordWrap);
        txtInd->setText(QString::number(site.Indent));
        txtWW->setText(QString::number(site.WrapAt));
    }

    lblColor->setFont(QFontOf(site.font()));
    SetWidgetColour(lblColor, ColourRole::Text, PaletteQColor(site.TFColor));
    SetWidgetColour(lblColor, ColourRole::Background, PaletteQColor(site.TBColor));

    showColourValues(site.TFColor, site.TBColor);
    markSaved();
}

void frmAdd::showColourValues(int fore, int back)
{
    for (auto [list, index] : { std::pair { FC, fore }, std::pair { BC, back } }) {
        const QSignalBlocker quiet(list);
        SetColourListValue(list, index);
        list->setCurrentRow(-1);
    }
}

void frmAdd::disableWrapForMud()
{
    chWW->setChecked(false);
    chWW->setEnabled(false);
    txtInd->clear();
    txtWW->clear();
}

void frmAdd::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        cmbWorlds->setFocus();
}

void frmAdd::closeEvent(QCloseEvent* event)
{
    // The window is never unloaded: its close box cancels.
    event->ignore();
    cmdCancel_Click();
}

void frmAdd::cmbWorlds_DblClick(QListWidgetItem* item)
{
    if (item)
        cmbWorlds->setCurrentItem(item);
    ShowSite();
    cmdConnect_Click();
}

void frmAdd::OpType_Click()
{
    markUnsaved();
    if (OpMUD->isChecked()) {
        disableWrapForMud();
    } else {
        chWW->setEnabled(true);
    }
}

void frmAdd::FC_Click(int row)
{
    if (row < 0)
        return;
    markUnsaved();
    PickPaletteColour(FC, lblColor, ColourRole::Text);
}

void frmAdd::BC_Click(int row)
{
    if (row < 0)
        return;
    markUnsaved();
    PickPaletteColour(BC, lblColor, ColourRole::Background);
}

void frmAdd::cmdTextCol_Click()
{
    m_ui.setAlwaysOnTop(this, false);
    const std::optional<QFont> chosen = m_ui.chooseFont(this, lblColor->font());
    if (chosen) {
        markUnsaved();
        lblColor->setFont(QFontOf(FontChoiceOf(*chosen)));
    }
    m_ui.setAlwaysOnTop(this, true);
}

void frmAdd::cmdNew_Click()
{
    txtName->clear();
    txtHost->clear();
    txtPort->clear();
    txtUserId->clear();
    txtPass->clear();
    txtWW->setText(QStringLiteral("80"));
    txtInd->setText(QStringLiteral("2"));
    OpMUSH->setChecked(true);
    chWW->setEnabled(true);
    chWW->setChecked(true);

    const ProgramState& state = m_program.state;
    lblColor->setFont(QFontOf(state.DefaultFont));
    SetWidgetColour(lblColor, ColourRole::Text, ColourFromValue(state.Screen.SendText));
    SetWidgetColour(lblColor, ColourRole::Background, ColourFromValue(state.Screen.SendColor));
    showColourValues(state.Screen.TFColor, state.Screen.TBColor);

    setExpandedSize();
    markSaved();
}

void frmAdd::cmdSave_Click()
{
    const QString name = txtName->text();
    const SiteFields fields = fieldsOfWindow();
    if (const auto refusal = SaveRefusal(name, fields, m_store.names())) {
        m_program.ShowMessage(*refusal, MessageKind::Warning);
        return;
    }
    markSaved();

    m_program.settings.clearLastError();
    const int existing = m_store.firstIndexOf(name);
    if (existing >= 0) {
        if (m_program.AskYesNo(QStringLiteral("Site ") + name + QStringLiteral(" already exists. Overwrite it?"), 1)
            == 0)
            return;
        m_store.SaveSite(name, fields);
    } else {
        m_store.SaveSite(name, fields);
        m_store.AddSiteName(name);
    }
    if (m_program.settings.lastError() != 0) {
        // What the window holds was not stored: keep it, still marked as unsaved.
        markUnsaved();
        reportWriteFailure(name + QStringLiteral(" was not saved"));
        return;
    }
    LoadSiteBook();
    SelectSite(name);
}

void frmAdd::cmdList_Click()
{
    m_siteList->Open();
}

void frmAdd::cmdConnect_Click()
{
    // The last stored site of that exact name is the one connected.
    const int site = m_store.lastIndexOf(txtName->text());
    if (site < 0) {
        m_program.ShowMessage(QStringLiteral("Please save this world first."), MessageKind::Information);
        return;
    }
    markSaved();
    cmdConnect->setEnabled(false);
    m_ui.setAlwaysOnTop(this, false);
    hide();
    emit connectRequested(site);
}

void frmAdd::cmdCancel_Click()
{
    markSaved();
    BusyPointer::restore();
    setCompactSize();
    m_ui.setAlwaysOnTop(this, false);
    hide();
    emit inputFocusRequested();
}

void frmAdd::Sites_Picked(const QString& line)
{
    txtHost->setText(GetWord(line, 2));
    txtPort->setText(GetWord(line, 3));
    txtName->setText(GetWord(line, 1));
    txtUserId->clear();
    txtPass->clear();
}

void frmAdd::markUnsaved()
{
    SetWidgetColour(cmdSave, ColourRole::Text, kUnsavedColour);
}

void frmAdd::markSaved()
{
    SetWidgetColour(cmdSave, ColourRole::Text, kSavedColour);
}

SiteFields frmAdd::fieldsOfWindow() const
{
    SiteFields fields;
    // Blanks at the ends of a host or port are never meant (the site list leaves them), so
    // they are not stored.
    fields.Host = txtHost->text().trimmed();
    fields.Port = txtPort->text().trimmed();
    fields.UserId = txtUserId->text();
    fields.Password = txtPass->text();
    fields.Type = OpMUD->isChecked() ? kSiteTypeMud : kSiteTypeMush;
    fields.WordWrap = chWW->isChecked();
    fields.WrapAt = txtWW->text();
    fields.Indent = txtInd->text();
    const QFont font = lblColor->font();
    fields.Font = FontChoiceOf(font);
    fields.TFColor = ColourListValue(FC);
    fields.TBColor = ColourListValue(BC);
    fields.BoldANSI = chBold->isChecked();
    return fields;
}

void frmAdd::reportWriteFailure(const QString& what)
{
    m_program.ShowMessage(QStringLiteral("Lanthorn could not write its settings file in ")
            + m_program.settings.directory() + QStringLiteral(", so ") + what
            + QStringLiteral(". Please check that the folder can be written to."),
        MessageKind::Warning);
}

} // namespace lanthorn
