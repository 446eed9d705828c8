#pragma once

namespace tessivo {

// The one source of time for every animation: spins, flings, the menu and the emblem, the
// rolling wheels. It reads the toolkit's elapsed milliseconds, so that animation advances with
// time rather than with frames.
//
// Before the toolkit is started (static initialisation, or a program that never opens a
// window) the clock reads 0: the toolkit's own clock is not running yet, and asking it then
// would return an unrelated system time.
int nowMilliseconds();

// Called once by the shell right after glutInit: from now on the clock reads the toolkit.
void startToolkitClock();

// Fixes the clock at ms until released, so that tests and the snapshot tool see exact times.
void setClockForTesting(int ms);
void releaseClockForTesting();

// Milliseconds from earlier to later. The toolkit's elapsed time is an int that wraps to
// negative values after about 24.8 days; the difference is taken modulo 2^32, so it stays right
// across the wrap as long as the two times are less than 24.8 days apart.
int millisecondsBetween(int earlier, int later);

} // namespace tessivo
