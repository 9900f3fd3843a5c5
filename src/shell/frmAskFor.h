#pragma once

#include "core/ProgramState.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace lanthorn {

class Program;
class UiServices;

/// The set-up wizard of the first run: in two steps it asks for the default screen colours and
/// the default screen font, writes them and the version text, and hands back to the start-up.
class frmAskFor : public QWidget {
    Q_OBJECT
public:
    frmAskFor(Program& program, UiServices& services, QWidget* parent = nullptr);

    QLabel* const lblStat;
    QListWidget* const FC;
    QListWidget* const BC;
    QLabel* const lblColor;
    QPushButton* const cmdTextColor;
    QPushButton* const Command2;

Q_SIGNALS:
    /// The wizard wrote the defaults and the version text; the start-up runs again.
    void finished();
    /// The player closed the wizard before it finished; nothing more was written.
    void abandoned();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Command2_Click();
    void cmdTextColor_Click();
    void writeDefaults();

    Program& m_program;
    UiServices& m_services;
    FontChoice m_font { QStringLiteral("Courier"), 9.75, false, false };
    bool m_done = false;
};

} // namespace lanthorn
