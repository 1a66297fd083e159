// The range rule and the sliders' round trip to the wave record.
#include "LWSineController.h"

#include "Controls.h"
#include "LWSineView.h"

LWSineController::LWSineController(QObject *parent) : QObject(parent) {}

void LWSineController::update(QObject *sender) {
    LWSine *wave = getFunc(sender);
    if (wave) {
        if (sender == freqSlider)
            wave->f = floatValue(freqSlider);
        if (sender == phaseSlider)
            wave->p = floatValue(phaseSlider);
        if (sender == ampSlider || sender == deltaSlider) {
            const float d = floatValue(deltaSlider);
            const float a = floatValue(ampSlider);
            const bool inRange = a + d <= 1.0f && d - a >= -1.0f;
            if (sender == ampSlider && inRange)
                wave->a = floatValue(ampSlider);
            else if (sender == ampSlider)
                setFloatValue(ampSlider, wave->a);
            else if (inRange)
                wave->d = floatValue(deltaSlider);
            else
                setFloatValue(deltaSlider, wave->d);
        }
    }
    setNeedsDisplay(miniView);
    setNeedsDisplay(detailView);
}

LWSine *LWSineController::getFunc(QObject *) {
    LWSine *wave = nullptr;
    if (contro)
        QMetaObject::invokeMethod(contro, "getFunc", Qt::DirectConnection,
                                  Q_RETURN_ARG(LWSine *, wave), Q_ARG(QObject *, this));
    return wave;
}

void LWSineController::setSliders() {
    const LWSine *wave = getFunc(this);
    if (wave) {
        setFloatValue(ampSlider, wave->a);
        setFloatValue(freqSlider, wave->f);
        setFloatValue(deltaSlider, wave->d);
        setFloatValue(phaseSlider, wave->p);
    }
    setNeedsDisplay(ampSlider);
    setNeedsDisplay(freqSlider);
    setNeedsDisplay(deltaSlider);
    setNeedsDisplay(phaseSlider);
    setNeedsDisplay(detailView);
}
