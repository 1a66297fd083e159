// The hand-written settings table, and the view's fields reached through member pointers.
#include "SettingRows.h"

#include "SettingsTable.h"

#include <QFile>
#include <QRegularExpression>
#include <array>

const SettingRow settingRows[26] = {
    {"drawShades", 'b', "YES", "NO", 0, 1, "shadeSwitch", "Shaded faces"},
    {"drawBorder", 'b', "NO", "YES", 0, 1, "borderSwitch", "Outlines"},
    {"drawSmooth", 'b', "NO", "YES", 0, 1, "smoothSwitch", "Smoothing pass"},
    {"drawAxis", 'b', "NO", "YES", 0, 1, "axisSwitch", "Axes"},
    {"drawLogo", 'b', "YES", "NO", 0, 1, "logoSwitch", "Logo in full screen"},
    {"delay", 'b', "YES", "NO", 0, 1, "delaySwitch", "Hold still for 30 s at start"},
    {"cam_orientation_x", 'f', "0", "11.5", -360, 360, nullptr, nullptr},
    {"cam_orientation_y", 'f', "-54.735", "12.5", -360, 360, nullptr, nullptr},
    {"cam_orientation_z", 'f', "120", "13.5", -360, 360, nullptr, nullptr},
    {"cam_zoom", 'f', "2", "1.5", 0.25, 4, "zoomSlider", "Zoom"},
    {"lowThresh", 'i', "1", "2", 0, 4, "lowDepthSlider", "Lowest depth"},
    {"highThresh", 'i', "3", "4", 0, 4, "highDepthSlider", "Highest depth"},
    {"tetraTurn", 'f', "0.1", "0.25", -2, 2, "turnSlider", "Spin (° a frame)"},
    {"tetraYank", 'f', "0.1", "0.375", 0, 1, "yankSlider", "Rock (°)"},
    {"dist_amp", 'f', "0.382", "0.125", 0, 1, "distAmpSlider", "Amplitude"},
    {"dist_freq", 'f', "4.5", "1.125", 0, 10, "distFreqSlider", "Frequency"},
    {"dist_delta", 'f', "-0.59", "-0.625", -1, 1, "distDeltaSlider", "Delta"},
    {"dist_phase", 'f', "0", "0.75", 0, 2, "distPhaseSlider", "Phase (× π)"},
    {"size_amp", 'f', "0.2", "0.0625", 0, 1, "sizeAmpSlider", "Amplitude"},
    {"size_freq", 'f', "4.5", "2.25", 0, 10, "sizeFreqSlider", "Frequency"},
    {"size_delta", 'f', "-0.12", "-0.3125", -1, 1, "sizeDeltaSlider", "Delta"},
    {"size_phase", 'f', "1", "1.5", 0, 2, "sizePhaseSlider", "Phase (× π)"},
    {"turn_amp", 'f', "0.05", "0.4375", 0, 1, "turnAmpSlider", "Amplitude"},
    {"turn_freq", 'f', "0", "3.5", 0, 10, "turnFreqSlider", "Frequency"},
    {"turn_delta", 'f', "0", "0.5625", -1, 1, "turnDeltaSlider", "Delta"},
    {"turn_phase", 'f', "0", "0.6875", 0, 2, "turnPhaseSlider", "Phase (× π)"}};

double SettingRow::read(const QString &text) const {
    return kind == 'b' ? text == "YES" : kind == 'i' ? text.toDouble() : double(text.toFloat());
}

double viewField(LWTetravoluteView &v, int row) {
    if (row >= 14) { // the waves' amplitude, frequency, delta and phase
        const LWSine &w = *std::array{v.dist(), v.size(), v.turn()}[(row - 14) / 4];
        return std::array{w.a, w.f, w.d, w.p}[(row - 14) % 4];
    }
    if (row < 6) // the switches
        return v.*
               std::array{&OpenView::lightScene, &OpenView::drawBorder, &OpenView::drawSmooth,
                          &OpenView::showAxis,   &OpenView::showLogo,   &OpenView::waitDelay}[row];
    const LWCam &cam = v.*&OpenView::cam;
    const double low = v.*&OpenView::low, high = v.*&OpenView::high;
    const double fields[] = {
        cam.o.x, cam.o.y, cam.o.z, cam.zoom, low, high, v.*&OpenView::bubble, v.*&OpenView::bobble};
    return fields[row - 6];
}

void writeSettings(const QByteArray &lines) {
    QFile file(settingsStore().fileName());
    if (!lines.isEmpty() && file.open(QIODevice::WriteOnly))
        file.write("[General]\n" + lines);
}

QStringList storedLines() {
    QFile file(settingsStore().fileName());
    file.open(QIODevice::ReadOnly); // none: no lines
    return QString::fromLatin1(file.readAll()).remove("[General]").split('\n', Qt::SkipEmptyParts);
}

QString stored(const QString &key) {
    return storedLines().filter(QRegularExpression("^" + key + "=")).value(0).section('=', 1);
}
