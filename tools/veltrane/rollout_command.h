// `veltrane rollout [--preset NAME] -o FILE.png` (Windows build): shows the texture's rollout
// in the stand-in material editor as real windows and saves a screenshot of it.
#pragma once

namespace CLI {
class App;
}

namespace veltrane::tools {

// Adds the subcommand to `app`.
void AddRolloutCommand(CLI::App& app);

}  // namespace veltrane::tools
