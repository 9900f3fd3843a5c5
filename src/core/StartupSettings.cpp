#include "core/StartupSettings.h"

#include "core/SettingsValues.h"

#include <functional>

namespace lanthorn {

namespace {

/// The feature switches: their keys in section Settings, their defaults and their fields.
const struct {
    const char* key;
    const char* defaultValue;
    int FeatureSwitches::*field;
} kSwitches[] = {
    { "LoadGags", "0", &FeatureSwitches::GagsEnabled },
    { "LoadTrigs", "0", &FeatureSwitches::TriggersEnabled },
    { "NumberMap", "0", &FeatureSwitches::NumberPadMap },
    { "LoadOmits", "0", &FeatureSwitches::LogOmissionsEnabled },
    { "LoadWHO", "0", &FeatureSwitches::WhoWindowEnabled },
    { "ActSep", "1", &FeatureSwitches::ActivitySeparator },
    { "SplitLogs", "0", &FeatureSwitches::SplitLogs },
};

const QString kSetup = QStringLiteral("Setup");
const QString kSettings = QStringLiteral("Settings");

/// Runs one reading step; a numbered error goes to the handler and the caller goes on with
/// its next step.
void step(const std::function<void()>& body, const std::function<void(const LanthornError&)>& onError)
{
    try {
        body();
    } catch (const LanthornError& error) {
        onError(error);
    }
}

} // namespace

void LoadScreenDefaults(Program& program)
{
    ProgramState& state = program.state;
    const auto report = [&](const LanthornError& error) { program.ReportUnhandledError(error); };
    const auto read = [&](const char* key, const char* defaultValue) {
        return program.ReadIniString(kSetup, QString::fromLatin1(key), QString::fromLatin1(defaultValue));
    };
    step([&] { state.DefaultFont.name = read("Font", "Courier"); }, report);
    step([&] { state.DefaultFont.size = NumericValue(read("FontSize", "10")); }, report);
    step([&] { state.DefaultFont.bold = BooleanText(read("FontBold", "False")); }, report);
    step([&] { state.DefaultFont.italic = BooleanText(read("FontItalic", "False")); }, report);
    step([&] { state.Screen.TBColor = IntegerValue(read("TBColor", "15")); }, report);
    step([&] { state.Screen.TFColor = IntegerValue(read("TFColor", "0")); }, report);
    step([&] { state.Screen.SendColor = LongValue(read("SendColor", "&HFFFFFF")); }, report);
    step([&] { state.Screen.SendText = LongValue(read("SendText", "&H0&")); }, report);
    step([&] { state.Screen.ScrollRows = IntegerValue(read("ScrollRows", "150")); }, report);
}

void LoadFeatureSwitches(Program& program)
{
    FeatureSwitches& features = program.state.Features;
    const auto onError = [&](const LanthornError& error) {
        if (error.number() == ErrorNumber::TypeMismatch)
            program.PlainMessage(kCorruptedText, kCorruptedTitle);
        else
            program.ReportUnhandledError(error, true);
    };
    for (const auto& entry : kSwitches) {
        step(
            [&] {
                features.*entry.field = IntegerValue(program.ReadIniString(
                    kSettings, QString::fromLatin1(entry.key), QString::fromLatin1(entry.defaultValue)));
            },
            onError);
    }
}

void SaveFeatureSwitches(Program& program)
{
    const FeatureSwitches& features = program.state.Features;
    for (const auto& entry : kSwitches)
        program.WriteIniString(kSettings, QString::fromLatin1(entry.key), QString::number(features.*entry.field));
}

MenuChecks ReadMenuChecks(Program& program)
{
    MenuChecks checks;
    const auto ignore = [](const LanthornError&) {};
    step([&] { checks.notify = BooleanText(program.ReadIniString(kSettings, "Notify", "0")); }, ignore);
    step([&] { checks.scrollbars = NumericBoolean(program.ReadIniString(kSettings, "Scrollbars", "0")); }, ignore);
    step([&] { checks.confirm = NumericBoolean(program.ReadIniString(kSettings, "Confirm", "1")); }, ignore);
    return checks;
}

void WriteNotifyCheck(Program& program, bool checked)
{
    program.WriteIniString(kSettings, QStringLiteral("Notify"), BoolText(checked));
}

void WriteScrollbarsCheck(Program& program, bool checked)
{
    program.WriteIniString(kSettings, QStringLiteral("Scrollbars"), QString::number(checked ? 1 : 0));
}

void WriteConfirmCheck(Program& program, bool checked)
{
    program.WriteIniString(kSettings, QStringLiteral("Confirm"), QString::number(checked ? 1 : 0));
}

WindowPlacement ReadWindowPlacement(Program& program)
{
    WindowPlacement placement;
    placement.left = NumericValue(program.ReadIniString(kSetup, "WindowLeft", "0"));
    placement.top = NumericValue(program.ReadIniString(kSetup, "WindowTop", "0"));
    placement.width = NumericValue(program.ReadIniString(kSetup, "WindowWidth", "9585"));
    placement.height = NumericValue(program.ReadIniString(kSetup, "WindowHeight", "5550"));
    return placement;
}

void SaveWindowPlacement(Program& program, const WindowPlacement& placement, double inputHeight)
{
    program.WriteIniString(kSetup, QStringLiteral("WindowTop"), NumberText(placement.top));
    program.WriteIniString(kSetup, QStringLiteral("WindowWidth"), NumberText(placement.width));
    program.WriteIniString(kSetup, QStringLiteral("WindowLeft"), NumberText(placement.left));
    program.WriteIniString(kSetup, QStringLiteral("WindowHeight"), NumberText(placement.height));
    program.WriteIniString(kSetup, QStringLiteral("OutBound"), NumberText(inputHeight));
}

double ReadInputWindowHeight(Program& program)
{
    return NumericValue(program.ReadIniString(kSetup, "OutBound", "1100"));
}

} // namespace lanthorn
