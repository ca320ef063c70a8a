// Stand-in internals: a headless material editor. It shows one material or texture map at
// a time in the parameter dialog the object builds (MtlBase::CreateParamDlg), at its own
// current time, and gives tests and tools the dialog's rollouts to read and act on.
#pragma once

#include <memory>
#include <vector>

#include <Materials/IMtlParams.h>
#include <Materials/MtlBase.h>
#include <Materials/ParamDlg.h>
#include <windows.h>

#include "exports.h"
#include "rollout.h"

namespace standin {

// Example:
//     standin::MaterialEditor editor;
//     editor.Show(texmap);                        // texmap->CreateParamDlg(...)
//     editor.FindRollout(1001)->ChooseItem(1001, 0);
//     bool on = editor.FindControl(1490)->enabled;
//     editor.Show(otherTexmapOfTheSameClass);     // retargets the open dialog
//     editor.Close();                             // the dialog's DeleteThis
//
// The editor watches the object it shows: deleting the object closes its dialog. It never
// deletes the object itself. Use it on the thread that owns the scene, like the host's UI.
class STANDIN_EXPORT MaterialEditor : public IMtlParams {
  public:
    MaterialEditor();
    // Closes the open dialog.
    ~MaterialEditor() override;
    MaterialEditor(const MaterialEditor&) = delete;
    MaterialEditor& operator=(const MaterialEditor&) = delete;

    // Shows `obj`. An open dialog whose ClassID() is obj's is retargeted with SetThing, as
    // the host does when the user moves to another map of the same class; otherwise the
    // open dialog is deleted and obj->CreateParamDlg(Window(), this) builds a new one.
    // Returns the dialog shown (null for a null object or one that builds none).
    ParamDlg* Show(MtlBase* obj);
    // Deletes the open dialog (DeleteThis) and forgets the object.
    void Close();

    ParamDlg* Dialog() const { return dialog_; }
    MtlBase* Thing() const { return thing_; }
    // The editor's window, handed to CreateParamDlg: on Windows with a display a real
    // top-level frame, in which the rollouts are real dialogs; otherwise an opaque handle.
    HWND Window() const;

    // The time at which rollouts show and set values (0 at first). Setting it passes the
    // time to the open dialog (ParamDlg::SetTime), which redraws its rollouts.
    TimeValue GetTime() const { return time_; }
    void SetTime(TimeValue t);

    // The rollouts of the open dialog that the stand-in built, in order.
    std::vector<Rollout*> Rollouts() const;
    // The first rollout with control `id`, or null; and that control, or null.
    Rollout* FindRollout(int id) const;
    const Control* FindControl(int id) const;

  private:
    class Watcher;

    // Drops the dialog and the object without deleting either.
    void Forget();

    std::unique_ptr<Watcher> watcher_;
    ParamDlg* dialog_ = nullptr;
    MtlBase* thing_ = nullptr;
    TimeValue time_ = 0;
    HWND frame_ = nullptr;
};

}  // namespace standin
