#include "controls/interim/kx_label.h"

#include "platform/ui/control_publishing.h"

PR_PUBLISH(TkxLabel) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishAutoSize(p, true);
  PublishCaption(p);
  PublishConstraints(p);
  PublishDragging(p);
  PublishEnabled(p);
  p.Property("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl);
  PublishParentColor(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent).Default(false);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishDragEvents(p);
  PublishMouseEvents(p);
}
