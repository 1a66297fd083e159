// A wave editor: four sliders over one of the view's wave records, edited in place under the
// range rule (the wave stays within [-1, 1]), and the two plots of that wave.
#pragma once

#include "LWsine.h"

#include <QObject>

class LWSineView;
class Slider;

class LWSineController : public QObject {
    Q_OBJECT
    Q_MOC_INCLUDE("Controls.h")
    Q_MOC_INCLUDE("LWSineView.h")
    Q_PROPERTY(LWSineView *miniView MEMBER miniView)
    Q_PROPERTY(LWSineView *detailView MEMBER detailView)
    Q_PROPERTY(Slider *ampSlider MEMBER ampSlider)
    Q_PROPERTY(Slider *deltaSlider MEMBER deltaSlider)
    Q_PROPERTY(Slider *freqSlider MEMBER freqSlider)
    Q_PROPERTY(Slider *phaseSlider MEMBER phaseSlider)
    Q_PROPERTY(QObject *contro MEMBER contro)
public:
    Q_INVOKABLE explicit LWSineController(QObject *parent = nullptr);

    Q_INVOKABLE void awakeFromNib() {}
    // Applies the slider's change: frequency and phase at any value; amplitude and delta only
    // while d + a <= 1 and d - a >= -1 (single precision, read from the sliders), else the
    // slider snaps back to the record. Both plots are redrawn either way.
    Q_INVOKABLE void update(QObject *sender);
    // The record, from the application controller with this editor as the key; null if it
    // has none for this editor.
    Q_INVOKABLE LWSine *getFunc(QObject *sender);
    // The four sliders from the record; redraws the large plot, not the small one.
    void setSliders();

    LWSineView *miniView = nullptr;
    LWSineView *detailView = nullptr;
    Slider *ampSlider = nullptr;
    Slider *deltaSlider = nullptr;
    Slider *freqSlider = nullptr;
    Slider *phaseSlider = nullptr;
    QObject *contro = nullptr; // the application controller, asked through getFunc
};
