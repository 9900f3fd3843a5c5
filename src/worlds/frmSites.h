#pragma once

#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lanthorn {

class Program;
class UiServices;

/// The site list window: the lines of sites.ini (name, host, port and free text), offered
/// for filling the Connect window. The Connect window is its parent and gets the focus back.
class frmSites : public QWidget {
    Q_OBJECT
public:
    frmSites(Program& program, UiServices& ui, QWidget* connectWindow);

    /// Where sites.ini is looked for: the program's own directory unless set otherwise.
    void setDirectory(const QString& directory) { m_directory = directory; }
    const QString& directory() const { return m_directory; }

    /// Fills the list from sites.ini and shows the window in the topmost band.
    void Open();

signals:
    /// A line was double-clicked; the Connect window takes its words.
    void sitePicked(const QString& line);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Sites_DblClick(QListWidgetItem* item);
    void cmdCancel_Click();
    void returnToConnectWindow();

    Program& m_program;
    UiServices& m_ui;
    QString m_directory;
    bool m_fileMissing = false;
    QListWidget* Sites;
    QPushButton* cmdCancel;
};

} // namespace lanthorn
