// The stand-in's parameter block: values per parameter (constant or keyed), change notification to
// the owner, cloning, and saving and loading.
#include "param_block2.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include <control.h>
#include <ioapi.h>
#include <iparamm2.h>

#include "chunk_values.h"
#include "reference_graph.h"

namespace standin {

namespace {

// Chunks of a saved block: which descriptor it follows, then one chunk per stored value.
constexpr USHORT kDescriptorChunk = 0x0001;
constexpr USHORT kValueChunk = 0x0002;

constexpr std::uint8_t kFloatValue = 0;
constexpr std::uint8_t kIntValue = 1;

// How a float or an int parameter is stored in a slot.
template <typename T>
constexpr ParamStorage kStorageOf =
    std::is_same_v<T, float> ? ParamStorage::Float : ParamStorage::Int;

template <typename T>
IOResult WriteKeyed(ISave* isave, const KeyedValue<T>& value) {
    IOResult res = WriteValue(isave, value.Constant());
    const auto count = static_cast<std::int32_t>(value.Keys().size());
    if (res == IO_OK) res = WriteValue(isave, count);
    for (const auto& key : value.Keys()) {
        if (res == IO_OK) res = WriteValue(isave, key.time);
        if (res == IO_OK) res = WriteValue(isave, key.value);
    }
    return res;
}

// Keys are read one by one, so a damaged count runs into the end of the chunk instead of
// allocating whatever it claims.
template <typename T>
IOResult ReadKeyed(ILoad* iload, KeyedValue<T>& value) {
    T constant{};
    std::int32_t count = 0;
    if (ReadValue(iload, constant) != IO_OK || ReadValue(iload, count) != IO_OK || count < 0) {
        return IO_ERROR;
    }
    std::vector<typename KeyedValue<T>::Key> keys;
    for (std::int32_t k = 0; k < count; ++k) {
        typename KeyedValue<T>::Key key{};
        if (ReadValue(iload, key.time) != IO_OK || ReadValue(iload, key.value) != IO_OK) {
            return IO_ERROR;
        }
        keys.push_back(key);
    }
    return value.Assign(constant, std::move(keys)) ? IO_OK : IO_ERROR;
}

}  // namespace

template <typename T>
KeyedValue<T>& ParamBlock2::ValueOf(Slot& slot) {
    if constexpr (std::is_same_v<T, float>) {
        return slot.f;
    } else {
        return slot.i;
    }
}

void ParamBlock2::ResetToDefault(Slot& slot) {
    if (slot.storage == ParamStorage::Float) slot.f.Reset(slot.def->def.f);
    if (slot.storage == ParamStorage::Int) slot.i.Reset(slot.def->def.i);
}

ParamBlock2::ParamBlock2(ParamBlockDesc2* desc, ReferenceMaker* owner)
    : desc_(desc), owner_(owner) {
    BuildSlots();
}

ParamBlock2::~ParamBlock2() {
    for (IParamMap2* map : std::vector<IParamMap2*>(maps_)) DetachMap(*map);
}

void ParamBlock2::BuildSlots() {
    slots_.clear();
    if (!desc_) return;
    for (int i = 0; i < desc_->Count(); ++i) {
        const ParamDef& def = desc_->paramdefs[i];
        Slot slot{&def, StorageOf(def), KeyedValue<float>(), KeyedValue<int>()};
        ResetToDefault(slot);
        slots_.push_back(slot);
    }
}

BlockID ParamBlock2::ID() {
    return desc_ ? desc_->ID : BlockID(-1);
}

ReferenceMaker* ParamBlock2::GetOwner() {
    const std::vector<ReferenceMaker*>& referrers = ReferenceGraph::Node(this).dependents;
    if (!Contains(referrers, owner_)) {
        owner_ = referrers.empty() ? nullptr : referrers.front();
    }
    return owner_;
}

ParamBlock2::Slot* ParamBlock2::Find(ParamID id, ParamStorage storage) {
    for (Slot& slot : slots_) {
        if (slot.def->ID == id) return slot.storage == storage ? &slot : nullptr;
    }
    return nullptr;
}

const ParamBlock2::Slot* ParamBlock2::FindAny(ParamID id) const {
    for (const Slot& slot : slots_) {
        if (slot.def->ID == id) return &slot;
    }
    return nullptr;
}

// The parameter is named only while its notification is delivered; a nested change names
// its own and hands the outer one back when it is over.
void ParamBlock2::Changed(ParamID id, int tabIndex) {
    const ParamID outerID = lastNotifyID_;
    const int outerTab = lastNotifyTab_;
    lastNotifyID_ = id;
    lastNotifyTab_ = tabIndex;
    NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
    lastNotifyID_ = outerID;
    lastNotifyTab_ = outerTab;
}

template <typename T>
BOOL ParamBlock2::SetKeyed(ParamID id, TimeValue t, T v, int tabIndex) {
    Slot* slot = Find(id, kStorageOf<T>);
    if (!slot) return FALSE;
    ValueOf<T>(*slot).Set(t, v, Animating() && (slot->def->flags & P_ANIMATABLE));
    Changed(id, tabIndex);
    return TRUE;
}

template <typename T>
BOOL ParamBlock2::GetKeyed(ParamID id, TimeValue t, T& v, Interval& ivalid) {
    Slot* slot = Find(id, kStorageOf<T>);
    if (!slot) return FALSE;
    v = ValueOf<T>(*slot).At(t, ivalid);
    return TRUE;
}

ReferenceMaker* ParamBlock2::OwnerHoldingRef(ParamID id, int& refno) {
    const Slot* slot = Find(id, ParamStorage::OwnersRef);
    ReferenceMaker* owner = GetOwner();
    if (!slot || !owner || slot->def->refno < 0) return nullptr;
    refno = slot->def->refno;
    return owner;
}

BOOL ParamBlock2::SetValue(ParamID id, TimeValue t, float v, int tabIndex) {
    return SetKeyed(id, t, v, tabIndex);
}

BOOL ParamBlock2::SetValue(ParamID id, TimeValue t, int v, int tabIndex) {
    return SetKeyed(id, t, v, tabIndex);
}

// Only TYPE_REFTARG parameters held by the owner are modelled, so no parameter takes a
// material or a texture map through these.
BOOL ParamBlock2::SetValue(ParamID, TimeValue, Mtl*, int) {
    return FALSE;
}
BOOL ParamBlock2::SetValue(ParamID, TimeValue, Texmap*, int) {
    return FALSE;
}

BOOL ParamBlock2::SetValue(ParamID id, TimeValue t, ReferenceTarget* v, int tabIndex) {
    (void)t;
    int refno = -1;
    ReferenceMaker* owner = OwnerHoldingRef(id, refno);
    if (!owner || owner->ReplaceReference(refno, v) != REF_SUCCEED) return FALSE;
    Changed(id, tabIndex);
    return TRUE;
}

BOOL ParamBlock2::GetValue(ParamID id, TimeValue t, float& v, Interval& ivalid, int) {
    return GetKeyed(id, t, v, ivalid);
}

BOOL ParamBlock2::GetValue(ParamID id, TimeValue t, int& v, Interval& ivalid, int) {
    return GetKeyed(id, t, v, ivalid);
}

BOOL ParamBlock2::GetValue(ParamID, TimeValue, Mtl*&, Interval&, int) {
    return FALSE;
}
BOOL ParamBlock2::GetValue(ParamID, TimeValue, Texmap*&, Interval&, int) {
    return FALSE;
}

// The owner's reference is not animated: it leaves the interval alone.
BOOL ParamBlock2::GetValue(ParamID id, TimeValue, ReferenceTarget*& v, Interval&, int) {
    int refno = -1;
    ReferenceMaker* owner = OwnerHoldingRef(id, refno);
    if (!owner) return FALSE;
    v = owner->GetReference(refno);
    return TRUE;
}

int ParamBlock2::GetInt(ParamID id, TimeValue t, int tabIndex) {
    Interval ignored = FOREVER;
    int v = 0;
    GetValue(id, t, v, ignored, tabIndex);
    return v;
}

float ParamBlock2::GetFloat(ParamID id, TimeValue t, int tabIndex) {
    Interval ignored = FOREVER;
    float v = 0.0f;
    GetValue(id, t, v, ignored, tabIndex);
    return v;
}

ParamID ParamBlock2::LastNotifyParamID(int& tabIndex) {
    if (lastNotifyID_ != -1) tabIndex = lastNotifyTab_;
    return lastNotifyID_;
}

IParamMap2* ParamBlock2::GetMap(MapID map_id) {
    for (auto it = maps_.rbegin(); it != maps_.rend(); ++it) {
        if ((*it)->GetMapID() == map_id) return *it;
    }
    return nullptr;
}

void ParamBlock2::GetClassName(MSTR& s, bool) const {
    s = L"ParamBlock2";
}

RefResult ParamBlock2::NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage,
                                        BOOL) {
    return REF_SUCCEED;
}

void ParamBlock2::ResetAll() {
    for (Slot& slot : slots_) ResetToDefault(slot);
    Changed(-1, -1);
}

std::vector<TimeValue> ParamBlock2::KeyTimes(ParamID id) const {
    std::vector<TimeValue> times;
    const Slot* slot = FindAny(id);
    if (!slot) return times;
    const auto collect = [&times](const auto& value) {
        for (const auto& key : value.Keys()) times.push_back(key.time);
    };
    if (slot->storage == ParamStorage::Float) {
        collect(slot->f);
    } else if (slot->storage == ParamStorage::Int) {
        collect(slot->i);
    }
    return times;
}

RefTargetHandle ParamBlock2::Clone(RemapDir& remap) {
    auto* copy = new ParamBlock2(desc_, nullptr);
    copy->slots_ = slots_;  // the definitions are the shared descriptor's
    BaseClone(this, copy, remap);
    return copy;
}

IOResult ParamBlock2::Save(ISave* isave) {
    if (!desc_) return IO_ERROR;
    ClassDesc2* cd = desc_->cd;
    const ULONG sclass = cd ? cd->SuperClassID() : 0;
    const Class_ID cid = cd ? cd->ClassID() : Class_ID(0, 0);
    isave->BeginChunk(kDescriptorChunk);
    IOResult res = WriteValue(isave, sclass);
    if (res == IO_OK) res = WriteValue(isave, cid.PartA());
    if (res == IO_OK) res = WriteValue(isave, cid.PartB());
    if (res == IO_OK) res = WriteValue(isave, desc_->ID);
    if (res != IO_OK) return res;
    isave->EndChunk();

    for (const Slot& slot : slots_) {
        if (slot.storage == ParamStorage::OwnersRef || (slot.def->flags & P_TRANSIENT)) continue;
        isave->BeginChunk(kValueChunk);
        const bool isFloat = slot.storage == ParamStorage::Float;  // all else is saved as an int
        res = WriteValue(isave, slot.def->ID);
        if (res == IO_OK) res = WriteValue(isave, isFloat ? kFloatValue : kIntValue);
        if (res == IO_OK) res = isFloat ? WriteKeyed(isave, slot.f) : WriteKeyed(isave, slot.i);
        if (res != IO_OK) return res;
        isave->EndChunk();
    }
    return IO_OK;
}

IOResult ParamBlock2::Load(ILoad* iload) {
    const IOResult result = LoadChunks(iload, [&](USHORT id) {
        switch (id) {
            case kDescriptorChunk:
                return LoadDescriptor(iload);
            // Values before the descriptor cannot be placed.
            case kValueChunk:
                return desc_ ? LoadValue(iload) : IO_ERROR;
            default:
                return IO_OK;  // skipped
        }
    });
    if (result != IO_OK) return result;
    return desc_ ? IO_OK : IO_ERROR;
}

IOResult ParamBlock2::LoadDescriptor(ILoad* iload) {
    ULONG sclass = 0, a = 0, b = 0;
    BlockID id = 0;
    if (ReadValue(iload, sclass) != IO_OK || ReadValue(iload, a) != IO_OK ||
        ReadValue(iload, b) != IO_OK || ReadValue(iload, id) != IO_OK) {
        return IO_ERROR;
    }
    ParamBlockDesc2* desc = FindParamBlockDesc(sclass, Class_ID(a, b), id);
    if (!desc) return IO_ERROR;  // the owner's class is not loaded
    if (desc_ && desc_ != desc) return IO_ERROR;
    if (!desc_) {
        desc_ = desc;
        BuildSlots();
    }
    return IO_OK;
}

// A value of a parameter the descriptor no longer declares, or declares with another
// storage, is skipped: the parameter keeps its default.
IOResult ParamBlock2::LoadValue(ILoad* iload) {
    ParamID id = 0;
    std::uint8_t kind = 0;
    if (ReadValue(iload, id) != IO_OK || ReadValue(iload, kind) != IO_OK) return IO_ERROR;
    if (kind == kFloatValue) return LoadKeyed<float>(iload, id);
    if (kind == kIntValue) return LoadKeyed<int>(iload, id);
    return IO_ERROR;
}

template <typename T>
IOResult ParamBlock2::LoadKeyed(ILoad* iload, ParamID id) {
    KeyedValue<T> value;
    if (ReadKeyed(iload, value) != IO_OK) return IO_ERROR;
    if (Slot* slot = Find(id, kStorageOf<T>)) ValueOf<T>(*slot) = value;
    return IO_OK;
}

void ParamBlock2::AttachMap(IParamMap2& map) {
    if (std::find(maps_.begin(), maps_.end(), &map) != maps_.end()) return;
    maps_.push_back(&map);
    if (desc_ && desc_->cd) ParamBlockAccess::AddOpenMap(*desc_->cd, *desc_, map);
}

void ParamBlock2::DetachMap(IParamMap2& map) {
    auto it = std::find(maps_.begin(), maps_.end(), &map);
    if (it == maps_.end()) return;
    maps_.erase(it);
    if (desc_ && desc_->cd) ParamBlockAccess::RemoveOpenMap(*desc_->cd, map);
}

}  // namespace standin
