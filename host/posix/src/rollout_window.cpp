// The headless editor: no windows on Linux.
#include "rollout_window.h"

namespace standin {

std::unique_ptr<RolloutWindow> CreateRolloutWindow(Rollout&, HINSTANCE, int, HWND) {
    return nullptr;
}

HWND CreateEditorFrame() {
    return nullptr;
}
void DestroyEditorFrame(HWND) {}

}  // namespace standin
