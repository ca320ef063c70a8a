// The texture map as a host meets it: the plug-in module loaded through the stand-in loader,
// objects made by its class descriptor and used through the SDK interfaces only. Expected
// colours come from the shading core, which the module evaluates with.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <imtl.h>
#include <iparamb2.h>
#include <iparamm2.h>
#include <max.h>
#include <standin/module_loader.h>
#include <standin/scene_roots.h>

#include "core/evaluation.h"
#include "tests/support/bits.h"
#include "tests/support/delete_this.h"
#include "tests/support/recording_param_map.h"

namespace texmap_test {

// Parameter IDs of block "params", the names under which scripts and scene files know them.
enum : ParamID {
    kPreset = 0,
    kNRed = 1,
    kNGreen = 2,
    kNBlue = 3,
    kKRed = 4,
    kKGreen = 5,
    kKBlue = 6,
    kGamma = 7,
    kHue = 8,
    kSat = 9,
    kOutput = 11,
};

// Every parameter with a value of its own: all but the output.
constexpr ParamID kAllParamIDs[] = {kPreset, kNRed,  kNGreen, kNBlue, kKRed,
                                    kKGreen, kKBlue, kGamma,  kHue,   kSat};
constexpr ParamID kIorIDs[] = {kNRed, kNGreen, kNBlue, kKRed, kKGreen, kKBlue};
// The nine float parameters that evaluation reads.
constexpr ParamID kFloatIDs[] = {kNRed,  kNGreen, kNBlue, kKRed, kKGreen,
                                 kKBlue, kGamma,  kHue,   kSat};

using MapPtr = std::unique_ptr<Texmap, DeleteThisDeleter>;

// The nine evaluation parameters as one record; the core's snapshot has a field for each.
using Params = veltrane::ParamSnapshot;

float& Field(Params& p, ParamID id);
float Field(const Params& p, ParamID id);
// The defaults of a new map: Copper, gamma 1, hue 0, sat 0.
Params DefaultParams();
// A metal's row with the given colour adjustment.
Params Metal(int preset, float gamma = 1.0f, float hue = 0.0f, float sat = 0.0f);
Params Custom(const veltrane::ComplexIOR& ior, float gamma, float hue, float sat);

void WriteParams(IParamBlock2& block, TimeValue t, const Params& p);
Params ReadParams(IParamBlock2& block, TimeValue t);

// The colour overload hides the float one.
using ::SameBits;
testing::AssertionResult SameBits(const AColor& actual, const AColor& expected);
testing::AssertionResult SameParams(const Params& actual, const Params& expected);

// The colour before the output stage, as the core computes it.
AColor CoreReflectance(const Point3& n, const Point3& v, const Params& p);
TextureOutput* OutputOf(Texmap& map);
// What EvalColor must return for these parameters: the core's colour through the map's own
// output stage, or unfiltered when the map has none.
AColor CoreColorThroughOutput(Texmap& map, const Point3& n, const Point3& v, const Params& p);
AColor EvalColorAt(Texmap& map, const Point3& n, const Point3& v);
// Updates the map at time t, for tests that do not look at the validity it reports.
void UpdateAt(Texmap& map, TimeValue t);
// The reference held by the block's "output" parameter; a failure if it cannot be read.
ReferenceTarget* OutputViaBlock(Texmap& map);

// Shading normal and view direction pairs: along the normal, from behind, oblique and
// unnormalised, grazing, and longer than unit length (facing value above 1).
struct View {
    const char* what;
    Point3 n;
    Point3 v;
};
const std::vector<View>& Views();

// Replaces the values of `target` by those of `source` through the block's own Load, which
// notifies no one: the only way to change a map's parameters behind its back and so see
// whether its Update reads them.
void CopyValuesBySaveAndLoad(IParamBlock2& target, IParamBlock2& source);

// A recording parameter map attached to its block on construction and detached on
// destruction: it must go before its block.
class RecordingMap : public RecordingParamMap {
  public:
    explicit RecordingMap(IParamBlock2& block, MapID id = 0);
    ~RecordingMap() override;
    RecordingMap(const RecordingMap&) = delete;
    RecordingMap& operator=(const RecordingMap&) = delete;
};

// An output stage of the test's own, put in as reference 1: it tints every colour, holds
// for one 100-tick span around the update time, and counts what the map asks of it.
class CountingOutput : public TextureOutput {
  public:
    static Interval SpanAround(TimeValue t);

    AColor Filter(AColor c) override;
    float Filter(float f) override { return f; }
    Point3 Filter(Point3 p) override { return p; }
    float GetOutputLevel(TimeValue) override { return 1.0f; }
    void SetOutputLevel(TimeValue, float) override {}
    void SetInvert(BOOL) override {}
    BOOL GetInvert() override { return FALSE; }
    void SetRollupOpen(BOOL) override {}
    BOOL GetRollupOpen() override { return FALSE; }
    void Update(TimeValue t, Interval& valid) override;
    void Reset() override {}
    Interval Validity(TimeValue t) override { return SpanAround(t); }
    ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }

    // Without counting, for expected values.
    static AColor Tint(AColor c);

    int filters = 0;
    std::vector<TimeValue> updates;

  protected:
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage,
                               BOOL) override {
        return REF_SUCCEED;
    }
};

// Loads the module for each test and creates maps through its class descriptor. Every map
// must be deleted before the test ends: its code lives in the module.
class TexmapTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    ClassDesc& Desc() { return *desc_; }
    ClassDesc2& Desc2();
    MapPtr NewMap();
    // Registers the class descriptor with the host's class directory until the test ends,
    // so that scene files can recreate maps.
    void RegisterClass();

    static IParamBlock2& Block(Texmap& map);

  private:
    std::unique_ptr<standin::Module> module_;
    ClassDesc* desc_ = nullptr;
    bool registered_ = false;
};

// Scene files of maps: the class is registered until the test ends, so that a scene file
// can recreate maps.
class TexmapScene : public TexmapTest {
  protected:
    void SetUp() override;
    // A new map held by `scene`, which deletes it when it goes.
    Texmap* AddNewMap(standin::SceneRoots& scene);
    static std::vector<std::uint8_t> Save(standin::SceneRoots& scene);
};

}  // namespace texmap_test
