// Scene files from anywhere, loaded as the host loads them: the stand-in's scene loader reads
// the chunk stream, recreates the plug-in's maps through the loaded module's class
// descriptor, runs the parameter block's Load and Veltrane::Load and restores the
// references. A refused file must add nothing to the scene; an accepted one must give maps
// that update and evaluate, and must save and load again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <memory>
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

// The module, loaded on the first input and its class registered with the host's class
// directory until the process ends.
class LoadedModule {
  public:
    LoadedModule() {
        std::string error;
        module_ = standin::Module::Load(VELTRANE_MODULE, &error);
        desc_ = module_ ? module_->LibClassDesc(0) : nullptr;
        if (!desc_ || !standin::ClassDirectory::Host().Register(desc_)) {
            std::fprintf(stderr, "cannot load %s: %s\n", VELTRANE_MODULE, error.c_str());
            std::abort();
        }
    }
    ~LoadedModule() { standin::ClassDirectory::Host().Unregister(desc_); }

  private:
    std::unique_ptr<standin::Module> module_;
    ClassDesc* desc_ = nullptr;
};

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
    static const LoadedModule module;
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
