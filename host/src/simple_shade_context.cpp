// A shading context for tests and tools that holds just a normal, a view direction and a time.
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

// Out of line, so that the class's vtable is emitted in the host library.
Point3 SimpleShadeContext::ReflectVector() {
    return view_ - normal_ * (2.0f * normal_.DotProd(view_));
}

void SimpleShadeContext::SetGBufferID(int gbid) {
    ++gbufferIDCalls_;
    ShadeContext::SetGBufferID(gbid);
}

}  // namespace standin
