// Identity of the texture map class, shared by its class descriptor and its objects.
#pragma once

#include <maxtypes.h>
#include <strbasic.h>

// Persisted in scene files: never change.
inline constexpr Class_ID kVeltraneClassID(0x9F6ECB34, 0x768F22AB);

// The class name that is not localised: the non-localised and internal (scripting) name.
inline constexpr const MCHAR kVeltraneClassName[] = _M("Veltrane");
