// TDataModule: a container of non-visual components whose image (the components and their
// properties) is embedded as a text form and read when the module is constructed.
//
// Construct a descendant with NewObject<TMyModule>(owner) (or by class reference): once the whole
// C++ object exists, AfterConstruction reads the images of its classes (form_image.h; a class
// below TDataModule without any image raises EResNotFound "Resource TMyModule not found") and runs
// OnCreate.  Free it with FreeObject (or let its owner free it): BeforeDestruction runs OnDestroy
// while the object is still whole.  Its children in a stream are the components it owns that
// have no parent.
#pragma once

#include "platform/classes/component.h"
#include "platform/classes/event.h"

class TDataModule : public TComponent {
  PR_CLASS(TDataModule, TComponent)

 public:
  explicit TDataModule(TComponent* AOwner) : TComponent(AOwner) {}

  void AfterConstruction() override;
  void BeforeDestruction() override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool Value) { oldCreateOrder_ = Value; }
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

 protected:
  virtual void DoCreate();
  virtual void DoDestroy();

 private:
  bool oldCreateOrder_ = false;
  bool destroyed_ = false;
};
