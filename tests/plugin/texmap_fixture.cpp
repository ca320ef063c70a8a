// Fixture of the texture map tests: the loaded module, a map made through its class descriptor,
// and its parameters read and written by ID.
#include "tests/plugin/texmap_fixture.h"

#include <cstdlib>

#include <standin/chunk_stream.h>
#include <standin/class_directory.h>
#include <standin/param_map_hook.h>
#include <standin/scene_file.h>
#include <standin/simple_shade_context.h>

#include "core/presets.h"
#include "tests/support/load_module.h"

namespace texmap_test {

float& Field(Params& p, ParamID id) {
    switch (id) {
        case kNRed:
            return p.ior.nR;
        case kNGreen:
            return p.ior.nG;
        case kNBlue:
            return p.ior.nB;
        case kKRed:
            return p.ior.kR;
        case kKGreen:
            return p.ior.kG;
        case kKBlue:
            return p.ior.kB;
        case kGamma:
            return p.gamma;
        case kHue:
            return p.hue;
        case kSat:
            return p.sat;
        default:
            break;
    }
    ADD_FAILURE() << "no float parameter " << id;
    std::abort();
}

float Field(const Params& p, ParamID id) {
    return Field(const_cast<Params&>(p), id);
}

Params Custom(const veltrane::ComplexIOR& ior, float gamma, float hue, float sat) {
    Params p;
    p.ior = ior;
    p.gamma = gamma;
    p.hue = hue;
    p.sat = sat;
    return p;
}

Params Metal(int preset, float gamma, float hue, float sat) {
    return Custom(veltrane::FindMetalPreset(preset)->ior, gamma, hue, sat);
}

Params DefaultParams() {
    return Metal(veltrane::kPresetDefault);
}

void WriteParams(IParamBlock2& block, TimeValue t, const Params& p) {
    for (ParamID id : kFloatIDs) block.SetValue(id, t, Field(p, id));
}

Params ReadParams(IParamBlock2& block, TimeValue t) {
    Params p;
    Interval ignored = FOREVER;
    for (ParamID id : kFloatIDs) block.GetValue(id, t, Field(p, id), ignored);
    return p;
}

testing::AssertionResult SameBits(const AColor& actual, const AColor& expected) {
    for (int i = 0; i < 4; ++i) {
        if (Bits(actual[i]) != Bits(expected[i])) {
            return testing::AssertionFailure()
                   << "got (" << actual.r << ", " << actual.g << ", " << actual.b << ", "
                   << actual.a << "), expected (" << expected.r << ", " << expected.g << ", "
                   << expected.b << ", " << expected.a << "); first difference in component " << i;
        }
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult SameParams(const Params& actual, const Params& expected) {
    for (ParamID id : kFloatIDs) {
        if (Bits(Field(actual, id)) != Bits(Field(expected, id))) {
            return testing::AssertionFailure() << "parameter " << id << " is " << Field(actual, id)
                                               << ", expected " << Field(expected, id);
        }
    }
    return testing::AssertionSuccess();
}

AColor CoreReflectance(const Point3& n, const Point3& v, const Params& p) {
    const veltrane::AColor c = veltrane::EvalReflectance({n.x, n.y, n.z}, {v.x, v.y, v.z}, p);
    return AColor(c.r, c.g, c.b, c.a);
}

TextureOutput* OutputOf(Texmap& map) {
    return dynamic_cast<TextureOutput*>(map.GetReference(1));
}

AColor CoreColorThroughOutput(Texmap& map, const Point3& n, const Point3& v, const Params& p) {
    const AColor c = CoreReflectance(n, v, p);
    TextureOutput* output = OutputOf(map);
    return output ? output->Filter(c) : c;
}

AColor EvalColorAt(Texmap& map, const Point3& n, const Point3& v) {
    standin::SimpleShadeContext sc(n, v);
    return map.EvalColor(sc);
}

void UpdateAt(Texmap& map, TimeValue t) {
    Interval valid = FOREVER;
    map.Update(t, valid);
}

ReferenceTarget* OutputViaBlock(Texmap& map) {
    ReferenceTarget* output = nullptr;
    Interval valid = FOREVER;
    EXPECT_TRUE(map.GetParamBlock(0)->GetValue(kOutput, 0, output, valid));
    return output;
}

const std::vector<View>& Views() {
    static const std::vector<View> views = {
        {"along the normal", Point3(0.0f, 0.0f, 1.0f), Point3(0.0f, 0.0f, -1.0f)},
        {"from behind", Point3(0.0f, 0.0f, 1.0f), Point3(0.0f, 0.0f, 1.0f)},
        {"oblique, unnormalised", Point3(0.3f, -0.5f, 0.8f), Point3(-0.2f, 0.7f, -0.4f)},
        {"half way", Point3(0.0f, 0.0f, 1.0f), Point3(0.8660254f, 0.0f, -0.5f)},
        {"grazing", Point3(0.0f, 1.0f, 0.0f), Point3(1.0f, 0.0f, 0.0f)},
        {"longer than unit", Point3(0.0f, 0.0f, 2.0f), Point3(0.0f, 0.0f, -1.5f)},
    };
    return views;
}

void CopyValuesBySaveAndLoad(IParamBlock2& target, IParamBlock2& source) {
    standin::ChunkWriter writer;
    ASSERT_EQ(source.Save(&writer), IO_OK);
    standin::ChunkReader reader(writer.Bytes().data(), writer.Bytes().size());
    ASSERT_EQ(target.Load(&reader), IO_OK);
}

RecordingMap::RecordingMap(IParamBlock2& block, MapID id) : RecordingParamMap(&block, id) {
    standin::AttachParamMap(block, *this);
}

RecordingMap::~RecordingMap() {
    standin::DetachParamMap(*GetParamBlock(), *this);
}

Interval CountingOutput::SpanAround(TimeValue t) {
    const TimeValue start = t - ((t % 100) + 100) % 100;
    return Interval(start, start + 99);
}

AColor CountingOutput::Tint(AColor c) {
    c.r *= 0.5f;
    c.g *= 0.75f;
    c.b = 1.0f - c.b;
    return c;
}

AColor CountingOutput::Filter(AColor c) {
    ++filters;
    return Tint(c);
}

void CountingOutput::Update(TimeValue t, Interval& valid) {
    updates.push_back(t);
    valid &= SpanAround(t);
}

void TexmapTest::SetUp() {
    module_ = LoadOrFail(VELTRANE_MODULE);
    ASSERT_TRUE(module_);
    desc_ = module_->LibClassDesc(0);
    ASSERT_NE(desc_, nullptr);
}

void TexmapTest::TearDown() {
    if (registered_) standin::ClassDirectory::Host().Unregister(desc_);
}

ClassDesc2& TexmapTest::Desc2() {
    auto* cd2 = dynamic_cast<ClassDesc2*>(desc_);
    if (!cd2) {
        ADD_FAILURE() << "the class descriptor is no ClassDesc2";
        std::abort();
    }
    return *cd2;
}

MapPtr TexmapTest::NewMap() {
    // The descriptor hands out the object as the host's root class; the host casts from it.
    auto* created = static_cast<Animatable*>(desc_->Create(FALSE));
    auto* map = dynamic_cast<Texmap*>(created);
    if (!map || !map->GetParamBlock(0)) {
        ADD_FAILURE() << "Create made no texture map with a parameter block";
        if (created) created->DeleteThis();
        std::abort();
    }
    return MapPtr(map);
}

void TexmapTest::RegisterClass() {
    ASSERT_TRUE(standin::ClassDirectory::Host().Register(desc_));
    registered_ = true;
}

IParamBlock2& TexmapTest::Block(Texmap& map) {
    return *map.GetParamBlock(0);
}

void TexmapScene::SetUp() {
    TexmapTest::SetUp();
    if (!HasFatalFailure()) RegisterClass();
}

Texmap* TexmapScene::AddNewMap(standin::SceneRoots& scene) {
    Texmap* map = NewMap().release();
    EXPECT_GE(scene.Add(map), 0);
    return map;
}

std::vector<std::uint8_t> TexmapScene::Save(standin::SceneRoots& scene) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    EXPECT_EQ(standin::SaveScene(scene, bytes, &error), IO_OK) << error;
    return bytes;
}

}  // namespace texmap_test
