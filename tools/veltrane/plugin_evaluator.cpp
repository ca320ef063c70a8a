// The plug-in as the tools drive it: a texture map of the loaded module, set through its
// parameter block as a user would, evaluated as a renderer would.
#include "tools/veltrane/plugin_evaluator.h"

#include <cstring>
#include <utility>

#include <imtl.h>
#include <iparamb2.h>
#include <standin/module_loader.h>
#include <standin/simple_shade_context.h>

#include "core/param_ids.h"
#include "core/param_store.h"
#include "core/presets.h"

namespace veltrane::tools {
namespace {

constexpr SClass_ID kTexmapSuperClass = TEXMAP_CLASS_ID;

unsigned int Bits(float value) {
    unsigned int bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

std::unique_ptr<PluginTexmap> PluginTexmap::Open(const std::string& modulePath,
                                                 std::string* error) {
    std::unique_ptr<PluginTexmap> map(new PluginTexmap());
    map->module = standin::Module::Load(modulePath, error);
    if (!map->module) return nullptr;
    ClassDesc* desc = map->module->LibNumberClasses() > 0 ? map->module->LibClassDesc(0) : nullptr;
    if (!desc || desc->SuperClassID() != kTexmapSuperClass) {
        *error = "module '" + modulePath + "' offers no texture map class";
        return nullptr;
    }
    map->texmap = static_cast<Texmap*>(desc->Create(FALSE));
    map->block = map->texmap ? map->texmap->GetParamBlock(0) : nullptr;
    if (!map->block) {
        *error = "module '" + modulePath + "' created no texture map with a parameter block";
        return nullptr;
    }
    return map;
}

PluginTexmap::~PluginTexmap() {
    // The texture map's code lives in the module: delete it before the module unloads.
    if (texmap) texmap->DeleteThis();
}

void PluginTexmap::SelectPreset(int index) {
    block->SetValue(kParamPreset, 0, index, 0);
    // The map wrote the n/k values itself: the next SetParam of each must write.
    for (const IorParamField& p : kIorParamFields) everWritten[p.id] = false;
}

void PluginTexmap::SetCustomIor(const ComplexIOR& ior) {
    SelectPreset(kPresetCustom);
    for (const IorParamField& p : kIorParamFields) SetParam(p.id, ior.*p.field);
}

void PluginTexmap::SetParam(int id, float value) {
    const unsigned int bits = Bits(value);
    if (everWritten[id] && written[id] == bits) return;
    block->SetValue(static_cast<ParamID>(id), 0, value, 0);
    written[id] = bits;
    everWritten[id] = true;
}

std::pair<float, float> PluginTexmap::ParamRange(int id) const {
    const ParamDef& def = block->GetDesc()->GetParamDef(static_cast<ParamID>(id));
    return {def.range_low.f, def.range_high.f};
}

void PluginTexmap::Update() {
    ::Interval valid(TIME_NegInfinity,
                     TIME_PosInfinity);  // FOREVER, spelled outside this namespace
    texmap->Update(0, valid);
}

AColor PluginTexmap::EvalColor(const Point3& normal, const Point3& view) const {
    standin::SimpleShadeContext sc(::Point3(normal.x, normal.y, normal.z),
                                   ::Point3(view.x, view.y, view.z), 0);
    const ::AColor c = texmap->EvalColor(sc);
    return {c.r, c.g, c.b, c.a};
}

std::unique_ptr<PluginEvaluator> PluginEvaluator::Open(const std::string& modulePath,
                                                       std::string* error) {
    std::unique_ptr<PluginTexmap> map = PluginTexmap::Open(modulePath, error);
    if (!map) return nullptr;
    return std::unique_ptr<PluginEvaluator>(new PluginEvaluator(std::move(map)));
}

AColor PluginEvaluator::Evaluate(const SampleInput& s) {
    for (const IorParamField& p : kIorParamFields) map->SetParam(p.id, s.ior.*p.field);
    map->SetParam(kParamGamma, s.gamma);
    map->SetParam(kParamHue, s.hue);
    map->SetParam(kParamSat, s.sat);
    map->Update();
    return map->EvalColor({0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, -s.mu});
}

}  // namespace veltrane::tools
