// TModalObserver: told when a modal form starts and ends its loop.  Test drivers use it to answer
// dialogs from a script; the application calls every observer in the order they were added.
#pragma once

class TCustomForm;

class TModalObserver {
 public:
  virtual ~TModalObserver() = default;
  // The form is about to be shown modally; its loop starts next.
  virtual void ModalStarted(TCustomForm* Form) = 0;
  virtual void ModalFinished(TCustomForm* Form) = 0;
};
