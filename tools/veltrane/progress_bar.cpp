// A progress bar on a terminal, shown only once work has taken a second, and cleared at the end.
#include "tools/veltrane/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>

namespace veltrane::tools {
namespace {

constexpr auto kQuietTime = std::chrono::seconds(1);
constexpr int kBarWidth = 40;

}  // namespace

std::string ProgressBarText(double fraction, int width) {
    const double f = std::clamp(fraction, 0.0, 1.0);
    const int filled = static_cast<int>(std::floor(f * width));
    const int percent = static_cast<int>(std::floor(f * 100.0));
    const std::string number = std::to_string(percent);
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(width - filled), '-') + "] " +
           std::string(3 - number.size(), ' ') + number + "%";
}

ProgressBar::ProgressBar(std::FILE* stream)
    : out(stream),
      terminal(::isatty(::fileno(stream)) == 1),
      start(std::chrono::steady_clock::now()) {}

ProgressBar::~ProgressBar() {
    if (!shown) return;
    std::fprintf(out, "\r%*s\r", kBarWidth + 8, "");
    std::fflush(out);
}

void ProgressBar::Show(double fraction) {
    if (!terminal || std::chrono::steady_clock::now() - start < kQuietTime) return;
    std::fprintf(out, "\r%s", ProgressBarText(fraction, kBarWidth).c_str());
    std::fflush(out);
    shown = true;
}

}  // namespace veltrane::tools
