// Keys and defaults of the store; snake_case for the camera and the waves, as stored files have.
#include "SettingsTable.h"

const char *const settingsModule = "org.tetravolute.screensaver.Tetravolute";

const SettingEntry settingsTable[SettingCount] = {
    {"drawShades", SettingEntry::Bool, 1},
    {"drawBorder", SettingEntry::Bool, 0},
    {"drawSmooth", SettingEntry::Bool, 0},
    {"drawAxis", SettingEntry::Bool, 0},
    {"drawLogo", SettingEntry::Bool, 1},
    {"delay", SettingEntry::Bool, 1},
    {"cam_orientation_x", SettingEntry::Float, 0.0},
    {"cam_orientation_y", SettingEntry::Float, -54.735},
    {"cam_orientation_z", SettingEntry::Float, 120.0},
    {"cam_zoom", SettingEntry::Float, 2.0},
    {"lowThresh", SettingEntry::Integer, 1},
    {"highThresh", SettingEntry::Integer, 3},
    {"tetraTurn", SettingEntry::Float, 0.1},
    {"tetraYank", SettingEntry::Float, 0.1},
    {"dist_amp", SettingEntry::Float, 0.382},
    {"dist_freq", SettingEntry::Float, 4.5},
    {"dist_delta", SettingEntry::Float, -0.59},
    {"dist_phase", SettingEntry::Float, 0.0},
    {"size_amp", SettingEntry::Float, 0.2},
    {"size_freq", SettingEntry::Float, 4.5},
    {"size_delta", SettingEntry::Float, -0.12},
    {"size_phase", SettingEntry::Float, 1.0},
    {"turn_amp", SettingEntry::Float, 0.05},
    {"turn_freq", SettingEntry::Float, 0.0},
    {"turn_delta", SettingEntry::Float, 0.0},
    {"turn_phase", SettingEntry::Float, 0.0},
};

Defaults settingsStore() {
    return Defaults::forModule(settingsModule);
}

Defaults::Table defaultsTable() {
    Defaults::Table table;
    for (const SettingEntry &entry : settingsTable) {
        QVariant value;
        switch (entry.kind) {
        case SettingEntry::Bool:
            value = QString(entry.value != 0 ? "YES" : "NO");
            break;
        case SettingEntry::Integer:
            value = static_cast<qint64>(entry.value);
            break;
        case SettingEntry::Float:
            value = static_cast<float>(entry.value);
            break;
        }
        table.emplace_back(QString::fromLatin1(entry.key), value);
    }
    return table;
}
