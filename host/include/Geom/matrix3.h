// Stand-in: Matrix3, an affine transform stored as four rows (three axes and a translation).
// A default-constructed matrix is the identity here; the host's default is unconfirmed.
#pragma once

#include "point3.h"

class Matrix3 {
    Point3 m[4] = {Point3(1.0f, 0.0f, 0.0f), Point3(0.0f, 1.0f, 0.0f), Point3(0.0f, 0.0f, 1.0f),
                   Point3(0.0f, 0.0f, 0.0f)};

  public:
    Matrix3() = default;
    Matrix3(const Point3& U, const Point3& V, const Point3& N, const Point3& T) : m{U, V, N, T} {}

    void IdentityMatrix() { *this = Matrix3(); }
    bool IsIdentity() const { return *this == Matrix3(); }
    Point3 GetRow(int i) const { return m[i]; }
    void SetRow(int i, const Point3& p) { m[i] = p; }
    Point3 GetTrans() const { return m[3]; }

    bool operator==(const Matrix3& o) const {
        return m[0] == o.m[0] && m[1] == o.m[1] && m[2] == o.m[2] && m[3] == o.m[3];
    }
};
