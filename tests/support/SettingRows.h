// The 26 settings written out by hand from the program's definition, apart from its own table, in
// its order: key, kind, default, a value no default has, the range of the control that sets it,
// and that control with the name a screen reader gives it. Shared by the view's and the
// interface's tests, with what the view holds for each.
#pragma once

#include "LWTetravoluteView.h"

#include <QString>

struct SettingRow {
    const char *key;
    char kind;              // b bool, i integer, f float
    const char *normal;     // the default, as the store writes it
    const char *other;      // a value no default has, as the store writes it
    double lowest, highest; // the control's range
    const char *control;    // null for the camera's orientation, which the mouse sets
    const char *spoken;

    // What a field holds after reading text of the row's kind.
    double read(const QString &text) const;
    double normalValue() const { return read(normal); }
};

extern const SettingRow settingRows[26];

// The view's state, open to the tests: the view tests make one, the others reach a plain
// LWTetravoluteView's members through member pointers (it is never cast to this).
struct OpenView : LWTetravoluteView {
    using LWTetravoluteView::bobble, LWTetravoluteView::bubble, LWTetravoluteView::cam,
        LWTetravoluteView::distSine, LWTetravoluteView::drawBorder, LWTetravoluteView::drawRect,
        LWTetravoluteView::drawSmooth, LWTetravoluteView::high, LWTetravoluteView::inFullScreen,
        LWTetravoluteView::lightScene, LWTetravoluteView::logo, LWTetravoluteView::low,
        LWTetravoluteView::o, LWTetravoluteView::rads, LWTetravoluteView::screenSize,
        LWTetravoluteView::showAxis, LWTetravoluteView::showLogo, LWTetravoluteView::sizeSine,
        LWTetravoluteView::tetra, LWTetravoluteView::turnSine, LWTetravoluteView::updateTime,
        LWTetravoluteView::waitDelay;
};

// What a view holds for the setting of row.
double viewField(LWTetravoluteView &view, int row);

// Writes the settings file as a person would edit it: "key=value" lines under the group header
// (nothing when empty, which keeps the file as it is).
void writeSettings(const QByteArray &lines);
// The settings file's "key=value" lines, without the group header; one key's value or null.
QStringList storedLines();
QString stored(const QString &key);
