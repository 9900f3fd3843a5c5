#include "input/FormIn.h"

#include "core/Program.h"
#include "input/SendHistory.h"
#include "shell/FontChoices.h"
#include "shell/PickPaletteColour.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lanthorn {

FormIn::FormIn(Program& program, QWidget* parent)
    : QWidget(parent)
    , txtOutBound(new QPlainTextEdit(this))
    , m_program(program)
{
    setObjectName(QStringLiteral("FormIn"));
    txtOutBound->setObjectName(QStringLiteral("txtOutBound"));
    txtOutBound->setTabChangesFocus(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtOutBound);
    ApplyInputColours();
    SendHistory(program.state).ResetCursor();
}

void FormIn::ApplyInputColours()
{
    txtOutBound->setFont(QFontOf(m_program.state.DefaultFont));
    SetWidgetColour(txtOutBound, ColourRole::Background, ColourFromValue(m_program.state.Screen.SendColor));
    SetWidgetColour(txtOutBound, ColourRole::Text, ColourFromValue(m_program.state.Screen.SendText));
}

} // namespace lanthorn
