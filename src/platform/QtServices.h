#pragma once

#include "platform/UiServices.h"

#include <functional>

namespace lanthorn {

/// The real platform services, on Qt's message boxes, dialogs and clipboard.
class QtServices : public UiServices {
public:
    int messageBox(const MessageBoxRequest& request) override;
    void beep() override;
    std::optional<QString> openFileName(
        QWidget* parent, const QString& title, const QString& filter, const QString& proposed) override;
    std::optional<QString> saveFileName(
        QWidget* parent, const QString& title, const QString& filter, const QString& proposed) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    void setAlwaysOnTop(QWidget* window, bool on) override;
    void flashWindow(QWidget* window) override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;
    void showHelp(HelpCommand command, int topic = 0) override;

    /// The help window is part of the program; the shell tells the services how to open it.
    void setHelpHandler(std::function<void(HelpCommand, int)> handler) { m_help = std::move(handler); }

private:
    std::function<void(HelpCommand, int)> m_help;
};

} // namespace lanthorn
