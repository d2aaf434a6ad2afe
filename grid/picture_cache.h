// THTMLPictureCache: the pictures the markup renderer loaded by URL, kept (and owned) for the
// grid's life so that each URL is loaded once.  Pictures are found by their ID, compared with case.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "grid/html_picture.h"

class THTMLPictureCache {
 public:
  THTMLPictureCache() = default;
  THTMLPictureCache(const THTMLPictureCache&) = delete;
  THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;

  // A new empty picture at the end of the cache.
  THTMLPicture* AddPicture();
  // The first picture whose ID equals `ID` exactly; nullptr when none does.
  THTMLPicture* FindPicture(std::string_view ID) const;
  THTMLPicture* GetPicture(Integer Index) const { return pictures_.at(std::size_t(Index)).get(); }
  Integer Count() const { return Integer(pictures_.size()); }
  void Clear() { pictures_.clear(); }

 private:
  std::vector<std::unique_ptr<THTMLPicture>> pictures_;
};
