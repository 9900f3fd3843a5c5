#pragma once

#include "core/CoreServices.h"
#include "core/LanthornError.h"
#include "core/ProgramState.h"
#include "core/SettingsFiles.h"

namespace lanthorn {

inline const QString kProgramName = QStringLiteral("Lanthorn");
inline const QString kVersionText = QStringLiteral("Lanthorn Version 2.2.6");
inline const QString kWizardTitle = QStringLiteral("Lanthorn SetUp Wizard");
inline const QString kSupportContact = QStringLiteral("the Lanthorn developers");

/// Kinds of ShowMessage.
namespace MessageKind {
inline constexpr int Information = 1;
inline constexpr int Warning = 2;
inline constexpr int Critical = 3;
inline constexpr int Wizard = 4;
} // namespace MessageKind

/// One running program: its shared state, its settings files and the platform services it
/// talks to. Windows and routines get a reference to it; tests build a fresh one each.
class Program {
public:
    Program(const QString& settingsDirectory, CoreServices& services);

    ProgramState state;
    SettingsFiles settings;
    CoreServices& services;

    /// A message box with an OK button: kind 1 information, 2 warning, 3 critical (titled
    /// "Lanthorn"), 4 no icon titled with the set-up wizard's name; other kinds show nothing.
    /// The answer is kept in MsgResult.
    int ShowMessage(const QString& text, int kind);

    /// A Yes/No question titled "Lanthorn"; kind 0 makes No the default button, kind 1 Yes.
    /// Returns 1 for Yes and 0 for anything else.
    int AskYesNo(const QString& text, int kind);

    /// A box with an OK button, no icon and the given title.
    void PlainMessage(const QString& text, const QString& title = kProgramName);

    /// The generic report of an error nobody expected; shortForm leaves out the source.
    void ReportUnhandledError(const LanthornError& error, bool shortForm = false);

    QString ReadIniString(
        const QString& section, const QString& key, const QString& defaultValue, const QString& file = kSettingsFile)
    {
        return settings.ReadIniString(section, key, defaultValue, file);
    }
    void WriteIniString(const QString& section, const std::optional<QString>& key, const std::optional<QString>& value,
        const QString& file = kSettingsFile)
    {
        settings.WriteIniString(section, key, value, file);
    }
};

} // namespace lanthorn
