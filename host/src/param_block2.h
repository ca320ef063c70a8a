// The stand-in's parameter block: one value (constant or keyed) per parameter of its
// descriptor, plus the parameter maps of an open rollout.
#pragma once

#include <vector>

#include <iparamb2.h>

#include "keyed_value.h"
#include "param_block_access.h"
#include "param_storage.h"

namespace standin {

class ParamBlock2 final : public IParamBlock2 {
  public:
    // `desc` is null for a block created to be loaded; Load() finds the descriptor.
    ParamBlock2(ParamBlockDesc2* desc, ReferenceMaker* owner);

    BlockID ID() override;
    // The maker that references this block: the one that created it, or, once that one no
    // longer does (a clone or a loaded block installed in a new object), the new referrer.
    ReferenceMaker* GetOwner() override;
    ParamBlockDesc2* GetDesc() override { return desc_; }

    BOOL SetValue(ParamID id, TimeValue t, float v, int tabIndex = 0) override;
    BOOL SetValue(ParamID id, TimeValue t, int v, int tabIndex = 0) override;
    BOOL SetValue(ParamID id, TimeValue t, Mtl* v, int tabIndex = 0) override;
    BOOL SetValue(ParamID id, TimeValue t, Texmap* v, int tabIndex = 0) override;
    BOOL SetValue(ParamID id, TimeValue t, ReferenceTarget* v, int tabIndex = 0) override;
    BOOL GetValue(ParamID id, TimeValue t, float& v, Interval& ivalid, int tabIndex = 0) override;
    BOOL GetValue(ParamID id, TimeValue t, int& v, Interval& ivalid, int tabIndex = 0) override;
    BOOL GetValue(ParamID id, TimeValue t, Mtl*& v, Interval& ivalid, int tabIndex = 0) override;
    BOOL GetValue(ParamID id, TimeValue t, Texmap*& v, Interval& ivalid, int tabIndex = 0) override;
    BOOL GetValue(ParamID id, TimeValue t, ReferenceTarget*& v, Interval& ivalid,
                  int tabIndex = 0) override;
    using IParamBlock2::GetInt;
    int GetInt(ParamID id, TimeValue t = 0, int tabIndex = 0) override;
    float GetFloat(ParamID id, TimeValue t = 0, int tabIndex = 0) override;
    ParamID LastNotifyParamID() override { return lastNotifyID_; }
    ParamID LastNotifyParamID(int& tabIndex) override;
    IParamMap2* GetMap(MapID map_id = 0) override;

    SClass_ID SuperClassID() override { return PARAMETER_BLOCK2_CLASS_ID; }
    Class_ID ClassID() override { return Class_ID(PARAMETER_BLOCK2_CLASS_ID, 0); }
    void GetClassName(MSTR& s, bool localized = true) const override;
    RefTargetHandle Clone(RemapDir& remap) override;
    IOResult Save(ISave* isave) override;
    IOResult Load(ILoad* iload) override;

    // Every value back to its default, keys dropped; then one change notification with
    // LastNotifyParamID -1 (all parameters). Parameters held by the owner are left alone.
    void ResetAll();
    std::vector<TimeValue> KeyTimes(ParamID id) const;
    void AttachMap(IParamMap2& map);
    void DetachMap(IParamMap2& map);

  private:
    ~ParamBlock2() override;

    // The block has no references of its own.
    RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                               RefMessage message, BOOL propagate) override;

    struct Slot {
        const ParamDef* def;
        ParamStorage storage;
        KeyedValue<float> f;
        KeyedValue<int> i;
    };

    // The slot's float or int value, by the type asked for.
    template <typename T>
    static KeyedValue<T>& ValueOf(Slot& slot);
    static void ResetToDefault(Slot& slot);

    void BuildSlots();
    Slot* Find(ParamID id, ParamStorage storage);
    const Slot* FindAny(ParamID id) const;
    void Changed(ParamID id, int tabIndex);
    template <typename T>
    BOOL SetKeyed(ParamID id, TimeValue t, T v, int tabIndex);
    template <typename T>
    BOOL GetKeyed(ParamID id, TimeValue t, T& v, Interval& ivalid);
    // The owner holding owner's-reference parameter `id`, with the parameter's reference
    // index in `refno`; null if `id` is no such parameter or no maker owns the block.
    ReferenceMaker* OwnerHoldingRef(ParamID id, int& refno);
    IOResult LoadDescriptor(ILoad* iload);
    IOResult LoadValue(ILoad* iload);
    template <typename T>
    IOResult LoadKeyed(ILoad* iload, ParamID id);

    ParamBlockDesc2* desc_;
    ReferenceMaker* owner_;
    std::vector<Slot> slots_;
    std::vector<IParamMap2*> maps_;
    ParamID lastNotifyID_ = -1;
    int lastNotifyTab_ = 0;
};

}  // namespace standin
