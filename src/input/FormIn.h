#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace lanthorn {

class Program;

/// The input window: the one text box, txtOutBound, in which everything sent to a world is
/// composed.
class FormIn : public QWidget {
    Q_OBJECT
public:
    explicit FormIn(Program& program, QWidget* parent = nullptr);

    QPlainTextEdit* const txtOutBound;

    /// The box takes the default font and the input colours of the screen defaults.
    void ApplyInputColours();

private:
    Program& m_program;
};

} // namespace lanthorn
