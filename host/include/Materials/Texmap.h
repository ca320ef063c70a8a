// Stand-in: Texmap, the base of texture maps: what a renderer evaluates at a shading point.
#pragma once

#include "../Geom/acolor.h"
#include "../Geom/point3.h"
#include "../plugapi.h"
#include "../standin/exports.h"
#include "MtlBase.h"

class ShadeContext;

class STANDIN_EXPORT Texmap : public MtlBase {
  public:
    int cacheID;

    CoreExport Texmap();

    SClass_ID SuperClassID() { return TEXMAP_CLASS_ID; }
    // "Texture"; texture maps name themselves.
    CoreExport virtual void GetClassName(MSTR& s, bool localized = true) const override;

    virtual AColor EvalColor(ShadeContext& sc) = 0;
    virtual float EvalMono(ShadeContext& sc) { return Intens(EvalColor(sc)); }
    virtual Point3 EvalNormalPerturb(ShadeContext& sc) = 0;

    virtual void InitSlotType(int sType) { defaultSlotType = sType; }
    virtual int MapSlotType(int i) {
        (void)i;
        return defaultSlotType;
    }
    virtual int IsHighDynamicRange() const { return false; }
};
