// The colour-based metal model of OpenPBR Surface (Blender's Metallic "F82 Tint" mode): a
// base colour at normal incidence and a specular colour that tints the reflectance near
// grazing view, to and from the map's n and k.
#pragma once

#include "tools/metals/two_angle_fit.h"

namespace veltrane::tools {

/// One channel of the model. specular_color is limited to [0, 1]; what the map would need
/// is kept in specularNeeded.
struct F82Channel {
    double baseColor = 0.0;
    double specularColor = 0.0;
    double specularNeeded = 0.0;
    bool specularClipped = false;
};

/// Schlick's approximation f0 + (1 - f0)(1 - mu)^5.
double SchlickReflectance(double f0, double mu);

/// The model's reflectance: Schlick minus b mu (1 - mu)^6 with b chosen so that at facing
/// value kEdgeFacing the result is specular_color times Schlick's value there.
double F82Reflectance(double baseColor, double specularColor, double mu);

/// The model's colours of a channel n + ik of the map: base_color is the map's reflectance
/// head-on, specular_color the map's reflectance at kEdgeFacing over Schlick's there.
F82Channel F82FromIor(double n, double k);

/// n and k of the map whose closed form meets the model head-on and at kEdgeFacing (the
/// two-angle fit).
FittedChannel IorFromF82(double baseColor, double specularColor);

}  // namespace veltrane::tools
