// A progress bar on a terminal for work that takes a while.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

namespace veltrane::tools {

/// "[#########-----------]  45%": the bar for a fraction done, width characters between the
/// brackets. Fractions outside [0, 1] are clamped.
std::string ProgressBarText(double fraction, int width);

/// Shows the bar on `out`, redrawn in place, once the work has run for a second, and only if
/// `out` is a terminal: short work and redirected output stay quiet. The destructor clears it.
class ProgressBar {
  public:
    explicit ProgressBar(std::FILE* out);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void Show(double fraction);

  private:
    std::FILE* out;
    bool terminal;
    bool shown = false;
    std::chrono::steady_clock::time_point start;
};

}  // namespace veltrane::tools
