// Plain vector algebra for the expected pictures: rotations, the fractal's corners, lit faces.
#include "SceneGeometry.h"

#include <algorithm>
#include <cmath>

static const double pi = 3.14159265358979323846;

const Vec3 cornerVectors[4] = {{0, 0, std::sqrt(6.0) / 4},
                               {-std::sqrt(3.0) / 6, 0.5, -std::sqrt(6.0) / 12},
                               {-std::sqrt(3.0) / 6, -0.5, -std::sqrt(6.0) / 12},
                               {std::sqrt(3.0) / 3, 0, -std::sqrt(6.0) / 12}};

static double dot(Vec3 u, Vec3 v) {
    return u.x * v.x + u.y * v.y + u.z * v.z;
}

static Vec3 scaled(Vec3 v, double s) {
    return {v.x * s, v.y * s, v.z * s};
}

static Vec3 plus(Vec3 u, Vec3 v) {
    return {u.x + v.x, u.y + v.y, u.z + v.z};
}

Mat3 rotation(double degrees, Vec3 axis) {
    const Vec3 u = scaled(axis, 1 / std::sqrt(dot(axis, axis)));
    const double c = std::cos(degrees * pi / 180), s = std::sin(degrees * pi / 180), t = 1 - c;
    return {Vec3{t * u.x * u.x + c, t * u.x * u.y - s * u.z, t * u.x * u.z + s * u.y},
            Vec3{t * u.x * u.y + s * u.z, t * u.y * u.y + c, t * u.y * u.z - s * u.x},
            Vec3{t * u.x * u.z - s * u.y, t * u.y * u.z + s * u.x, t * u.z * u.z + c}};
}

Vec3 operator*(const Mat3 &m, Vec3 v) {
    return {dot(m[0], v), dot(m[1], v), dot(m[2], v)};
}

Mat3 operator*(const Mat3 &m, const Mat3 &n) {
    const Vec3 columns[3] = {n * Vec3{1, 0, 0}, n * Vec3{0, 1, 0}, n * Vec3{0, 0, 1}};
    Mat3 product;
    for (int row = 0; row < 3; ++row)
        product[row] = {dot(m[row], columns[0]), dot(m[row], columns[1]), dot(m[row], columns[2])};
    return product;
}

// Each copy of a level: turned about its corner k, centred at dist x k, scaled by size.
static void collect(const Scene &scene, int level, const Mat3 &m, Vec3 offset,
                    std::vector<Vec3> *out) {
    if (level >= scene.low)
        for (const Vec3 &k : cornerVectors)
            out->push_back(plus(offset, m * k));
    if (level >= scene.high)
        return;
    for (const Vec3 &k : cornerVectors) {
        const Mat3 turned = m * rotation(scene.turn, k);
        const Mat3 child = {scaled(turned[0], scene.size), scaled(turned[1], scene.size),
                            scaled(turned[2], scene.size)};
        collect(scene, level + 1, child, plus(offset, m * scaled(k, scene.dist)), out);
    }
}

// Rotations about X, then Y, then Z, each multiplied onto the right as glRotatef does.
static Mat3 turnXYZ(Vec3 degrees) {
    return rotation(degrees.x, {1, 0, 0}) * rotation(degrees.y, {0, 1, 0}) *
           rotation(degrees.z, {0, 0, 1});
}

Mat3 figureRotation(const Scene &scene, bool halfTurn) {
    Mat3 figure = turnXYZ(scene.cam) * turnXYZ(scene.o);
    if (halfTurn)
        figure = figure * rotation(180, {0, 0, 1}) * rotation(180, {1, 0, 0});
    return figure;
}

std::vector<Vec3> sceneCorners(const Scene &scene) {
    const Mat3 identity = rotation(0, {1, 0, 0});
    std::vector<Vec3> local;
    collect(scene, 0, identity, {0, 0, 0}, &local);
    const Vec3 position = turnXYZ(scene.cam) * Vec3{0, 0, -10};
    std::vector<Vec3> eye;
    for (bool halfTurn : {false, true})
        for (const Vec3 &p : local)
            eye.push_back(
                plus(position, scaled(figureRotation(scene, halfTurn) * p, 200 * scene.zoom)));
    return eye;
}

double litLevel(double level, Vec3 n) {
    const Vec3 light = scaled(Vec3{1, 0, -1}, 1 / std::sqrt(2.0));
    const double diffuse = std::max(0.0, dot(scaled(n, 1 / std::sqrt(dot(n, n))), light));
    return 255 * std::min(1.0, level * (0.2 + 1 + diffuse));
}
