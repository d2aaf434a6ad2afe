// Weak object links: a holder keeps a TkxObjectLink to an object it does not own and reads the
// link's Ref before each use; when the object is freed its destructor calls ClearObjectLinksTo,
// which sets Ref of every link to it to nil.  The holder owns its link and releases it with
// ReleaseObjectLink.
//
// Invariants: the shared TkxObjectLinkController exists exactly while the count of links created
// and not yet released is above zero (cleared links still count); it lists every live link whose
// Ref is set, and no other.
#pragma once

#include <vector>

#include "platform/classes/object.h"

class TkxObjectLink {
 public:
  explicit TkxObjectLink(TObject* ARef) : Ref(ARef) {}
  TkxObjectLink(const TkxObjectLink&) = delete;
  TkxObjectLink& operator=(const TkxObjectLink&) = delete;

  TObject* Ref;
};

class TkxObjectLinkController {
 public:
  TkxObjectLink* AddLink(TObject* AObject);
  // Takes the link off the list (when its Ref is still set) and frees it.
  void RemoveLink(TkxObjectLink* ALink);
  // Every listed link to the object, last first, gets Ref nil and leaves the list.
  void ClearLinksTo(TObject* AObject);

 private:
  std::vector<TkxObjectLink*> links_;
};

// nil for a nil object.
TkxObjectLink* CreateObjectLink(TObject* AObject);
// Nothing for nil.
void ReleaseObjectLink(TkxObjectLink* ALink);
void ClearObjectLinksTo(TObject* AObject);
// A link held for one scope: Alive() answers whether the object still exists.  Code that runs
// event handlers (which may free the object) checks it before touching the object again.
class TkxScopedObjectLink {
 public:
  explicit TkxScopedObjectLink(TObject* AObject) : link_(CreateObjectLink(AObject)) {}
  ~TkxScopedObjectLink() { ReleaseObjectLink(link_); }
  TkxScopedObjectLink(const TkxScopedObjectLink&) = delete;
  TkxScopedObjectLink& operator=(const TkxScopedObjectLink&) = delete;
  bool Alive() const { return link_ != nullptr && link_->Ref != nullptr; }

 private:
  TkxObjectLink* link_;
};

// Whether the shared controller exists (tests and diagnostics).
bool IsObjectLinkControllerAlive();
