#pragma once

#include <QPointer>
#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace lanthorn {

class Program;
class UiServices;

/// The send history window: the 40 history slots, oldest first, from which a double-click
/// puts an entry in front of the input box's text.
///
/// It is a tool window kept in the topmost band while it is shown, so it stays in sight
/// while the player goes on typing; it does not take the focus back when the player clicks
/// elsewhere.
class frmHistory : public QWidget {
    Q_OBJECT
public:
    frmHistory(Program& program, UiServices& ui, QPlainTextEdit* inputBox, QWidget* parent = nullptr);

    /// Shows the window in the topmost band and activates it. The list is filled from the
    /// history when it is empty, so it shows the history as it was when the window opened.
    void ShowHistory();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void lsHistory_DblClick(QListWidgetItem* item);
    void Close_Click();
    void FillList();
    /// Ends a showing: the list is emptied (rebuilt at the next one), the window hidden and
    /// the input box given the focus.
    void Unload();

    Program& m_program;
    UiServices& m_ui;
    QPointer<QPlainTextEdit> m_inputBox;
    QListWidget* lsHistory;
    QPushButton* Close;
};

} // namespace lanthorn
