#include "core/frmStart.h"

#include "core/Program.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace lanthorn {

frmStart::frmStart(QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , Label1(new QLabel(QStringLiteral("Lanthorn"), this))
    , Picture1(new QFrame(this))
    , lblSt(new QLabel(Picture1))
    , OLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Lanthorn Load Screen"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    lblSt->setObjectName(QStringLiteral("lblSt"));
    OLabel->setObjectName(QStringLiteral("OLabel"));

    QFont titleFont = Label1->font();
    titleFont.setPointSize(titleFont.pointSize() * 3);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Label1->setAlignment(Qt::AlignCenter);

    Picture1->setFrameShape(QFrame::StyledPanel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setAutoFillBackground(true);
    auto* statusLayout = new QVBoxLayout(Picture1);
    statusLayout->addWidget(lblSt);

    OLabel->setText(
        kVersionText + QStringLiteral("\nA client for MUSH and MUD worlds.\nWritten by the Lanthorn developers."));
    OLabel->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);
    layout->addWidget(Label1);
    layout->addWidget(OLabel);
    layout->addWidget(Picture1);
    setFixedSize(420, 260);
}

void frmStart::setStatus(const QString& text)
{
    lblSt->setText(text);
    Picture1->repaint();
}

} // namespace lanthorn
