#pragma once

#include "core/CoreServices.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace lanthorn {

/// Contents page, keyword search, or the page of a numbered help topic.
enum class HelpCommand { Contents, Search, Topic };

/// The platform services the windows need beyond the core ones: common dialogs, the
/// clipboard, window placement in the topmost band, flashing and help. A cancelled dialog
/// answers std::nullopt.
class UiServices : public CoreServices {
public:
    virtual std::optional<QString> openFileName(
        QWidget* parent, const QString& title, const QString& filter, const QString& proposed)
        = 0;
    virtual std::optional<QString> saveFileName(
        QWidget* parent, const QString& title, const QString& filter, const QString& proposed)
        = 0;
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;

    /// Puts a window into the topmost band (or back), showing it without moving, resizing or
    /// activating it.
    virtual void setAlwaysOnTop(QWidget* window, bool on) = 0;
    virtual void flashWindow(QWidget* window) = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual QString clipboardText() = 0;
    virtual void showHelp(HelpCommand command, int topic = 0) = 0;
};

} // namespace lanthorn
