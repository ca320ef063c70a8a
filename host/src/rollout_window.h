// The windows of a rollout and of the editor that holds them, where the platform has them.
// On Windows the dialog manager builds a rollout's windows from the template in the plug-in
// module; the headless editor (Linux, or Windows without a display) has none. The parameter
// map keeps the controls' state either way: a window only shows it, and turns the user's
// clicks into the map's own actions.
#pragma once

#include <memory>

#include <windows.h>

#include <standin/rollout.h>

namespace standin {

class RolloutWindow {
  public:
    virtual ~RolloutWindow() = default;
    virtual HWND Handle() const = 0;
    // Makes the control's window show its state: enabled, text, selection.
    virtual void Show(const Control& control) = 0;
};

// The rollout's window: template `templateId` of `module`, a child of `editorWindow`, whose
// controls act on `rollout`. Null where there are no windows (`editorWindow` is no window).
std::unique_ptr<RolloutWindow> CreateRolloutWindow(Rollout& rollout, HINSTANCE module,
                                                   int templateId, HWND editorWindow);

// The material editor's top-level frame, a parent for the rollouts; null without windows.
HWND CreateEditorFrame();
void DestroyEditorFrame(HWND frame);

}  // namespace standin
