// Switch and Slider over Qt's check box and slider, and null-tolerant messages to them.
#include "Controls.h"

#include "AccessibleControls.h"
#include "Keyboard.h"
#include "OpenGLView.h"

#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

Switch::Switch(QWidget *parent) : QCheckBox(parent) {
    takeFocusFromKeyboardOnly(this);
    setTristate(false); // the user toggles on and off; mixed is set from outside only
}

int Switch::intValue() const {
    switch (checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return -1;
    default:
        return 0;
    }
}

void Switch::setIntValue(int value) {
    const QSignalBlocker quiet(this); // only the user's changes send the action
    setCheckState(value == 0 ? Qt::Unchecked : value == -1 ? Qt::PartiallyChecked : Qt::Checked);
}

Slider::Slider(QWidget *parent) : QSlider(Qt::Horizontal, parent) {
    describeControlsToScreenReaders();
    takeFocusFromKeyboardOnly(this);
    setRange(0, 100);
    connect(this, &QSlider::valueChanged, this, &Slider::showValue);
}

void Slider::setFloatRange(double low, double high, int steps) {
    const float value = floatValue();
    minValue = low;
    maxValue = high;
    const QSignalBlocker quiet(this);
    setRange(0, std::max(1, steps));
    setPageStep(std::max(1, steps / 10));
    // Enough digits to tell two steps apart: 0.05 shows 2, 0.001 shows 3.
    decimals = std::max(0, int(std::ceil(std::log10(maximum() / (high - low)) - 1e-9)));
    setFloatValue(value);
}

float Slider::floatValue() const {
    if (maximum() <= 0)
        return static_cast<float>(minValue);
    return static_cast<float>(minValue + (maxValue - minValue) * value() / maximum());
}

int Slider::stepFor(double value) const {
    const double span = maxValue - minValue;
    const double step = span != 0 ? (value - minValue) / span * maximum() : 0;
    // NaN and values beyond the range land on the nearest end.
    return std::isnan(step) ? 0 : int(std::lround(std::clamp(step, 0.0, double(maximum()))));
}

void Slider::setFloatValue(float value) {
    const QSignalBlocker quiet(this); // only the user's changes send the action
    setValue(stepFor(value));
    showValue();
}

void Slider::changeFloatValue(double value) {
    setValue(stepFor(value));
}

QString Slider::valueText() const {
    return QString::number(floatValue(), 'f', decimals);
}

int Slider::intValue() const {
    return static_cast<int>(std::lround(floatValue()));
}

void Slider::setIntValue(int value) {
    setFloatValue(static_cast<float>(value));
}

void Slider::showValue() {
    if (valueLabel)
        valueLabel->setText(valueText());
}

int intValue(const QObject *control) {
    if (const auto *box = qobject_cast<const Switch *>(control))
        return box->intValue();
    if (const auto *slider = qobject_cast<const Slider *>(control))
        return slider->intValue();
    return 0;
}

float floatValue(const QObject *control) {
    if (const auto *slider = qobject_cast<const Slider *>(control))
        return slider->floatValue();
    return static_cast<float>(intValue(control));
}

void setIntValue(QObject *control, int value) {
    if (auto *box = qobject_cast<Switch *>(control))
        box->setIntValue(value);
    else if (auto *slider = qobject_cast<Slider *>(control))
        slider->setIntValue(value);
}

void setFloatValue(QObject *control, float value) {
    if (auto *slider = qobject_cast<Slider *>(control))
        slider->setFloatValue(value);
    else
        setIntValue(control, static_cast<int>(value));
}

void setNeedsDisplay(QObject *object) {
    if (auto *widget = qobject_cast<QWidget *>(object))
        widget->update();
    else if (auto *view = qobject_cast<OpenGLView *>(object))
        view->setNeedsDisplay(true);
}
