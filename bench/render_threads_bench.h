// Throughput of Texmap::EvalColor through the plug-in module from several render threads at
// once: one map that every thread shares, or a map of its own for each thread.
#pragma once

namespace veltrane::bench {

void RegisterRenderThreadBenchmarks();
void PrintRenderThreadScaling();

}  // namespace veltrane::bench
