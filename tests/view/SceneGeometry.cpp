// Plain vector algebra for the expected pictures: rotations, the fractal's corners, lit faces.
#include "SceneGeometry.h"

#include <algorithm>
#include <cmath>

const Vec3 cornerVectors[4] = {{0, 0, std::sqrt(6.0) / 4},
                               {-std::sqrt(3.0) / 6, 0.5, -std::sqrt(6.0) / 12},
                               {-std::sqrt(3.0) / 6, -0.5, -std::sqrt(6.0) / 12},
                               {std::sqrt(3.0) / 3, 0, -std::sqrt(6.0) / 12}};

Mat3 rotation(double degrees, Vec3 axis) {
    const Vec3 u = axis * (1 / std::sqrt(axis.dot(axis)));
    const double c = std::cos(degrees * M_PI / 180), s = std::sin(degrees * M_PI / 180), t = 1 - c;
    return {Vec3{t * u.x * u.x + c, t * u.x * u.y - s * u.z, t * u.x * u.z + s * u.y},
            Vec3{t * u.x * u.y + s * u.z, t * u.y * u.y + c, t * u.y * u.z - s * u.x},
            Vec3{t * u.x * u.z - s * u.y, t * u.y * u.z + s * u.x, t * u.z * u.z + c}};
}

Vec3 operator*(const Mat3 &m, Vec3 v) {
    return {m[0].dot(v), m[1].dot(v), m[2].dot(v)};
}

Mat3 operator*(const Mat3 &m, const Mat3 &n) {
    const Vec3 columns[3] = {n * Vec3{1, 0, 0}, n * Vec3{0, 1, 0}, n * Vec3{0, 0, 1}};
    Mat3 product;
    for (int row = 0; row < 3; ++row)
        product[row] = {m[row].dot(columns[0]), m[row].dot(columns[1]), m[row].dot(columns[2])};
    return product;
}

// Each copy of a level: turned about its corner k, centred at dist x k, scaled by size.
static void collect(const Scene &scene, int level, const Mat3 &m, Vec3 offset,
                    std::vector<Vec3> *out) {
    if (level >= scene.low)
        for (const Vec3 &k : cornerVectors)
            out->push_back(offset + m * k);
    if (level >= scene.high)
        return;
    for (const Vec3 &k : cornerVectors) {
        const Mat3 turned = m * rotation(scene.turn, k);
        const Mat3 child = {turned[0] * scene.size, turned[1] * scene.size, turned[2] * scene.size};
        collect(scene, level + 1, child, offset + m * (k * scene.dist), out);
    }
}

// Rotations about X, then Y, then Z, each multiplied onto the right as glRotatef does.
static Mat3 turnXYZ(Vec3 degrees) {
    return rotation(degrees.x, {1, 0, 0}) * rotation(degrees.y, {0, 1, 0}) *
           rotation(degrees.z, {0, 0, 1});
}

std::vector<Vec3> sceneCorners(const Scene &scene) {
    std::vector<Vec3> local, eye;
    collect(scene, 0, rotation(0, {1, 0, 0}), {0, 0, 0}, &local);
    const Mat3 dark = turnXYZ(scene.cam) * turnXYZ(scene.o),
               light = dark * rotation(180, {0, 0, 1}) * rotation(180, {1, 0, 0});
    for (const Mat3 &figure : {dark, light})
        for (const Vec3 &p : local)
            eye.push_back(turnXYZ(scene.cam) * Vec3{0, 0, -10} + figure * p * (200 * scene.zoom));
    return eye;
}

double litLevel(double level, Vec3 n) {
    const Vec3 light = Vec3{1, 0, -1} * (1 / std::sqrt(2.0));
    const double diffuse = std::max(0.0, (n * (1 / std::sqrt(n.dot(n)))).dot(light));
    return 255 * std::min(1.0, level * (0.2 + 1 + diffuse));
}
