// Throughput of `veltrane preview`'s render: samples per second on one and on two render
// threads, and the ratio of the two from one run.
#pragma once

namespace veltrane::bench {

void RegisterPreviewBenchmarks();
void PrintPreviewScaling();

}  // namespace veltrane::bench
