#pragma once

#include "FakeServices.h"
#include "platform/UiServices.h"

#include <QWidget>
#include <deque>

namespace lanthorn::testing {

/// One common dialog the program opened.
struct RecordedDialog {
    QString kind; // "open", "save", "font", "colour"
    QString title;
    QString filter;
    QString proposed;
};

/// Scripted window services: dialogs answer from their scripts (a cancel when a script is
/// empty), and every other request is recorded.
class FakeUiServices : public UiServices {
public:
    FakeServices core;

    int messageBox(const MessageBoxRequest& request) override { return core.messageBox(request); }
    void beep() override { core.beep(); }

    std::optional<QString> openFileName(
        QWidget* parent, const QString& title, const QString& filter, const QString& proposed) override;
    std::optional<QString> saveFileName(
        QWidget* parent, const QString& title, const QString& filter, const QString& proposed) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    void setAlwaysOnTop(QWidget* window, bool on) override;
    void flashWindow(QWidget*) override { ++flashes; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    QString clipboardText() override { return clipboard; }
    void showHelp(HelpCommand command, int topic = 0) override { helpRequests.append({ command, topic }); }

    /// Whether the last always-on-top request for the window switched it on.
    bool isOnTop(const QWidget* window) const;

    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QColor>> colourAnswers;
    QList<RecordedDialog> dialogs;
    QList<QPair<QString, bool>> onTopRequests; // object name of the window, on
    QList<QPair<HelpCommand, int>> helpRequests;
    QString clipboard;
    int flashes = 0;
};

} // namespace lanthorn::testing
