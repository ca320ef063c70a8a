// Stand-in: TextureOutput, the output stage of a texture map (output level, invert), and
// the host's default one.
#pragma once

#include "../Geom/acolor.h"
#include "../Geom/point3.h"
#include "../plugapi.h"
#include "../standin/exports.h"
#include "MtlBase.h"

class STANDIN_EXPORT TextureOutput : public MtlBase {
  public:
    virtual AColor Filter(AColor c) = 0;
    virtual float Filter(float f) = 0;
    virtual Point3 Filter(Point3 p) = 0;
    virtual float GetOutputLevel(TimeValue t) = 0;
    virtual void SetOutputLevel(TimeValue t, float v) = 0;
    virtual void SetInvert(BOOL onoff) = 0;
    virtual BOOL GetInvert() = 0;
    virtual void SetRollupOpen(BOOL open) = 0;
    virtual BOOL GetRollupOpen() = 0;
    SClass_ID SuperClassID() { return TEXOUTPUT_CLASS_ID; }
};

// A new texture output at its defaults: output level 1, no inversion, so that it passes
// colours through unchanged. The caller holds it by reference; the host deletes it.
CoreExport TextureOutput* GetNewDefaultTextureOutput();
