// One pass over the benchmark's samples for each kernel measured. The ratios come from
// passes taken in turn (see main.cpp); the Google Benchmark cases run them too.
#pragma once

namespace veltrane::bench {

void FresnelPass();         // FresnelConductorColor
void NeutralPass();         // EvalReflectance, hue 0, sat 0, gamma 1
void AdjustedPass();        // EvalReflectance, hue 20, sat 10, gamma 2.2
void PluginNeutralPass();   // Texmap::EvalColor through the loaded module, neutral
void PluginAdjustedPass();  // the same, adjusted

}  // namespace veltrane::bench
