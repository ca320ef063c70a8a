#include <ref.h>

RefTargetHandle RemapDir::CloneRef(RefTargetHandle oldTarg) {
    if (!oldTarg) return nullptr;
    if (RefTargetHandle done = FindMapping(oldTarg)) return done;
    RefTargetHandle copy = oldTarg->Clone(*this);
    // Clone usually records itself through BaseClone; make sure a second request finds it.
    if (copy && !FindMapping(oldTarg)) AddEntry(oldTarg, copy);
    return copy;
}
