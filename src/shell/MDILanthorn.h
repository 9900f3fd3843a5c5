#pragma once

#include <QMainWindow>
#include <array>

class QMdiArea;
class QMenu;
class QSplitter;
class QTimer;

namespace lanthorn {

/// The main frame: the menu bar with its clock, the area of the world windows, and below it the
/// input window and the toolbar. What the menu items do is wired up by the shell.
class MDILanthorn : public QMainWindow {
    Q_OBJECT
public:
    explicit MDILanthorn(QWidget* parent = nullptr);

    QMdiArea* worldArea() const { return m_worldArea; }

    /// Places the input window below the world area (the user can drag the border between
    /// them) and the toolbar below both.
    void setInputWindow(QWidget* input);
    void setToolbar(QWidget* toolbar);

    /// The height of the input window; setting it moves the border.
    int inputHeight() const;
    void setInputHeight(int pixels);

    /// Shows the time, "h:mm AM/PM", as the caption of the clock menu.
    void updateClock();

    QMenu* File;
    QAction* Connect;
    QAction* mnuDisconnect;
    QAction* mnuClose;
    QAction* Log;
    QAction* mnuQuote;
    QAction* Exit;

    QMenu* mnuEdit;
    QAction* mnuCopy;
    QAction* mnuPaste;
    QAction* mnuLine;
    QAction* mnuView;

    QMenu* mnuPrefs;
    QAction* mnuGag;
    QAction* mnuHilites;
    QAction* mnuKeys;
    QAction* mnuLog;
    QAction* mnuTriggers;
    QAction* mnuSounds;
    QAction* mnuSetting;
    QAction* mnuEnable;

    QMenu* mnuOptions;
    QAction* mnuConfirm;
    QAction* mnuScrollbars;
    QAction* mnuNotify;

    QMenu* Worlds;
    QAction* Toggle;
    std::array<QAction*, 21> mnuArray {};

    QAction* mnuTime;

    QMenu* mnuHelp;
    QAction* mnuAbout;
    std::array<QAction*, 2> mnuHelpAr {};

    /// Ticks every 5 seconds: the clock, and flashing while unseen activity is pending.
    QTimer* Timer1;

    /// The help topic of a menu item (0 when it has none).
    static int helpTopic(const QAction* item);

Q_SIGNALS:
    /// F1 was pressed while a menu item with a help topic was highlighted.
    void helpTopicRequested(int topic);
    /// The frame's own close control was used.
    void closeRequested();
    /// The frame was resized, minimised or restored.
    void frameResized();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QAction* item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {});

    QMdiArea* m_worldArea;
    QSplitter* m_splitter;
    QWidget* m_toolbarSlot;
};

} // namespace lanthorn
