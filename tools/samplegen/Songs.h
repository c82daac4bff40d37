#pragma once

#include "Encoders.h"

namespace samplegen {

// The two background songs, finished .rmi files. Daybreak is a bright 4/4
// tune over piano arpeggios (about 31 s); Starlight a gentle A minor waltz on
// celesta and harp (about 35 s).
Bytes DaybreakSong();
Bytes StarlightSong();

}  // namespace samplegen
