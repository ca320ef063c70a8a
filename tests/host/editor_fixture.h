// A texture map class shaped like a plug-in's for the material editor tests: a "params"
// block with a preset combo box, float spinners with ranges and scales and an owner's
// texture output, whose rollout is template 101 of veltrane.res carried by a loaded module.
// Its CreateParamDlg does what a texture map does: the master dialog from the class
// descriptor, a new user procedure attached to map 0, the output's dialog added.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <imtl.h>
#include <iparamb2.h>
#include <iparamm2.h>

#include "tests/host/loaded_module.h"
#include "tests/host/params_shaped_block.h"
#include "tests/support/delete_this.h"
#include "tests/support/stub_param_dlg.h"

namespace edtest {

using namespace paramshape;

// The module whose resources the class descriptors hand out; set by the test suite.
extern HINSTANCE resourceModule;

// A test suite that loads the resource module for its tests and sets resourceModule.
class ResourceModuleSuite : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        module = new standin::test::LoadedModule(RESOURCE_MODULE);
        resourceModule = module->Instance();
    }
    static void TearDownTestSuite() {
        resourceModule = nullptr;
        delete module;
        module = nullptr;
    }

  private:
    static inline standin::test::LoadedModule* module = nullptr;
};

class TestDesc : public ClassDesc2 {
  public:
    explicit TestDesc(Class_ID id) : id_(id) {}
    int IsPublic() override { return 0; }
    void* Create(BOOL loading) override;
    const MCHAR* ClassName() override { return L"EditorTestMap"; }
    const MCHAR* NonLocalizedClassName() override { return L"EditorTestMap"; }
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
    Class_ID ClassID() override { return id_; }
    const MCHAR* Category() override { return L""; }
    HINSTANCE HInstance() override { return resourceModule; }

  private:
    Class_ID id_;
};

extern TestDesc mapDesc;
extern ParamBlockDesc2 mapParams;

// What the maps, procedures and dialogs of a test did, in order: "change 7" (the block
// notified its owner of parameter 7), "command 1001 1" (WM_COMMAND from control 1001 with
// notification 1), "spinner 1503", "initdialog", "message 0x200", "SetParamBlock",
// "SetThing", "delete proc", "delete dlg".
extern std::vector<std::string> events;

// Records what the map passes to it, then answers `answer`.
class RecordingProc : public ParamMap2UserDlgProc {
  public:
    explicit RecordingProc(INT_PTR answer = 0) : answer_(answer) {}
    INT_PTR DlgProc(TimeValue t, IParamMap2* map, HWND hWnd, UINT msg, WPARAM wParam,
                    LPARAM lParam) override;
    void DeleteThis() override;
    void SetThing(ReferenceTarget* m) override;
    void SetParamBlock(IParamBlock2* pb) override;

    std::vector<ReferenceTarget*> things;
    std::vector<IParamBlock2*> blocks;
    std::vector<IParamMap2*> maps;  // the map passed with each message
    std::vector<TimeValue> times;   // the time passed with each message
    std::function<void(UINT msg, WPARAM wParam)> onMessage;
    std::function<void(ReferenceTarget* m)> onSetThing;

  private:
    INT_PTR answer_;
};

// A secondary dialog that no texture map takes through SetDlgThing; it records its
// SetThing calls and its deletion in events.
struct RecordingDlg : StubParamDlg {
    RecordingDlg() {
        onEvent = [](const char* event) { events.push_back(event); };
    }
};

class TestMap : public TwoRefOwner<Texmap> {
  public:
    explicit TestMap(TestDesc& desc) : TwoRefOwner(desc), desc_(desc) {}

    Class_ID ClassID() override { return desc_.ClassID(); }
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int) override { return Block(); }
    IParamBlock2* GetParamBlockByID(BlockID id) override;
    TextureOutput* Output();

    AColor EvalColor(ShadeContext&) override { return AColor(0.0f, 0.0f, 0.0f, 1.0f); }
    Point3 EvalNormalPerturb(ShadeContext&) override { return Point3(0.0f, 0.0f, 0.0f); }
    void Update(TimeValue, Interval&) override {}
    void Reset() override {}
    Interval Validity(TimeValue) override { return FOREVER; }
    ParamDlg* CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) override;
    // Rebinds the output dialog of the last CreateParamDlg to this map's output.
    BOOL SetDlgThing(ParamDlg* dlg) override;

    // The procedure and output dialog that the last CreateParamDlg of any map made.
    static RecordingProc* lastProc;
    static ParamDlg* lastOutputDlg;

  protected:
    void BlockChanged(ParamID id) override { events.push_back("change " + std::to_string(id)); }

  private:
    TestDesc& desc_;
};

using MapPtr = std::unique_ptr<TestMap, DeleteThisDeleter>;

inline MapPtr NewMap(TestDesc& desc = mapDesc) {
    return MapPtr(static_cast<TestMap*>(static_cast<Animatable*>(desc.Create(FALSE))));
}

}  // namespace edtest
