#pragma once

#include "worlds/SiteBookStore.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace lanthorn {

class Program;
class UiServices;
class frmSites;

/// The Connect window: pick a stored site and connect to it, or create, edit, save and
/// delete sites. The compact size shows the site list with New, Connect and Cancel; New opens
/// the expanded size with the editor.
///
/// Connecting is handed over: the Connect button hides the window and emits
/// connectRequested; whoever connects calls finishConnect when the attempt is over.
class frmAdd : public QWidget {
    Q_OBJECT
public:
    frmAdd(Program& program, UiServices& ui, QWidget* parent = nullptr);

    /// The text after the program name on the command line. When it is not empty, the window
    /// shows a new site at that address: host = its first word, port = its second.
    void setStartArguments(const QString& arguments);

    /// Shows the window in the topmost band, as the menu, the toolbar and the input line do.
    void Open();

    /// Ends a connect that connectRequested started, whether it worked or not: the Connect
    /// button works again and the (hidden) window is back at its compact size and place.
    void finishConnect();

    /// Rebuilds Sites and the site list from the settings file and shows the first site.
    void LoadSiteBook();
    /// Deletes the site named in the name box, after asking.
    void DeleteSite();
    /// Selects (and shows) the first list entry equal to `name`.
    void SelectSite(const QString& name);
    /// Puts the site selected in the list into the controls.
    void ShowSite();

    SiteBookStore& siteBook() { return m_store; }
    frmSites* siteList() const { return m_siteList; }
    bool isExpanded() const { return m_expanded; }

signals:
    /// Connect was pressed for the stored site Sites[siteIndex]; the window has hidden itself.
    void connectRequested(int siteIndex);
    /// Cancel closed the window: the input box should get the focus.
    void inputFocusRequested();
    /// Sites was rebuilt from the settings file (indexes into it may have changed).
    void siteBookLoaded();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    /// The colour lists show these palette colours as their values, with no row selected.
    void showColourValues(int fore, int back);
    /// MUD worlds are not word-wrapped: the wrap controls are cleared and disabled.
    void disableWrapForMud();
    void buildControls();
    void buildEditor(QWidget* panel);
    void buildActions(QWidget* panel);
    void connectHandlers();

    void cmbWorlds_DblClick(QListWidgetItem* item);
    void OpType_Click();
    void FC_Click(int row);
    void BC_Click(int row);
    void cmdTextCol_Click();
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdList_Click();
    void cmdConnect_Click();
    void cmdCancel_Click();
    void Sites_Picked(const QString& line);

    void markUnsaved();
    void markSaved();
    void setCompactSize();
    void setExpandedSize();
    SiteFields fieldsOfWindow() const;
    void reportWriteFailure(const QString& what);

    Program& m_program;
    UiServices& m_ui;
    SiteBookStore m_store;
    bool m_expanded = false;

    QListWidget* cmbWorlds = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtHost = nullptr;
    QLineEdit* txtPort = nullptr;
    QLineEdit* txtUserId = nullptr;
    QLineEdit* txtPass = nullptr;
    QLabel* Label2 = nullptr;
    QRadioButton* OpMUSH = nullptr;
    QRadioButton* OpMUD = nullptr;
    QCheckBox* chWW = nullptr;
    QLineEdit* txtWW = nullptr;
    QLineEdit* txtInd = nullptr;
    QCheckBox* chBold = nullptr;
    QListWidget* FC = nullptr;
    QListWidget* BC = nullptr;
    QLabel* lblColor = nullptr;
    QPushButton* cmdConnect = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdList = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdTextCol = nullptr;
    QWidget* m_editor = nullptr; // the parts only the expanded size shows
    QWidget* m_actions = nullptr;
    frmSites* m_siteList = nullptr;
};

} // namespace lanthorn
