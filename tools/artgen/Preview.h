#pragma once

#include "Bitmap.h"
#include "Raster.h"

namespace artgen {

// The Display Properties preview: the plant scene in miniature, its mouth
// opening over the four frames the preview steps through back and forth.
void DrawPreview(Canvas& c, int frame);
// The program icon: the plant's head with its mouth open.
IconImage RenderIcon(int size);

}  // namespace artgen
