#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace lanthorn {

class Program;

/// The toolbar below the input window: picture buttons for frequent actions, the pause, quote
/// and logging labels, and the activity list of background worlds with unseen text.
class frmTool : public QWidget {
    Q_OBJECT
public:
    explicit frmTool(Program& program, QWidget* parent = nullptr);

    QListWidget* const lworlds;
    QToolButton* const cmdWHO;
    QToolButton* const cmdPause;
    QToolButton* const cmdBack;
    QToolButton* const cmdLook;
    QToolButton* const cmdLog;
    QToolButton* const cmdConnect;
    QPushButton* const cmdCancel;
    QLabel* const lblQuote;
    QLabel* const lblPause;
    QLabel* const lblAnnounce;
    QLabel* const lblHelp;

    /// The background of the toolbar and its labels: a colour value (0x00BBGGRR).
    void setToolColour(int colourValue);

    /// The six picture buttons.
    QList<QToolButton*> pictureButtons() const;

Q_SIGNALS:
    /// A key went down while the toolbar had the focus (Windows key code, shift state).
    void keyDown(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace lanthorn
