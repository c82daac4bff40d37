#include "slideshow/engine/collection/PictureInfo.h"

#include "slideshow/engine/collection/PictureCollection.h"

namespace lumi {

bool CPictureInfo::IsRemoved() const { return collection_ && collection_->IsRemoved(index_); }

}  // namespace lumi
