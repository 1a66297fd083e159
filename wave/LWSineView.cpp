// 256 points joined by 255 segments; t accumulates in float, as the plot always has.
#include "LWSineView.h"

#include "LWSineAccessible.h"
#include "LWSineController.h"

#include <QPainter>
#include <QPainterPath>

static constexpr double tStep = 0.024639942381096416; // 2 pi / 255

LWSineView::LWSineView(QWidget *parent) : QWidget(parent) {
    describeWavesToScreenReaders();
    setAttribute(Qt::WA_TransparentForMouseEvents); // clicks reach the button it sits in
}

void LWSineView::drawRect(const QRectF &rect) {
    const LWSine *wave = contro ? contro->getFunc(this) : nullptr;
    if (!wave)
        return;
    const double W = rect.width(), H = rect.height();
    const auto v = [&](float t) { return f(wave, t) * H * 0.5 + H * 0.5; };
    float t = 0;
    QPainterPath path;
    path.moveTo(0, v(t));
    const double xStep = W / 255;
    double x = 0;
    for (int i = 0; i < 255; ++i) {
        t = static_cast<float>(t + tStep);
        x += xStep;
        path.lineTo(x, v(t));
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, height()); // lower left, y up
    painter.scale(1, -1);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawPath(path);
}

QString LWSineView::waveDescription() const {
    const LWSine *wave = contro ? contro->getFunc(const_cast<LWSineView *>(this)) : nullptr;
    if (!wave)
        return {};
    // Three significant digits: as many as the sliders' steps give.
    return QString("amplitude %1, delta %2, frequency %3, phase %4 π")
        .arg(wave->a, 0, 'g', 3)
        .arg(wave->d, 0, 'g', 3)
        .arg(wave->f, 0, 'g', 3)
        .arg(wave->p, 0, 'g', 3);
}

void LWSineView::paintEvent(QPaintEvent *) {
    drawRect(rect()); // every redraw request marks the whole plot
}
