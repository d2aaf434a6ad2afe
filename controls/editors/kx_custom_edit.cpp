#include "controls/editors/kx_custom_edit.h"

#include "platform/ui/screen.h"
#include "platform/user/cursor.h"
#include "platform/user/module_instance.h"

#include "KXEDIT_MOUSEWHEEL.res.inc"

const Unit kxEditUnit = {"kxEdit",
                         [] {
                           if (Screen != nullptr)
                             Screen->SetCursors(crKxEditMouseWheel, LoadCursorA(HInstance, "KXEDIT_MOUSEWHEEL"));
                         },
                         [] {}};
