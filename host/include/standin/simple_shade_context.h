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

    BOOL InMtlEditor() override;
    LightDesc* Light(int n) override;
    TimeValue CurTime() override;
    int FaceNumber() override;
    Point3 Normal() override;
    Point3 GNormal() override;
    Point3 V() override;
    void SetView(Point3 p) override;
    // The view direction mirrored about the normal: V - 2 (N.V) N.
    Point3 ReflectVector() override;
    // Not modelled: the view direction, unbent.
    Point3 RefractVector(float ior) override;
    Point3 CamPos() override;
    Point3 P() override;
    Point3 DP() override;
    Point3 PObj() override;
    Point3 DPObj() override;
    Box3 ObjectBox() override;
    Point3 PObjRelBox() override;
    Point3 DPObjRelBox() override;
    void ScreenUV(Point2& uv, Point2& duv) override;
    IPoint2 ScreenCoord() override;
    Point3 UVW(int channel = 0) override;
    Point3 DUVW(int channel = 0) override;
    void DPdUVW(Point3 dP[3], int channel = 0) override;
    void GetBGColor(Color& bgcol, Color& transp, BOOL fogBG = TRUE) override;
    Point3 PointTo(const Point3& p, RefFrame ito) override;
    Point3 PointFrom(const Point3& p, RefFrame ifrom) override;
    Point3 VectorTo(const Point3& p, RefFrame ito) override;
    Point3 VectorFrom(const Point3& p, RefFrame ifrom) override;
    Matrix3 MatrixTo(RefFrame ito) override;
    Matrix3 MatrixFrom(RefFrame ifrom) override;
    // Counts the call, then tags the output as the host does.
    void SetGBufferID(int gbid) override;

private:
    Point3 normal_;
    Point3 view_;
    TimeValue time_;
    int gbufferIDCalls_ = 0;
};

}  // namespace standin
