// The 26 settings: key, kind and default, in registration order. Registration, reading, restoring
// the defaults and the tests all walk this one table; a key's text is spelled only here.
#pragma once

#include "Defaults.h"

enum Setting {
    DrawShades,
    DrawBorder,
    DrawSmooth,
    DrawAxis,
    DrawLogo,
    Delay,
    CamOrientationX, // degrees, set by dragging
    CamOrientationY, // degrees, set by dragging
    CamOrientationZ, // degrees, only ever its default
    CamZoom,
    LowThresh,  // lowest fractal level that draws its own tetrahedron, 0..4
    HighThresh, // highest fractal level, 0..4
    TetraTurn,  // spin step, degrees per animation step
    TetraYank,  // rock amplitude, degrees per animation step at most
    DistAmp,
    DistFreq,
    DistDelta,
    DistPhase,
    SizeAmp,
    SizeFreq,
    SizeDelta,
    SizePhase,
    TurnAmp,
    TurnFreq,
    TurnDelta,
    TurnPhase,
    SettingCount
};

struct SettingEntry {
    const char *key;
    enum Kind { Bool, Integer, Float } kind;
    double value; // bools 1 or 0; floats are narrowed to single precision when registered
    // Integers and floats: the range of the control that sets them, in `steps` even steps (0: no
    // control). A stored value outside it reads as the nearer end.
    double min = 0, max = 1;
    int steps = 0;
};

extern const SettingEntry settingsTable[SettingCount];
// Reverse-domain module name of the per-user store.
extern const char *const settingsModule;

inline QString key(Setting setting) {
    return QString::fromLatin1(settingsTable[setting].key);
}
// A fresh handle on the store.
Defaults settingsStore();
// Stored values as the view and the controls use them: integers and floats clamped to their
// range; the file is left as it is.
bool readBool(const Defaults &store, Setting setting);
qint64 readInteger(const Defaults &store, Setting setting);
float readFloat(const Defaults &store, Setting setting);
// The table as registered fallbacks: bools as "YES" / "NO" strings, integers, single floats.
Defaults::Table defaultsTable();
