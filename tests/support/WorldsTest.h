#pragma once

#include "EventLoop.h"
#include "FakeWorldServer.h"
#include "ShellTest.h"
#include "platform/TcpConnection.h"
#include "platform/TerminalDisplay.h"
#include "shell/MDILanthorn.h"
#include "worlds/ConnectionLifecycle.h"
#include "worlds/frmOpen.h"

#include <chrono>

namespace lanthorn::testing {

/// A stored site on a fake world.
struct TestSite {
    QString name;
    quint16 port;
    QString user = QStringLiteral("Alice");
    QString password = QStringLiteral("alicepw");
    int type = kSiteTypeMush;
    /// Other keys of the site's section (WordWrap, WrapAt, TFColor, ...).
    QList<QPair<QString, QString>> more = {};
};

/// A running program with stored sites on fake worlds, and helpers to connect and look at
/// the world windows.
class WorldsTest : public ShellTest {
protected:
    void storeSites(const QList<TestSite>& sites)
    {
        program.WriteIniString("Sites", "Total", QString::number(sites.size()));
        for (int i = 0; i < sites.size(); ++i) {
            const TestSite& site = sites[i];
            program.WriteIniString("Sites", QStringLiteral("Site%1").arg(i), site.name);
            program.WriteIniString(site.name, "Host", FakeWorldServer::host());
            program.WriteIniString(site.name, "Port", QString::number(site.port));
            program.WriteIniString(site.name, "UserId", site.user);
            program.WriteIniString(site.name, "Password", site.password);
            program.WriteIniString(site.name, "Type", QString::number(site.type));
            for (const auto& [key, value] : site.more)
                program.WriteIniString(site.name, key, value);
        }
    }

    /// Starts the program (a returning player) with these sites.
    void start(const QList<TestSite>& sites, const QList<QPair<QString, QString>>& settings = {})
    {
        setUpAsReturningPlayer();
        storeSites(sites);
        for (const auto& [key, value] : settings)
            program.WriteIniString("Settings", key, value);
        startShell();
        shell->lifecycle().setConnectWait(std::chrono::milliseconds(400));
    }

    /// Connects through the input line's way in and waits until the attempt has ended.
    bool connectByName(const QString& name)
    {
        bool finished = false;
        bool result = false;
        const auto connection
            = QObject::connect(&shell->lifecycle(), &ConnectionLifecycle::attemptFinished, [&](int, bool connected) {
                  finished = true;
                  result = connected;
              });
        shell->lifecycle().ConnectByName(name);
        waitFor([&] { return finished; }, 8000);
        QObject::disconnect(connection);
        return finished && result;
    }

    frmOpen* world(int slot) { return shell->WorldWindow(slot); }
    QString screen(int slot) { return world(slot)->Term->ScreenText(); }
    QString chatScreen(int slot) { return world(slot)->Chat->ScreenText(); }

    /// Waits until the text appears in a world's main display.
    bool waitForScreen(int slot, const QString& text, int milliseconds = 3000)
    {
        return waitFor([&] { return screen(slot).contains(text); }, milliseconds);
    }

    QStringList worldsMenu()
    {
        QStringList entries;
        for (QAction* entry : shell->mainFrame()->mnuArray) {
            if (entry->isVisible())
                entries.append(entry->text());
        }
        return entries;
    }
};

} // namespace lanthorn::testing
