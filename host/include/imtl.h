// Stand-in: imtl.h, the umbrella of the material and texture map headers.
#pragma once

#include "Materials/IMtlParams.h"
#include "Materials/ISubMap.h"
#include "Materials/MtlBase.h"
#include "Materials/ParamDlg.h"
#include "Materials/Texmap.h"
#include "Materials/TextureOutput.h"
#include "Rendering/ShadeContext.h"
#include "max.h"
