#pragma once

#include <QWidget>
#include <array>

class QLineEdit;
class QPushButton;

namespace lanthorn {

class Program;
class UiServices;

/// The macro window: one line of text for each of the function keys F2 to F12, kept in
/// section "Keys" of the settings file. A box's text is saved the moment the box loses the
/// focus, so there is nothing to confirm or cancel. The window reads the file once, when it
/// is made, and is hidden rather than closed.
class frmKeys : public QWidget {
    Q_OBJECT
public:
    frmKeys(Program& program, UiServices& ui, QWidget* parent = nullptr);

    /// Shows the window in the topmost band and activates it.
    void ShowKeys();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr int kFirstKey = 2;
    static constexpr int kLastKey = 12;
    static constexpr int kKeyCount = kLastKey - kFirstKey + 1;

    void cF_Click(int key);
    void cmdOK_Click();
    void SaveMacro(int key);
    /// The function key whose box this is; 0 for any other object.
    int keyOfBox(const QObject* object) const;
    QLineEdit* box(int key) const { return m_boxes[key - kFirstKey]; }

    Program& m_program;
    UiServices& m_ui;
    std::array<QLineEdit*, kKeyCount> m_boxes {}; // txt2 … txt12
    QPushButton* cmdOK;
};

} // namespace lanthorn
