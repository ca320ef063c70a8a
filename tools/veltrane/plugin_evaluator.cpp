#include "tools/veltrane/plugin_evaluator.h"

#include <cstring>
#include <utility>

#include <imtl.h>
#include <iparamb2.h>
#include <standin/module_loader.h>
#include <standin/simple_shade_context.h>

#include "plugin/param_block.h"

namespace veltrane::tools {
namespace {

constexpr SClass_ID kTexmapSuperClass = TEXMAP_CLASS_ID;

unsigned int Bits(float value) {
    unsigned int bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

std::unique_ptr<PluginEvaluator> PluginEvaluator::Open(const std::string& modulePath,
                                                       std::string* error) {
    std::unique_ptr<PluginEvaluator> evaluator(new PluginEvaluator());
    evaluator->module = standin::Module::Load(modulePath, error);
    if (!evaluator->module) return nullptr;
    ClassDesc* desc = evaluator->module->LibNumberClasses() > 0
                          ? evaluator->module->LibClassDesc(0)
                          : nullptr;
    if (!desc || desc->SuperClassID() != kTexmapSuperClass) {
        *error = "module '" + modulePath + "' offers no texture map class";
        return nullptr;
    }
    evaluator->texmap = static_cast<Texmap*>(desc->Create(FALSE));
    evaluator->block = evaluator->texmap ? evaluator->texmap->GetParamBlock(0) : nullptr;
    if (!evaluator->block) {
        *error = "module '" + modulePath + "' created no texture map with a parameter block";
        return nullptr;
    }
    return evaluator;
}

PluginEvaluator::~PluginEvaluator() {
    // The texture map's code lives in the module: delete it before the module unloads.
    if (texmap) texmap->DeleteThis();
}

void PluginEvaluator::SetParam(int id, float value) {
    const unsigned int bits = Bits(value);
    if (everWritten[id] && written[id] == bits) return;
    block->SetValue(static_cast<ParamID>(id), 0, value, 0);
    written[id] = bits;
    everWritten[id] = true;
}

AColor PluginEvaluator::Evaluate(const SampleInput& s) {
    using namespace veltrane_params;
    for (const IorParamField& p : kIorParamFields) SetParam(p.id, s.ior.*p.field);
    const std::pair<ParamID, float> values[] = {{kGamma, s.gamma}, {kHue, s.hue}, {kSat, s.sat}};
    for (const auto& [id, value] : values) SetParam(id, value);

    ::Interval valid(TIME_NegInfinity, TIME_PosInfinity);  // FOREVER, spelled outside this namespace
    texmap->Update(0, valid);
    standin::SimpleShadeContext sc(::Point3(0.0f, 0.0f, 1.0f), ::Point3(0.0f, 0.0f, -s.mu), 0);
    const ::AColor c = texmap->EvalColor(sc);
    return {c.r, c.g, c.b, c.a};
}

}  // namespace veltrane::tools
