#pragma once

namespace tessivo {

// The frame-time bench: renders every registered scene (or those named on the command line)
// for a number of frames at 800 x 600 with the clock running, in several rounds that each
// measure every scene in turn, and prints per scene the median frame time over the rounds
// with the lowest and highest round, the 95th percentile, frames per second and the ratio to
// an empty frame.
//   tessivo-bench [--frames N] [--rounds N] [ID...]
int runBench(int argc, char** argv);

} // namespace tessivo
