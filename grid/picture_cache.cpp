#include "grid/picture_cache.h"

THTMLPicture* THTMLPictureCache::AddPicture() { return pictures_.emplace_back(std::make_unique<THTMLPicture>()).get(); }

THTMLPicture* THTMLPictureCache::FindPicture(std::string_view ID) const {
  for (const auto& picture : pictures_)
    if (picture->ID() == ID) return picture.get();
  return nullptr;
}
