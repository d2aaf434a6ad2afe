#include "controls/foundation/kx_free_notificator.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TkxFreeNotificator)

void TkxFreeNotificator::Watch(TComponent* AComponent) {
  if (AComponent != nullptr) AComponent->FreeNotification(this);
}

void TkxFreeNotificator::Unwatch(TComponent* AComponent) {
  if (AComponent != nullptr) AComponent->RemoveFreeNotification(this);
}

void TkxFreeNotificator::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove) OnFreeNotification(AComponent);
}
