#pragma once

#include "FakeServices.h"
#include "core/Program.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lanthorn::testing {

/// A fresh program with an empty settings directory of its own and scripted services of the
/// given kind.
template <typename Services> class ProgramFixture : public ::testing::Test {
protected:
    QTemporaryDir settingsDir;
    Services services;
    Program program { settingsDir.path(), services };

    QString ini(const QString& section, const QString& key, const QString& defaultValue = QStringLiteral("<missing>"))
    {
        return program.ReadIniString(section, key, defaultValue);
    }
    void setIni(const QString& section, const QString& key, const QString& value)
    {
        program.WriteIniString(section, key, value);
    }
};

/// A program with scripted core services (no windows).
using ProgramTest = ProgramFixture<FakeServices>;

} // namespace lanthorn::testing
