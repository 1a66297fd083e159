// The fractal's corners through QMatrix4x4, whose rotate, translate and scale multiply onto the
// right as glRotatef and its kin do; lit faces; and the extent a picture should show.
#include "SceneGeometry.h"

#include "Testing.h"

#include <QMatrix4x4>
#include <algorithm>
#include <cmath>

const QVector3D cornerVectors[4] = {{0, 0, float(std::sqrt(6.0) / 4)},
                                    {float(-std::sqrt(3.0) / 6), 0.5, float(-std::sqrt(6.0) / 12)},
                                    {float(-std::sqrt(3.0) / 6), -0.5, float(-std::sqrt(6.0) / 12)},
                                    {float(std::sqrt(3.0) / 3), 0, float(-std::sqrt(6.0) / 12)}};

// Each copy of a level: centred at dist x its corner k, turned about k, scaled by size.
static void collect(const Scene &scene, int level, const QMatrix4x4 &m,
                    std::vector<QVector3D> *out) {
    for (const QVector3D &k : cornerVectors) {
        if (level >= scene.low)
            out->push_back(m.map(k));
        if (level < scene.high) {
            QMatrix4x4 child = m;
            child.translate(k * scene.dist);
            child.rotate(scene.turn, k);
            child.scale(scene.size);
            collect(scene, level + 1, child, out);
        }
    }
}

// Rotations about X, then Y, then Z.
static void turnXYZ(QMatrix4x4 &m, QVector3D degrees) {
    m.rotate(degrees.x(), 1, 0, 0);
    m.rotate(degrees.y(), 0, 1, 0);
    m.rotate(degrees.z(), 0, 0, 1);
}

std::vector<QVector3D> sceneCorners(const Scene &scene) {
    QMatrix4x4 dark;
    turnXYZ(dark, scene.cam);
    dark.translate(0, 0, -10); // the camera's place, after its own turn
    turnXYZ(dark, scene.o);
    dark.scale(200 * scene.zoom);
    QMatrix4x4 light = dark;
    light.rotate(180, 0, 1, 0);
    std::vector<QVector3D> corners;
    collect(scene, 0, dark, &corners);
    collect(scene, 0, light, &corners);
    return corners;
}

double litLevel(double level, QVector3D n) {
    const double diffuse =
        std::max(0.0f, QVector3D::dotProduct(n.normalized(), QVector3D(1, 0, -1).normalized()));
    return 255 * std::min(1.0, level * (0.2 + 1 + diffuse));
}

QRectF expectedBox(const Scene &scene, QSize size, double high) {
    QPolygonF corners;
    for (const QVector3D &p : sceneCorners(scene))
        corners << QPointF(size.width(), size.height()) / 2 +
                       QPointF(p.x(), p.y()) * (size.height() / high);
    return corners.boundingRect();
}

void expectExtent(const QImage &image, const QRectF &expected, double scale, const char *what) {
    const QRectF drawn = QRectF(pixelsWhere(image, [](QRgb c) { return qRed(c) != 204; })
                                    .boundingRect()) // pixels' centres, give or take 0.75
                             .adjusted(-0.25, -0.25, 0.25, 0.25);
    const double off = 1.25 * scale; // each edge within off of the other's
    EXPECT_TRUE(expected.adjusted(-off, -off, off, off).contains(drawn) &&
                drawn.adjusted(-off, -off, off, off).contains(expected))
        << what << qPrintable(seen(drawn, expected));
}
