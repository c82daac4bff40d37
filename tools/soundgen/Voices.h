#pragma once

#include "Dsp.h"
#include "Random.h"

namespace soundgen {

// Instruments shared by the plant's calls, the can's trumpet and the start
// track. Each returns one note from its onset to the end of its release.

// A soft reed lead: gentle vibrato that sets in after the attack.
Signal ReedNote(double hz, double gate, const Adsr& envelope, double brightness);

// A brass note: starts a little flat and bright, as a player's lip settles.
Signal BrassNote(double hz, double gate, double brightness);

// A plucked string bass: upper partials die away faster than the fundamental.
Signal PluckNote(double hz, double length);

// A wooden bar: fundamental and its fourth partial, both ringing down.
Signal MarimbaNote(double hz, double length);

// Drum kit, kept soft: it accompanies, it must not crackle at 8 bits.
Signal Kick();
Signal Snare(Prng& random);
Signal HiHat(Prng& random, double decay);
Signal Crash(Prng& random, double length);

// A short footstep tap around the given pitch.
Signal Tap(Prng& random, double hz);

// A small room: a few damped echoes that round off dry synthetic notes.
void AddRoom(Signal& signal, double wet);

}  // namespace soundgen
