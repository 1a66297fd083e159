// Keys, defaults and control ranges of the store; snake_case for the camera and the waves, as
// stored files have. A slider steps evenly over its range: 0.01 for spin and rock, 0.05 for zoom,
// 0.001 for amplitudes and deltas, 0.01 for frequencies and phases.
#include "SettingsTable.h"

#include <algorithm>

const char *const settingsModule = "org.tetravolute.screensaver.Tetravolute";

const SettingEntry settingsTable[SettingCount] = {
    {"drawShades", SettingEntry::Bool, 1},
    {"drawBorder", SettingEntry::Bool, 0},
    {"drawSmooth", SettingEntry::Bool, 0},
    {"drawAxis", SettingEntry::Bool, 0},
    {"drawLogo", SettingEntry::Bool, 1},
    {"delay", SettingEntry::Bool, 1},
    {"cam_orientation_x", SettingEntry::Float, 0.0, -360, 360, 0},
    {"cam_orientation_y", SettingEntry::Float, -54.735, -360, 360, 0},
    {"cam_orientation_z", SettingEntry::Float, 120.0, -360, 360, 0},
    {"cam_zoom", SettingEntry::Float, 2.0, 0.25, 4, 75},
    {"lowThresh", SettingEntry::Integer, 1, 0, 4, 4},
    {"highThresh", SettingEntry::Integer, 3, 0, 4, 4},
    {"tetraTurn", SettingEntry::Float, 0.1, -2, 2, 400},
    {"tetraYank", SettingEntry::Float, 0.1, 0, 1, 100},
    {"dist_amp", SettingEntry::Float, 0.382, 0, 1, 1000},
    {"dist_freq", SettingEntry::Float, 4.5, 0, 10, 1000},
    {"dist_delta", SettingEntry::Float, -0.59, -1, 1, 2000},
    {"dist_phase", SettingEntry::Float, 0.0, 0, 2, 200},
    {"size_amp", SettingEntry::Float, 0.2, 0, 1, 1000},
    {"size_freq", SettingEntry::Float, 4.5, 0, 10, 1000},
    {"size_delta", SettingEntry::Float, -0.12, -1, 1, 2000},
    {"size_phase", SettingEntry::Float, 1.0, 0, 2, 200},
    {"turn_amp", SettingEntry::Float, 0.05, 0, 1, 1000},
    {"turn_freq", SettingEntry::Float, 0.0, 0, 10, 1000},
    {"turn_delta", SettingEntry::Float, 0.0, -1, 1, 2000},
    {"turn_phase", SettingEntry::Float, 0.0, 0, 2, 200},
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

bool readBool(const Defaults &store, Setting setting) {
    return store.boolForKey(key(setting));
}

qint64 readInteger(const Defaults &store, Setting setting) {
    const SettingEntry &entry = settingsTable[setting];
    return std::clamp<qint64>(store.integerForKey(key(setting)), qint64(entry.min),
                              qint64(entry.max));
}

float readFloat(const Defaults &store, Setting setting) {
    const SettingEntry &entry = settingsTable[setting];
    return std::clamp(store.floatForKey(key(setting)), float(entry.min), float(entry.max));
}
