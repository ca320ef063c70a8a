// Stand-in: ShadeContext, what a renderer tells a material or texture map about the point
// being shaded, and ShadeOutput, what the shading writes back.
#pragma once

#include <windows.h>
#include "../Geom/box3.h"
#include "../Geom/color.h"
#include "../Geom/ipoint2.h"
#include "../Geom/matrix3.h"
#include "../Geom/point2.h"
#include "../Geom/point3.h"
#include "../baseinterface.h"
#include "../maxtypes.h"
#include "../standin/exports.h"

class LightDesc;
class RenderGlobalContext;

enum RefFrame { REF_CAMERA = 0, REF_WORLD, REF_OBJECT };

enum SCMode { SCMODE_NORMAL, SCMODE_SHADOW };

class STANDIN_EXPORT ShadeOutput {
  public:
    int gbufId = 0;
};

class STANDIN_EXPORT ShadeContext : public InterfaceServer {
  public:
    SCMode mode;
    BOOL doMaps, filterMaps, shadow, backFace;
    int mtlNum;
    Color ambientLight;
    int nLights;
    int rayLevel;
    int xshadeID;
    LightDesc* atmosSkipLight;
    RenderGlobalContext* globContext;
    ShadeOutput out;

    // As in the host, the other flags are left for the renderer to set.
    ShadeContext() {
        mode = SCMODE_NORMAL;
        nLights = 0;
        shadow = TRUE;
        rayLevel = 0;
        globContext = nullptr;
        atmosSkipLight = nullptr;
    }

    virtual BOOL InMtlEditor() = 0;
    virtual LightDesc* Light(int n) = 0;
    virtual TimeValue CurTime() = 0;
    virtual int FaceNumber() = 0;
    virtual Point3 Normal() = 0;
    virtual Point3 GNormal() = 0;
    virtual Point3 V() = 0;
    virtual void SetView(Point3 p) = 0;
    virtual Point3 ReflectVector() = 0;
    virtual Point3 RefractVector(float ior) = 0;
    virtual Point3 CamPos() = 0;
    virtual Point3 P() = 0;
    virtual Point3 DP() = 0;
    virtual Point3 PObj() = 0;
    virtual Point3 DPObj() = 0;
    virtual Box3 ObjectBox() = 0;
    virtual Point3 PObjRelBox() = 0;
    virtual Point3 DPObjRelBox() = 0;
    virtual void ScreenUV(Point2& uv, Point2& duv) = 0;
    virtual IPoint2 ScreenCoord() = 0;
    virtual Point3 UVW(int channel = 0) = 0;
    virtual Point3 DUVW(int channel = 0) = 0;
    virtual void DPdUVW(Point3 dP[3], int channel = 0) = 0;
    virtual void GetBGColor(Color& bgcol, Color& transp, BOOL fogBG = TRUE) = 0;
    virtual Point3 PointTo(const Point3& p, RefFrame ito) = 0;
    virtual Point3 PointFrom(const Point3& p, RefFrame ifrom) = 0;
    virtual Point3 VectorTo(const Point3& p, RefFrame ito) = 0;
    virtual Point3 VectorFrom(const Point3& p, RefFrame ifrom) = 0;
    // Present in 2026; pure there is likely but unconfirmed. Pure here, so that a context
    // written against this header also builds against the host's.
    virtual Matrix3 MatrixTo(RefFrame ito) = 0;
    virtual Matrix3 MatrixFrom(RefFrame ifrom) = 0;

    virtual void SetGBufferID(int gbid) { out.gbufId = gbid; }
    virtual void SetNormal(Point3 p) { (void)p; }
    virtual Point3 OrigNormal() { return Normal(); }
    virtual Point3 OrigView() { return V(); }
    virtual Class_ID ClassID() { return Class_ID(0, 0); }
};
