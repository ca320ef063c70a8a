// Stand-in: a shading context for tests and tools that holds just a shading normal and a
// view direction (and a time), and counts the G-buffer tags it receives. Everything else
// answers as a point at the origin of an identity frame, with no lights.
#pragma once

#include "../Rendering/ShadeContext.h"
#include "exports.h"

namespace standin {

class STANDIN_EXPORT SimpleShadeContext : public ShadeContext {
  public:
    SimpleShadeContext(const Point3& normal, const Point3& view, TimeValue t = 0);

    void SetShadingNormal(const Point3& normal) { normal_ = normal; }
    void SetTime(TimeValue t) { time_ = t; }
    int GBufferIDCalls() const { return gbufferIDCalls_; }

    BOOL InMtlEditor() override { return FALSE; }
    LightDesc* Light(int /*n*/) override { return nullptr; }
    TimeValue CurTime() override { return time_; }
    int FaceNumber() override { return 0; }
    Point3 Normal() override { return normal_; }
    Point3 GNormal() override { return normal_; }
    Point3 V() override { return view_; }
    void SetView(Point3 p) override { view_ = p; }
    // The view direction mirrored about the normal: V - 2 (N.V) N.
    Point3 ReflectVector() override;
    // Not modelled: the view direction, unbent.
    Point3 RefractVector(float /*ior*/) override { return view_; }
    Point3 CamPos() override { return Point3(); }
    Point3 P() override { return Point3(); }
    Point3 DP() override { return Point3(); }
    Point3 PObj() override { return Point3(); }
    Point3 DPObj() override { return Point3(); }
    Box3 ObjectBox() override { return Box3(); }
    Point3 PObjRelBox() override { return Point3(); }
    Point3 DPObjRelBox() override { return Point3(); }
    void ScreenUV(Point2& uv, Point2& duv) override {
        uv = Point2();
        duv = Point2();
    }
    IPoint2 ScreenCoord() override { return IPoint2(); }
    Point3 UVW(int /*channel*/ = 0) override { return Point3(); }
    Point3 DUVW(int /*channel*/ = 0) override { return Point3(); }
    void DPdUVW(Point3 dP[3], int /*channel*/ = 0) override { dP[0] = dP[1] = dP[2] = Point3(); }
    void GetBGColor(Color& bgcol, Color& transp, BOOL /*fogBG*/ = TRUE) override {
        bgcol = Color();
        transp = Color();
    }
    Point3 PointTo(const Point3& p, RefFrame /*ito*/) override { return p; }
    Point3 PointFrom(const Point3& p, RefFrame /*ifrom*/) override { return p; }
    Point3 VectorTo(const Point3& p, RefFrame /*ito*/) override { return p; }
    Point3 VectorFrom(const Point3& p, RefFrame /*ifrom*/) override { return p; }
    Matrix3 MatrixTo(RefFrame /*ito*/) override { return Matrix3(); }
    Matrix3 MatrixFrom(RefFrame /*ifrom*/) override { return Matrix3(); }
    // Counts the call, then tags the output as the host does.
    void SetGBufferID(int gbid) override;

  private:
    Point3 normal_;
    Point3 view_;
    TimeValue time_;
    int gbufferIDCalls_ = 0;
};

}  // namespace standin
