// The two controls the panels are made of, and messages to controls that may be unconnected
// outlets: a command to a null outlet does nothing and a value read from one is 0.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QSlider>

// A check box with a mixed state: intValue 0 off, 1 on, -1 mixed (which counts as on). Setting
// it from code sends no action.
class Switch : public QCheckBox {
    Q_OBJECT
public:
    Q_INVOKABLE explicit Switch(QWidget *parent = nullptr);
    int intValue() const;
    // 0 off, -1 mixed, any other value on.
    void setIntValue(int value);
};

// A slider over a float range in even steps. It reads back the float it shows, so a value set
// from outside its steps snaps to the nearest one, and one beyond its range to the nearer end.
// It sends its action on every change the user makes: while dragged, and on keyboard and wheel
// steps (never when set from code). A connected label shows the value to the step's precision.
class Slider : public QSlider {
    Q_OBJECT
    Q_PROPERTY(QLabel *valueLabel MEMBER valueLabel)
public:
    Q_INVOKABLE explicit Slider(QWidget *parent = nullptr);

    void setFloatRange(double low, double high, int steps);
    float floatValue() const;
    void setFloatValue(float value);
    // The value rounded to the nearest whole number.
    int intValue() const;
    void setIntValue(int value);

    // In the slider's units, as the value label shows them and a screen reader reads them.
    double floatMinimum() const { return minValue; }
    double floatMaximum() const { return maxValue; }
    double floatStep() const { return (maxValue - minValue) / maximum(); }
    QString valueText() const;
    // A change the user makes from outside the slider (a screen reader): snapped to the steps
    // like any other, and the action is sent.
    void changeFloatValue(double value);

private:
    void showValue();
    int stepFor(double value) const;

    double minValue = 0;
    double maxValue = 1;
    int decimals = 2;
    QLabel *valueLabel = nullptr;
};

// Switch or Slider values; 0 from anything else or null.
int intValue(const QObject *control);
float floatValue(const QObject *control);
void setIntValue(QObject *control, int value);
void setFloatValue(QObject *control, float value);
// Asks a widget or an OpenGL view to redraw; nothing for null.
void setNeedsDisplay(QObject *object);
