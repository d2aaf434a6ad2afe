// TImageList: the image list programs and form images use, with everything of TDragImageList and
// TCustomImageList.
#pragma once

#include "platform/ui/drag_image_list.h"

class TImageList : public TDragImageList {
  PR_CLASS(TImageList, TDragImageList)

 public:
  using TDragImageList::TDragImageList;
};
