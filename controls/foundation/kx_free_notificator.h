// TkxFreeNotificator: a component that watches other components and reports each watched one
// that is being freed through OnFreeNotification.
#pragma once

#include "platform/classes/component.h"
#include "platform/classes/event.h"

using TkxFreeNotificationEvent = Event<void(TComponent* AComponent)>;

class TkxFreeNotificator : public TComponent {
  PR_CLASS(TkxFreeNotificator, TComponent)

 public:
  explicit TkxFreeNotificator(TComponent* AOwner) : TComponent(AOwner) {}

  // Both ignore nil.
  void Watch(TComponent* AComponent);
  void Unwatch(TComponent* AComponent);

  TkxFreeNotificationEvent OnFreeNotification;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
};
