// Scene files from anywhere, loaded as the host loads them: the stand-in's scene loader reads
// the chunk stream, recreates the plug-in's maps through the loaded module's class
// descriptor, runs the parameter block's Load and Veltrane::Load and restores the
// references. A refused file must add nothing to the scene; an accepted one must give maps
// that update and evaluate, and must save and load again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <imtl.h>
#include <max.h>
#include <standin/class_directory.h>
#include <standin/module_loader.h>
#include <standin/scene_file.h>
#include <standin/scene_roots.h>
#include <standin/simple_shade_context.h>

#include "fuzz/fuzz_check.h"

namespace {

// The module stays loaded and its class registered for the life of the process; the
// static pointer keeps it reachable, so the leak checker does not count it.
standin::Module* LoadModuleOnce() {
    std::string error;
    standin::Module* module = standin::Module::Load(VELTRANE_MODULE, &error).release();
    if (!module || !standin::ClassDirectory::Host().Register(module->LibClassDesc(0))) {
        std::fprintf(stderr, "cannot load %s: %s\n", VELTRANE_MODULE, error.c_str());
        std::abort();
    }
    return module;
}

void EvaluateMaps(standin::SceneRoots& scene) {
    for (int i = 0; i < scene.Count(); ++i) {
        auto* map = dynamic_cast<Texmap*>(scene.Get(i));
        if (!map) continue;
        Interval valid = FOREVER;
        map->Update(0, valid);
        standin::SimpleShadeContext sc(Point3(0.0f, 0.0f, 1.0f), Point3(0.3f, 0.0f, -0.9f));
        map->EvalColor(sc);
        map->EvalMono(sc);
    }
}

std::vector<std::uint8_t> Saved(standin::SceneRoots& scene) {
    std::vector<std::uint8_t> bytes;
    FUZZ_CHECK(standin::SaveScene(scene, bytes) == IO_OK);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static standin::Module* const module = LoadModuleOnce();
    (void)module;
    const standin::ClassDirectory& classes = standin::ClassDirectory::Host();

    standin::SceneRoots scene;
    if (standin::LoadScene(data, size, classes, scene) != IO_OK) {
        FUZZ_CHECK(scene.Count() == 0);
        return 0;
    }
    EvaluateMaps(scene);

    // What was accepted is stored as the loader understood it; that form is stable.
    const std::vector<std::uint8_t> once = Saved(scene);
    standin::SceneRoots again;
    FUZZ_CHECK(standin::LoadScene(once.data(), once.size(), classes, again) == IO_OK);
    FUZZ_CHECK(Saved(again) == once);
    return 0;
}
