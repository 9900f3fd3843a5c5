#include "shell/frmAbout.h"

#include "core/Program.h"
#include "platform/UiServices.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lanthorn {

frmAbout::frmAbout(UiServices& services, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , lblAbout(new QLabel(kVersionText + QStringLiteral("\nWritten by the Lanthorn developers.\n8/17/96")))
    , cmdAbOK(new QPushButton(QStringLiteral("&OK")))
    , m_services(services)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Lanthorn"));
    lblAbout->setObjectName(QStringLiteral("lblAbout"));
    cmdAbOK->setObjectName(QStringLiteral("cmdAbOK"));
    lblAbout->setAlignment(Qt::AlignCenter);
    QFont font = lblAbout->font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    lblAbout->setFont(font);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 24, 30, 18);
    layout->addWidget(lblAbout, 1);
    layout->addWidget(cmdAbOK, 0, Qt::AlignCenter);
    resize(340, 180);

    connect(cmdAbOK, &QPushButton::clicked, this, [this] {
        m_services.setAlwaysOnTop(this, false);
        hide();
    });
}

void frmAbout::showAbout()
{
    m_services.setAlwaysOnTop(this, true);
}

} // namespace lanthorn
