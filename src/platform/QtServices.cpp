#include "platform/QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QWidget>

namespace lanthorn {

namespace {

/// "Log (*.log)|*.log|Text (*.txt)|*.txt" (description and pattern pairs) to Qt's form.
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries.append(parts[i].trimmed() + QStringLiteral(" (") + parts[i + 1].trimmed() + u')');
    return entries.join(QStringLiteral(";;"));
}

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int QtServices::messageBox(const MessageBoxRequest& request)
{
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(qtIcon(request.icon), request.title, text);
    box.setWindowModality(Qt::ApplicationModal);
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.defaultButton == MessageAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

void QtServices::beep()
{
    QApplication::beep();
}

std::optional<QString> QtServices::openFileName(
    QWidget* parent, const QString& title, const QString& filter, const QString& proposed)
{
    const QString name = QFileDialog::getOpenFileName(parent, title, proposed, qtFilter(filter));
    return name.isEmpty() ? std::nullopt : std::optional(name);
}

std::optional<QString> QtServices::saveFileName(
    QWidget* parent, const QString& title, const QString& filter, const QString& proposed)
{
    // Overwriting is asked about by the program itself, with its own words.
    const QString name = QFileDialog::getSaveFileName(
        parent, title, proposed, qtFilter(filter), nullptr, QFileDialog::DontConfirmOverwrite);
    return name.isEmpty() ? std::nullopt : std::optional(name);
}

std::optional<QFont> QtServices::chooseFont(QWidget* parent, const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    return ok ? std::optional(font) : std::nullopt;
}

std::optional<QColor> QtServices::chooseColour(QWidget* parent, const QColor& initial)
{
    const QColor colour = QColorDialog::getColor(initial, parent);
    return colour.isValid() ? std::optional(colour) : std::nullopt;
}

void QtServices::setAlwaysOnTop(QWidget* window, bool on)
{
    if (!window)
        return;
    const bool flagged = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (flagged != on) {
        // Changing a window flag hides the window; put it back where it was, unactivated.
        const QRect geometry = window->geometry();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        window->setGeometry(geometry);
    }
    const bool activating = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
    window->setAttribute(Qt::WA_ShowWithoutActivating, activating);
}

void QtServices::flashWindow(QWidget* window)
{
    if (window)
        QApplication::alert(window);
}

void QtServices::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString QtServices::clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void QtServices::showHelp(HelpCommand command, int topic)
{
    if (m_help)
        m_help(command, topic);
}

} // namespace lanthorn
