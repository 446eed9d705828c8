#pragma once

namespace tessivo {

// The one source of time for every animation: spins, flings, the menu and the emblem, the
// rolling wheels. It reads the toolkit's elapsed milliseconds, less the time it was held (see
// holdAnimationClock), so that animation advances with time rather than with frames.
//
// Before the toolkit is started (static initialisation, or a program that never opens a
// window) the clock reads 0: the toolkit's own clock is not running yet, and asking it then
// would return an unrelated system time.
int nowMilliseconds();

// Called once by the shell right after glutInit: from now on the clock reads the toolkit.
void startToolkitClock();

// The exhibit draws no frames while nothing moves, and its animations' time stands still with
// them. An animation steps by the time since its previous frame, so the first step after a
// rest must not count the rest: a menu that starts to unfold after a minute without frames
// would be open at once. Held, nowMilliseconds keeps the value it had; resumed, it runs on
// from there, behind the wall clock by all the time it was held. Both calls are idempotent.
void holdAnimationClock();
void resumeAnimationClock();

// The toolkit's elapsed milliseconds, never held: for what happens in real time whether anything
// moves or not (the pointer's speed over a drag's trail, the return to the start after the idle
// time, the cursor that hides, the frame grid). The fixed clock of the tests fixes it too.
int wallClockMilliseconds();

// Fixes the wall clock at ms until released, so that tests and the snapshot tool see exact
// times. Releasing also lets go of any hold and of the time the animation clock fell behind.
void setClockForTesting(int ms);
void releaseClockForTesting();

// Milliseconds from earlier to later. The toolkit's elapsed time is an int that wraps to
// negative values after about 24.8 days; the difference is taken modulo 2^32, so it stays right
// across the wrap as long as the two times are less than 24.8 days apart.
int millisecondsBetween(int earlier, int later);

} // namespace tessivo
