// Keys and defaults of the store; snake_case for the camera and the waves, as stored files have.
#include "SettingsTable.h"

const char *const settingsModule = "org.tetravolute.screensaver.Tetravolute";

const SettingSpec settingsTable[SettingCount] = {
    {"drawShades", SettingSpec::Bool, 1},
    {"drawBorder", SettingSpec::Bool, 0},
    {"drawSmooth", SettingSpec::Bool, 0},
    {"drawAxis", SettingSpec::Bool, 0},
    {"drawLogo", SettingSpec::Bool, 1},
    {"delay", SettingSpec::Bool, 1},
    {"cam_orientation_x", SettingSpec::Float, 0.0},
    {"cam_orientation_y", SettingSpec::Float, -54.735},
    {"cam_orientation_z", SettingSpec::Float, 120.0},
    {"cam_zoom", SettingSpec::Float, 2.0},
    {"lowThresh", SettingSpec::Integer, 1},
    {"highThresh", SettingSpec::Integer, 3},
    {"tetraTurn", SettingSpec::Float, 0.1},
    {"tetraYank", SettingSpec::Float, 0.1},
    {"dist_amp", SettingSpec::Float, 0.382},
    {"dist_freq", SettingSpec::Float, 4.5},
    {"dist_delta", SettingSpec::Float, -0.59},
    {"dist_phase", SettingSpec::Float, 0.0},
    {"size_amp", SettingSpec::Float, 0.2},
    {"size_freq", SettingSpec::Float, 4.5},
    {"size_delta", SettingSpec::Float, -0.12},
    {"size_phase", SettingSpec::Float, 1.0},
    {"turn_amp", SettingSpec::Float, 0.05},
    {"turn_freq", SettingSpec::Float, 0.0},
    {"turn_delta", SettingSpec::Float, 0.0},
    {"turn_phase", SettingSpec::Float, 0.0},
};

Defaults settingsStore() {
    return Defaults::forModule(settingsModule);
}

Defaults::Table defaultsTable() {
    Defaults::Table table;
    for (const SettingSpec &spec : settingsTable) {
        QVariant value;
        switch (spec.kind) {
        case SettingSpec::Bool:
            value = QString(spec.value != 0 ? "YES" : "NO");
            break;
        case SettingSpec::Integer:
            value = static_cast<qint64>(spec.value);
            break;
        case SettingSpec::Float:
            value = static_cast<float>(spec.value);
            break;
        }
        table.emplace_back(QString::fromLatin1(spec.key), value);
    }
    return table;
}
