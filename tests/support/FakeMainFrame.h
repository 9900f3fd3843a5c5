#pragma once

#include "core/LanthornError.h"
#include "incoming/IncomingMainFrame.h"
#include "incoming/IncomingWorldWindow.h"

#include <QList>
#include <QStringList>
#include <optional>
#include <utility>

namespace lanthorn::testing {

/// A main frame for the incoming pipeline that records every call. Set logFailure to make the
/// log writer raise that error.
class FakeMainFrame : public IncomingMainFrame {
public:
    bool isMinimized() const override { return minimized; }
    bool notifyChecked() const override { return notify; }
    void setCaption(const QString& text) override { caption = text; }
    int AddActivity(const QString& worldCaption) override
    {
        activity.append(worldCaption);
        return int(activity.size() - 1);
    }
    void GrabResult(const QByteArray& line) override { grabs.append(line); }
    void RebuildWorldList() override { ++rebuilds; }
    void LogLine(const QByteArray& plain, int slot) override
    {
        if (logFailure)
            throw *logFailure;
        logged.append({ plain, slot });
    }
    void WhoCapture(const QByteArray& text, IncomingWorldWindow& window) override
    {
        whoCaptured.append({ text, window.slot() });
    }
    void WhoCancel(IncomingWorldWindow& window) override { whoCancelled.append(window.slot()); }

    bool minimized = false;
    bool notify = false;
    QString caption = QStringLiteral("Lanthorn");
    QStringList activity;
    QList<QByteArray> grabs;
    int rebuilds = 0;
    QList<std::pair<QByteArray, int>> logged;
    std::optional<LanthornError> logFailure;
    QList<std::pair<QByteArray, int>> whoCaptured;
    QList<int> whoCancelled;
};

} // namespace lanthorn::testing
