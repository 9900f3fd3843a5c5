#pragma once

#include "platform/UiServices.h"

namespace lanthorn::bench {

/// Platform services for benchmarks of the whole program: every box answers with its default
/// button, every dialog is cancelled, nothing else happens.
class QuietServices : public UiServices {
public:
    int messageBox(const MessageBoxRequest& request) override { return request.defaultButton; }
    void beep() override { }
    std::optional<QString> openFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return {}; }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override { return {}; }
    void setAlwaysOnTop(QWidget*, bool) override { }
    void flashWindow(QWidget*) override { }
    void setClipboardText(const QString&) override { }
    QString clipboardText() override { return {}; }
    void showHelp(HelpCommand, int) override { }
};

} // namespace lanthorn::bench
