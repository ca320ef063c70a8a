#include <standin/simple_shade_context.h>

namespace standin {

SimpleShadeContext::SimpleShadeContext(const Point3& normal, const Point3& view, TimeValue t)
    : normal_(normal), view_(view), time_(t) {
    doMaps = TRUE;
    filterMaps = FALSE;
    backFace = FALSE;
    mtlNum = 0;
    xshadeID = 0;
}

BOOL SimpleShadeContext::InMtlEditor() {
    return FALSE;
}
LightDesc* SimpleShadeContext::Light(int n) {
    (void)n;
    return nullptr;
}
TimeValue SimpleShadeContext::CurTime() {
    return time_;
}
int SimpleShadeContext::FaceNumber() {
    return 0;
}
Point3 SimpleShadeContext::Normal() {
    return normal_;
}
Point3 SimpleShadeContext::GNormal() {
    return normal_;
}
Point3 SimpleShadeContext::V() {
    return view_;
}
void SimpleShadeContext::SetView(Point3 p) {
    view_ = p;
}
Point3 SimpleShadeContext::ReflectVector() {
    return view_ - normal_ * (2.0f * normal_.DotProd(view_));
}
Point3 SimpleShadeContext::RefractVector(float ior) {
    (void)ior;
    return view_;
}
Point3 SimpleShadeContext::CamPos() {
    return Point3();
}
Point3 SimpleShadeContext::P() {
    return Point3();
}
Point3 SimpleShadeContext::DP() {
    return Point3();
}
Point3 SimpleShadeContext::PObj() {
    return Point3();
}
Point3 SimpleShadeContext::DPObj() {
    return Point3();
}
Box3 SimpleShadeContext::ObjectBox() {
    return Box3();
}
Point3 SimpleShadeContext::PObjRelBox() {
    return Point3();
}
Point3 SimpleShadeContext::DPObjRelBox() {
    return Point3();
}
void SimpleShadeContext::ScreenUV(Point2& uv, Point2& duv) {
    uv = Point2();
    duv = Point2();
}
IPoint2 SimpleShadeContext::ScreenCoord() {
    return IPoint2();
}
Point3 SimpleShadeContext::UVW(int channel) {
    (void)channel;
    return Point3();
}
Point3 SimpleShadeContext::DUVW(int channel) {
    (void)channel;
    return Point3();
}
void SimpleShadeContext::DPdUVW(Point3 dP[3], int channel) {
    (void)channel;
    dP[0] = dP[1] = dP[2] = Point3();
}
void SimpleShadeContext::GetBGColor(Color& bgcol, Color& transp, BOOL fogBG) {
    (void)fogBG;
    bgcol = Color();
    transp = Color();
}
Point3 SimpleShadeContext::PointTo(const Point3& p, RefFrame ito) {
    (void)ito;
    return p;
}
Point3 SimpleShadeContext::PointFrom(const Point3& p, RefFrame ifrom) {
    (void)ifrom;
    return p;
}
Point3 SimpleShadeContext::VectorTo(const Point3& p, RefFrame ito) {
    (void)ito;
    return p;
}
Point3 SimpleShadeContext::VectorFrom(const Point3& p, RefFrame ifrom) {
    (void)ifrom;
    return p;
}
Matrix3 SimpleShadeContext::MatrixTo(RefFrame ito) {
    (void)ito;
    return Matrix3();
}
Matrix3 SimpleShadeContext::MatrixFrom(RefFrame ifrom) {
    (void)ifrom;
    return Matrix3();
}
void SimpleShadeContext::SetGBufferID(int gbid) {
    ++gbufferIDCalls_;
    ShadeContext::SetGBufferID(gbid);
}

}  // namespace standin
