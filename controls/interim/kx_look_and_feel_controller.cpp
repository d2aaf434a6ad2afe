#include "controls/interim/kx_look_and_feel_controller.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TkxLookAndFeelController) {
  p.Property("Kind", &TkxLookAndFeelController::Kind, &TkxLookAndFeelController::SetKind).Default(lfUltraFlat);
  p.Property("NativeStyle", &TkxLookAndFeelController::NativeStyle, &TkxLookAndFeelController::SetNativeStyle)
      .Default(false);
}
