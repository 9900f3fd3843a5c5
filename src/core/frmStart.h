#pragma once

#include <QWidget>

class QFrame;
class QLabel;

namespace lanthorn {

/// The start-up window: title, version and credits, and a status line that shows each start-up
/// step while it runs.
class frmStart : public QWidget {
    Q_OBJECT
public:
    explicit frmStart(QWidget* parent = nullptr);

    /// Shows a status text at once, without waiting for the event loop (the start-up does not
    /// return to it between its steps).
    void setStatus(const QString& text);

private:
    QLabel* Label1;
    QFrame* Picture1;
    QLabel* lblSt;
    QLabel* OLabel;
};

} // namespace lanthorn
