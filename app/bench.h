#pragma once

namespace tessivo {

// The frame-time bench: renders every registered scene (or those named on the command line)
// for a number of frames at 800 x 600 with the clock running, and prints per scene the median
// and 95th-percentile frame time, frames per second and the ratio to an empty frame.
//   tessivo-bench [--frames N] [ID...]
int runBench(int argc, char** argv);

} // namespace tessivo
