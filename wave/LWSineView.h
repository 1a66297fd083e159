// A plot of one wave over one period of t (0 to 2 pi) across the whole view: a black line, no
// background, no axes; -1 at the bottom edge, +1 at the top.
#pragma once

#include <QWidget>

class LWSineController;

class LWSineView : public QWidget {
    Q_OBJECT
    Q_MOC_INCLUDE("LWSineController.h")
    Q_PROPERTY(LWSineController *contro MEMBER contro)
public:
    Q_INVOKABLE explicit LWSineView(QWidget *parent = nullptr);

    // Plots the live record into a rect.width() x rect.height() area from the lower left, y up.
    void drawRect(const QRectF &rect);
    // The live record in words, for a screen reader; empty without one.
    QString waveDescription() const;

    LWSineController *contro = nullptr; // the editor of the wave it shows

protected:
    void paintEvent(QPaintEvent *event) override;
};
