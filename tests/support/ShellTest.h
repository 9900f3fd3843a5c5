#pragma once

#include "UiProgramTest.h"
#include "core/Program.h"
#include "shell/Shell.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace lanthorn::testing {

/// A fresh program with its windows: an empty settings directory, scripted services, and a
/// shell whose "end the program" only records that it happened.
class ShellTest : public UiProgramTest {
protected:
    std::unique_ptr<Shell> shell;
    int programEnds = 0;

    /// Marks the settings as written by this version, so the start-up takes the normal path.
    void setUpAsReturningPlayer()
    {
        program.WriteIniString(QStringLiteral("Settings"), QStringLiteral("Version"), kVersionText);
    }

    Shell& startShell(const QString& arguments = {})
    {
        shell = std::make_unique<Shell>(program, services, arguments, [this] { ++programEnds; });
        shell->start();
        return *shell;
    }

    /// A second run of the program over the same settings directory.
    Shell& restartShell(const QString& arguments = {})
    {
        shell.reset();
        program.state = ProgramState {};
        return startShell(arguments);
    }

    ~ShellTest() override { shell.reset(); }
};

} // namespace lanthorn::testing
