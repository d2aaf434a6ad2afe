// TkxObjectList: a list that owns its items; Clear (and destruction) frees them from the first to
// the last, then empties the list.
#pragma once

#include "platform/classes/list.h"

class TkxObjectList : public TList {
  PR_CLASS(TkxObjectList, TList)

 public:
  TkxObjectList() = default;
  ~TkxObjectList() override;

  void Clear() override;
  TObject* GetObject(Integer Index) const { return static_cast<TObject*>(Items(Index)); }
};
