#pragma once

#include "Dsp.h"

namespace soundgen {

// Raw synthesis of each wave resource, n samples long. The catalogue levels,
// fades and removes any offset afterwards; looped ones must come out of here
// already periodic in n.

// The fly: its mocking taunt, its wandering buzz, its zip to the edge.
Signal FlyTaunt(int n);
Signal FlyBuzz(int n);
Signal FlyZip(int n);
// The big fly's approach (looped).
Signal BigFlyDrone(int n);

// The plant: fright, call, eye turn, bite, gulp and its summons for the can.
Signal PlantFright(int n);
Signal PlantCall(int n);
Signal PlantEyeTurn(int n);
Signal PlantBite(int n);
Signal PlantGulp(int n);
Signal PlantSummons(int n);

// The watering can: pouring (looped), arriving, trumpeting.
Signal CanPour(int n);
Signal CanArrival(int n);
Signal CanFanfare(int n);

// The configuration form's button click.
Signal ButtonClick(int n);

// The start track.
Signal StartTune(int n);

}  // namespace soundgen
