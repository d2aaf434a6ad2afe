#include "platform/classes/data_module.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/form_image.h"
#include "platform/classes/publisher.h"
#include "platform/core/format.h"

PR_PUBLISH(TDataModule) {
  p.Property("OldCreateOrder", &TDataModule::OldCreateOrder, &TDataModule::SetOldCreateOrder);
  p.Property("OnCreate", &TDataModule::OnCreate);
  p.Property("OnDestroy", &TDataModule::OnDestroy);
}

void TDataModule::AfterConstruction() {
  TComponent::AfterConstruction();
  if (ClassType() != TDataModule::StaticClass() && !ComponentState().Contains(csDesigning) &&
      !InitInheritedComponent(this, TDataModule::StaticClass()))
    throw EResNotFound(Format(classes_text::kResNotFound, {ClassName()}));
  DoCreate();
}

void TDataModule::BeforeDestruction() {
  Destroying();
  if (!destroyed_) {
    destroyed_ = true;
    DoDestroy();
  }
  TComponent::BeforeDestruction();
}

void TDataModule::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TDataModule::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

void TDataModule::GetChildren(TGetChildProc Proc, TComponent* Root) {
  TComponent::GetChildren(Proc, Root);
  for (Integer i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) Proc(Components(i));
}
