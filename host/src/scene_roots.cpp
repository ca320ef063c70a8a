// The top of a scene: a reference maker holding the objects nothing else references.
#include <standin/scene_roots.h>

namespace standin {

namespace {
// The host's super class for plain reference makers.
constexpr SClass_ID kRefMakerClassID = 0x00000100;
}  // namespace

SceneRoots::SceneRoots() = default;
SceneRoots::~SceneRoots() = default;

int SceneRoots::Add(ReferenceTarget* target) {
    const int index = Count();
    roots_.push_back(nullptr);
    if (ReplaceReference(index, target, FALSE) != REF_SUCCEED) {
        roots_.pop_back();
        return -1;
    }
    return index;
}

void SceneRoots::Clear() {
    for (int i = Count() - 1; i >= 0; --i) DeleteReference(i);
    roots_.clear();
}

ReferenceTarget* SceneRoots::Get(int i) const {
    return i >= 0 && i < Count() ? roots_[static_cast<std::size_t>(i)] : nullptr;
}

SClass_ID SceneRoots::SuperClassID() {
    return kRefMakerClassID;
}

int SceneRoots::NumRefs() {
    return Count();
}

RefTargetHandle SceneRoots::GetReference(int i) {
    return Get(i);
}

void SceneRoots::SetReference(int i, RefTargetHandle rtarg) {
    if (i >= 0 && i < Count()) roots_[static_cast<std::size_t>(i)] = rtarg;
}

RefResult SceneRoots::NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget,
                                       PartID& partID, RefMessage message, BOOL propagate) {
    (void)changeInt, (void)hTarget, (void)partID, (void)message, (void)propagate;
    return REF_SUCCEED;
}

}  // namespace standin
