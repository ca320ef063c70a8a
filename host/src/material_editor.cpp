// The headless material editor: shows one object's parameter dialog and closes it when the object
// is deleted.
#include <standin/material_editor.h>

#include "auto_mparam_dlg.h"
#include "rollout_window.h"

namespace standin {

// Holds a reference to the object shown, so that the editor hears of its deletion. The
// reference is always dropped without deleting the object: the editor does not own it.
class MaterialEditor::Watcher : public ReferenceMaker {
  public:
    explicit Watcher(MaterialEditor& editor) : editor_(editor) {}
    ~Watcher() override { Watch(nullptr); }

    void Watch(ReferenceTarget* target) { ReplaceReference(0, target, FALSE); }

    SClass_ID SuperClassID() override { return 0; }
    int NumRefs() override { return 1; }
    RefTargetHandle GetReference(int i) override { return i == 0 ? target_ : nullptr; }

  protected:
    void SetReference(int i, RefTargetHandle target) override {
        if (i == 0) target_ = target;
    }
    RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                               RefMessage message, BOOL propagate) override {
        (void)changeInt, (void)partID, (void)propagate;
        // The object's references are still held while it tells its dependents, so the
        // dialog's rollouts can still detach from its blocks.
        if (message == REFMSG_TARGET_DELETED && hTarget == target_) editor_.Close();
        return REF_SUCCEED;
    }

  private:
    MaterialEditor& editor_;
    ReferenceTarget* target_ = nullptr;
};

MaterialEditor::MaterialEditor() : watcher_(new Watcher(*this)), frame_(CreateEditorFrame()) {}

MaterialEditor::~MaterialEditor() {
    Close();
    DestroyEditorFrame(frame_);
}

HWND MaterialEditor::Window() const {
    if (frame_ != nullptr) return frame_;
    return reinterpret_cast<HWND>(const_cast<MaterialEditor*>(this));
}

ParamDlg* MaterialEditor::Show(MtlBase* obj) {
    if (obj == nullptr) {
        Close();
        return nullptr;
    }
    if (obj == thing_) return dialog_;
    if (dialog_ != nullptr && dialog_->ClassID() == obj->ClassID()) {
        thing_ = obj;
        watcher_->Watch(obj);
        dialog_->SetThing(obj);
        return dialog_;
    }
    Close();
    thing_ = obj;
    watcher_->Watch(obj);
    dialog_ = obj->CreateParamDlg(Window(), this);
    return dialog_;
}

void MaterialEditor::Close() {
    ParamDlg* dialog = dialog_;
    Forget();
    if (dialog != nullptr) dialog->DeleteThis();
}

void MaterialEditor::Forget() {
    dialog_ = nullptr;
    thing_ = nullptr;
    watcher_->Watch(nullptr);
}

void MaterialEditor::SetTime(TimeValue t) {
    time_ = t;
    if (dialog_ != nullptr) dialog_->SetTime(t);
}

std::vector<Rollout*> MaterialEditor::Rollouts() const {
    std::vector<Rollout*> rollouts;
    if (auto* master = dynamic_cast<AutoMParamDlg*>(dialog_)) {
        for (const auto& map : master->Maps()) rollouts.push_back(map.get());
    }
    return rollouts;
}

Rollout* MaterialEditor::FindRollout(int id) const {
    for (Rollout* rollout : Rollouts()) {
        if (rollout->FindControl(id) != nullptr) return rollout;
    }
    return nullptr;
}

const Control* MaterialEditor::FindControl(int id) const {
    const Rollout* rollout = FindRollout(id);
    return rollout != nullptr ? rollout->FindControl(id) : nullptr;
}

}  // namespace standin
