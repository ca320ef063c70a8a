// Stand-in: the top of a scene, a reference maker holding the objects that nothing else in
// the scene references. Destroying it releases them, and with them everything they hold.
#pragma once

#include <vector>

#include "../ref.h"
#include "exports.h"

namespace standin {

class STANDIN_EXPORT SceneRoots final : public ReferenceMaker {
  public:
    SceneRoots();
    ~SceneRoots() override;

    // Holds `target` by a new reference and returns its index; -1 if it cannot be held.
    int Add(ReferenceTarget* target);
    // Releases every root; each is deleted once nothing else references it.
    void Clear();
    int Count() const { return static_cast<int>(roots_.size()); }
    // Null for an index out of range or a root deleted meanwhile.
    ReferenceTarget* Get(int i) const;

    SClass_ID SuperClassID() override;
    int NumRefs() override;
    RefTargetHandle GetReference(int i) override;

  protected:
    void SetReference(int i, RefTargetHandle rtarg) override;
    RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                               RefMessage message, BOOL propagate) override;

  private:
    std::vector<ReferenceTarget*> roots_;
};

}  // namespace standin
