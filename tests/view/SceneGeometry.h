// Where the scene's corners land and what colour a lit face takes, worked out from the scene's
// definition with Qt's matrices (no GL), to check the frames the view draws.
#pragma once

#include <QImage>
#include <QRectF>
#include <QVector3D>
#include <vector>

// The unit tetrahedron's corners a, b, c, d: apex on +Z, d on +X.
extern const QVector3D cornerVectors[4];

struct Scene {
    QVector3D cam; // camera orientation, degrees about X, Y, Z
    double zoom = 1;
    QVector3D o; // figure orientation, degrees
    int low = 0, high = 0;
    double dist = 1, size = 0.5, turn = 0; // the frame's distance and size factors, turn in degrees
};

// Eye-space corners of every tetrahedron of both figures (the light one turned a half turn about
// Y), in points: the camera at (0, 0, -10) after its rotations, the figure scaled by 200 x zoom.
std::vector<QVector3D> sceneCorners(const Scene &scene);

// 0..255 level of a lit face: grey level x (0.2 model ambient + 1 light ambient + diffuse),
// with the light from (1, 0, -1) and the face's inward normal n in eye space.
double litLevel(double level, QVector3D n);

// Where the scene's corners reach in a picture of size pixels showing a screen high points tall,
// y up.
QRectF expectedBox(const Scene &scene, QSize size, double high);
// Expects the pixels that are not the grey background to reach expected (rows bottom first):
// their centres lie inside the figure, up to 1.25 pixels short of its outermost corners at one
// pixel a point, scale times that at scale pixels a point.
void expectExtent(const QImage &image, const QRectF &expected, double scale, const char *what);
