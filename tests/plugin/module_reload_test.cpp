// Loading and unloading the module many times in one process, using it in between as the
// host would. Each load must initialise the module afresh; the AddressSanitizer build's leak
// checker sees anything a cycle leaves behind (statics, descriptors, strings, objects).
#include <gtest/gtest.h>
#include <imtl.h>
#include <iparamb2.h>
#include <max.h>
#include <standin/module_loader.h>
#include <standin/simple_shade_context.h>

#include "tests/support/load_module.h"

namespace {

constexpr int kCycles = 100;
constexpr ParamID kPreset = 0;

// One session of the host with the module: its classes listed, a map made, changed,
// updated, evaluated and deleted.
void UseOnce(standin::Module& module) {
    ASSERT_TRUE(module.LibInitialize());
    ASSERT_EQ(module.LibNumberClasses(), 1);
    ClassDesc* desc = module.LibClassDesc(0);
    ASSERT_NE(desc, nullptr);
    EXPECT_NE(desc->ClassName(), nullptr);
    auto* map = dynamic_cast<Texmap*>(static_cast<Animatable*>(desc->Create(FALSE)));
    ASSERT_NE(map, nullptr);
    map->GetParamBlock(0)->SetValue(kPreset, 0, 7);
    Interval valid = FOREVER;
    map->Update(0, valid);
    standin::SimpleShadeContext sc(Point3(0.0f, 0.0f, 1.0f), Point3(0.3f, 0.0f, -0.9f));
    const AColor c = map->EvalColor(sc);
    EXPECT_TRUE(c.r >= 0.0f && c.r <= 1.0f);
    map->DeleteThis();
    module.LibShutdown();
}

TEST(PluginModuleReload, AHundredLoadsAndUnloadsInOneProcess) {
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        SCOPED_TRACE(cycle);
        auto module = LoadOrFail(VELTRANE_MODULE);
        ASSERT_TRUE(module);
        UseOnce(*module);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
