// TGraphicsObject: the base of TFont, TPen and TBrush: a drawing attribute set that tells its
// owner when it changes and owns the drawing-layer handle made from it.
//
// Changed() fires OnChange; setters call it only when a value really changes.  The handle is made
// on first use from the current values and thrown away (DeleteObject) whenever a value changes, so
// Handle() always matches the values.  Lock/Unlock guard the object when several threads draw.
#pragma once

#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/os/sync.h"

class TGraphicsObject : public TPersistent {
  PR_CLASS(TGraphicsObject, TPersistent)

 public:
  TGraphicsObject() = default;
  ~TGraphicsObject() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  void Lock() { lock_.Enter(); }
  void Unlock() { lock_.Leave(); }
  // The object that owns this one, for GetNamePath ("Font" of a control).
  TPersistent* OwnerObject() const { return owner_; }
  void SetOwnerObject(TPersistent* Owner) { owner_ = Owner; }
  bool HandleAllocated() const { return handle_ != nullptr; }

 protected:
  virtual void Changing();
  virtual void Changed();
  // Reports a change that the object made to its handle's object in place: the handle stays.
  void ChangedKeepingHandle() { OnChange(this); }
  TPersistent* GetOwner() const override { return owner_; }
  // The handle, made by MakeHandle when there is none.
  void* CachedHandle();
  // Takes over a handle the caller made (nullptr: none); the old one is deleted.
  void ReplaceHandle(void* Handle);
  virtual void* MakeHandle() = 0;
  // Stores value in field and reports the change (Changing, then Changed) when it differs.
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    Changing();
    field = value;
    Changed();
  }

 private:
  TCriticalSection lock_;
  TPersistent* owner_ = nullptr;
  void* handle_ = nullptr;
};
