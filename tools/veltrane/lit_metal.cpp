// The studio a --lit preview mirrors, and the colour a polished metal shows of it.
#include "tools/veltrane/lit_metal.h"

#include <algorithm>
#include <cmath>

namespace veltrane::tools {
namespace {

constexpr float kNadir = 0.03f;
constexpr float kFloorEdge = 0.16f;  // the floor towards the horizon, lit by the sky
constexpr float kHorizon = 1.0f;
constexpr float kZenith = 0.5f;
constexpr float kKeyStrength = 6.0f;
constexpr float kKeySharpness = 60.0f;  // cosine exponent: the larger, the smaller the light
const Point3 kKeyDirection{-0.551269f, 0.651501f, 0.521200f};  // unit: above left, in front

float Smoothstep(float low, float high, float x) {
    const float t = std::clamp((x - low) / (high - low), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float Dot(const Point3& a, const Point3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

}  // namespace

Color StudioEnvironment(const Point3& d) {
    const float up = std::clamp(d.y, -1.0f, 1.0f);
    const float sky = kHorizon + (kZenith - kHorizon) * std::sqrt(std::max(up, 0.0f));
    // A soft horizon line rather than a hard edge, so the equator does not alias.
    const float floor = kNadir + (kFloorEdge - kNadir) * (1.0f + std::min(up, 0.0f));
    const float base = floor + (sky - floor) * Smoothstep(-0.04f, 0.02f, up);
    const float key = kKeyStrength * std::pow(std::max(Dot(d, kKeyDirection), 0.0f), kKeySharpness);
    const float radiance = base + key;
    return {radiance, radiance, radiance};
}

Color MirrorMetal(const AColor& specular, const Point3& normal, const Point3& view) {
    const float nv = Dot(normal, view);
    const Point3 reflected{view.x - 2.0f * nv * normal.x, view.y - 2.0f * nv * normal.y,
                           view.z - 2.0f * nv * normal.z};
    const Color light = StudioEnvironment(reflected);
    return {specular.r * light.r, specular.g * light.g, specular.b * light.b};
}

}  // namespace veltrane::tools
