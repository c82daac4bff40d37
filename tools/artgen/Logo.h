#pragma once

#include "Raster.h"

namespace artgen {

// The setup wizard's picture: the plant with its mouth open over its
// leaves, a fly just out of reach, on the saver's black night.
void DrawSetupLogo(Canvas& c, int frame);

}  // namespace artgen
