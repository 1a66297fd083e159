// Where the scene's corners land and what colour a lit face takes, worked out from the scene's
// definition with plain vector algebra (no GL), to check the frames the view draws.
#pragma once

#include <array>
#include <vector>

struct Vec3 {
    double x, y, z;
    Vec3 operator+(Vec3 v) const { return {x + v.x, y + v.y, z + v.z}; }
    Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
    double dot(Vec3 v) const { return x * v.x + y * v.y + z * v.z; }
};
using Mat3 = std::array<Vec3, 3>; // rows

// glRotatef's matrix: degrees about the axis, counter-clockwise seen from its tip.
Mat3 rotation(double degrees, Vec3 axis);
Mat3 operator*(const Mat3 &m, const Mat3 &n);
Vec3 operator*(const Mat3 &m, Vec3 v);

// The unit tetrahedron's corners a, b, c, d: apex on +Z, d on +X.
extern const Vec3 cornerVectors[4];

struct Scene {
    Vec3 cam{0, 0, 0}; // camera orientation, degrees about X, Y, Z
    double zoom = 1;
    Vec3 o{0, 0, 0}; // figure orientation, degrees
    int low = 0, high = 0;
    double dist = 1, size = 0.5, turn = 0; // the frame's distance and size factors, turn in degrees
};

// Eye-space corners of every tetrahedron of both figures (the light one turned a half turn about
// Y), in points: the camera at (0, 0, -10) after its rotations, the figure scaled by 200 x zoom.
std::vector<Vec3> sceneCorners(const Scene &scene);

// 0..255 level of a lit face: grey level x (0.2 model ambient + 1 light ambient + diffuse),
// with the light from (1, 0, -1) and the face's inward normal n in eye space.
double litLevel(double level, Vec3 n);
