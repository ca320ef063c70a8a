// The --lit look of a preview: the map as the specular colour of a polished metal that
// mirrors a simple studio environment.
#pragma once

#include "core/types.h"

namespace veltrane::tools {

/// Linear radiance arriving from direction d (unit, y up, z towards the camera): a dark
/// floor, a bright horizon fading to a dimmer sky overhead, and one soft key light above and
/// to the left. Neutral grey throughout, so that the colour comes from the metal alone.
Color StudioEnvironment(const Point3& d);

/// A mirror whose reflectance is the map's colour: specular x the environment in the
/// direction the view reflects to about the unit normal. May exceed 1 in the key light.
Color MirrorMetal(const AColor& specular, const Point3& normal, const Point3& view);

}  // namespace veltrane::tools
