#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace lanthorn {

class UiServices;

/// The about window: the version, a credit line and the release date.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(UiServices& services, QWidget* parent = nullptr);

    QLabel* const lblAbout;
    QPushButton* const cmdAbOK;

    /// Shows the window in the topmost band.
    void showAbout();

private:
    UiServices& m_services;
};

} // namespace lanthorn
