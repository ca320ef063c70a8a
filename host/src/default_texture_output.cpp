// The default texture output: scales colours by an output level and can invert them. At its
// defaults (level 1, no inversion) it returns every value unchanged, bit for bit.
#include "default_texture_output.h"

#include <Materials/ParamDlg.h>
#include <Materials/TextureOutput.h>

#include <cstdint>

#include "chunk_values.h"

using standin::LoadChunks;
using standin::ReadValue;
using standin::WriteValueChunk;

namespace {

// The stand-in's own class ID; the host's is not needed by anything that loads these files.
const Class_ID kDefaultTextureOutputClassID(0x4E1A7C02, 0x1B9D63F5);

constexpr USHORT kMtlHeaderChunk = 0x4000;
constexpr USHORT kOutputLevelChunk = 0x0200;
constexpr USHORT kInvertChunk = 0x0210;
constexpr USHORT kRollupOpenChunk = 0x0220;

constexpr float kDefaultOutputLevel = 1.0f;

// The texture output's rollout in the material editor: a secondary dialog of its texture
// map's master dialog. Headless, it shows nothing; it knows which output it shows.
class TextureOutputDlg : public ParamDlg {
  public:
    explicit TextureOutputDlg(ReferenceTarget* output) : output_(output) {}

    Class_ID ClassID() override { return kDefaultTextureOutputClassID; }
    // Never dereferenced here, so a dialog outliving its output holds no danger.
    void SetThing(ReferenceTarget* m) override { output_ = m; }
    ReferenceTarget* GetThing() override { return output_; }
    void SetTime(TimeValue t) override { (void)t; }
    void ReloadDialog() override {}
    void DeleteThis() override { delete this; }
    void ActivateDlg(BOOL onOff) override { (void)onOff; }

  private:
    ReferenceTarget* output_;
};

class DefaultTextureOutput : public TextureOutput {
  public:
    AColor Filter(AColor c) override {
        c.r = Apply(c.r);
        c.g = Apply(c.g);
        c.b = Apply(c.b);
        return c;
    }
    float Filter(float f) override { return Apply(f); }
    Point3 Filter(Point3 p) override { return (invert_ ? -p : p) * outputLevel_; }

    // The level is not animated: one value for every time.
    float GetOutputLevel(TimeValue t) override {
        (void)t;
        return outputLevel_;
    }
    void SetOutputLevel(TimeValue t, float v) override {
        (void)t;
        if (v == outputLevel_) return;
        outputLevel_ = v;
        Changed();
    }
    void SetInvert(BOOL onoff) override {
        const BOOL value = onoff ? TRUE : FALSE;
        if (value == invert_) return;
        invert_ = value;
        Changed();
    }
    BOOL GetInvert() override { return invert_; }
    void SetRollupOpen(BOOL open) override { rollupOpen_ = open ? TRUE : FALSE; }
    BOOL GetRollupOpen() override { return rollupOpen_; }

    void Update(TimeValue t, Interval& valid) override { valid &= Validity(t); }
    void Reset() override {
        outputLevel_ = kDefaultOutputLevel;
        invert_ = FALSE;
        Changed();
    }
    Interval Validity(TimeValue t) override {
        (void)t;
        return FOREVER;
    }
    // A new dialog each time; the caller (the master dialog it is added to) deletes it.
    ParamDlg* CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) override {
        (void)hwMtlEdit;
        (void)imp;
        return new TextureOutputDlg(this);
    }

    Class_ID ClassID() override { return kDefaultTextureOutputClassID; }
    void GetClassName(MSTR& s, bool localized = true) const override {
        (void)localized;
        s = L"Output";
    }

    RefTargetHandle Clone(RemapDir& remap) override {
        auto* copy = new DefaultTextureOutput;
        *static_cast<MtlBase*>(copy) = *this;
        copy->outputLevel_ = outputLevel_;
        copy->invert_ = invert_;
        copy->rollupOpen_ = rollupOpen_;
        BaseClone(this, copy, remap);
        return copy;
    }

    IOResult Save(ISave* isave) override {
        isave->BeginChunk(kMtlHeaderChunk);
        IOResult result = MtlBase::Save(isave);
        if (result != IO_OK) return result;
        isave->EndChunk();
        if ((result = WriteValueChunk(isave, kOutputLevelChunk, outputLevel_)) != IO_OK)
            return result;
        const std::int32_t invert = invert_;
        if ((result = WriteValueChunk(isave, kInvertChunk, invert)) != IO_OK) return result;
        const std::int32_t rollupOpen = rollupOpen_;
        return WriteValueChunk(isave, kRollupOpenChunk, rollupOpen);
    }

    IOResult Load(ILoad* iload) override {
        return LoadChunks(iload, [&](USHORT id) {
            std::int32_t flag = 0;
            IOResult result = IO_OK;
            switch (id) {
                case kMtlHeaderChunk:
                    return MtlBase::Load(iload);
                case kOutputLevelChunk:
                    return ReadValue(iload, outputLevel_);
                case kInvertChunk:
                    if ((result = ReadValue(iload, flag)) == IO_OK) invert_ = flag ? TRUE : FALSE;
                    return result;
                case kRollupOpenChunk:
                    if ((result = ReadValue(iload, flag)) == IO_OK)
                        rollupOpen_ = flag ? TRUE : FALSE;
                    return result;
                default:
                    return IO_OK;  // skipped
            }
        });
    }

  protected:
    RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                               RefMessage message, BOOL propagate) override {
        (void)changeInt, (void)hTarget, (void)partID, (void)message, (void)propagate;
        return REF_SUCCEED;
    }

  private:
    void Changed() { NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE); }
    // One channel or value: inverted if asked, then scaled by the output level.
    float Apply(float f) const { return (invert_ ? 1.0f - f : f) * outputLevel_; }

    float outputLevel_ = kDefaultOutputLevel;
    BOOL invert_ = FALSE;
    BOOL rollupOpen_ = FALSE;
};

class DefaultTextureOutputClassDesc : public ClassDesc {
  public:
    int IsPublic() override { return 0; }
    void* Create(BOOL loading) override {
        (void)loading;
        return static_cast<Animatable*>(new DefaultTextureOutput);
    }
    const MCHAR* ClassName() override { return L"Output"; }
    const MCHAR* NonLocalizedClassName() override { return L"Output"; }
    SClass_ID SuperClassID() override { return TEXOUTPUT_CLASS_ID; }
    Class_ID ClassID() override { return kDefaultTextureOutputClassID; }
    const MCHAR* Category() override { return L""; }
};

}  // namespace

TextureOutput* GetNewDefaultTextureOutput() {
    return new DefaultTextureOutput;
}

namespace standin {

ClassDesc* DefaultTextureOutputDesc() {
    static DefaultTextureOutputClassDesc desc;
    return &desc;
}

}  // namespace standin
