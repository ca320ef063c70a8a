// The artist-friendly parametrisation of a conductor (Gulbrandsen, "Artist Friendly
// Metallic Fresnel", JCGT 3(4), 2014): reflectivity at normal incidence r and edge tint g
// per channel, to and from the complex index n + ik of the map's closed form.
#pragma once

namespace veltrane::tools {

/// r = 1 is a pole of the mapping (n and k grow without bound); reflectivities above this
/// are clamped to it. It lies just above the most reflective preset channel (silver red,
/// r = 0.9904).
constexpr double kMaxReflectivity = 0.999;

/// One channel in artist terms.
struct ArtistChannel {
    double reflectivity = 0.0;  // r, the colour at normal incidence
    double edgeTint = 0.0;      // g; outside [0, 1] where the model cannot reach n, k
    bool reflectivityClamped = false;
};

/// One channel as a complex index.
struct IorChannel {
    double n = 0.0;
    double k = 0.0;
    bool reflectivityClamped = false;
};

/// The reflectance head-on of a channel n + ik, ((n - 1)^2 + k^2) / ((n + 1)^2 + k^2).
double NormalReflectance(double n, double k);

/// n and k of a channel with reflectivity r in [0, 1] (clamped to kMaxReflectivity) and
/// edge tint g in [0, 1].
IorChannel IorFromArtist(double r, double g);

/// r and g of a channel with index n + ik, n and k >= 0. n = 0 gives r = 1, which is
/// clamped to kMaxReflectivity before g is computed. n = 1, k = 0 (r = 0) fits every g; it
/// gives g = 0.
ArtistChannel ArtistFromIor(double n, double k);

}  // namespace veltrane::tools
