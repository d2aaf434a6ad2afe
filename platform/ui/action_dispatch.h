// Offering an action to the controls of the forms: how an action that neither its list nor its
// own handler executed (or updated) finds a target, the class library's CM_ACTIONEXECUTE /
// CM_ACTIONUPDATE path.
//
// The active form is asked first, then the main form when it is another: in each showing form,
// its active control, the form itself, then every visible control in child order, each through
// the action's HandlesTarget; the first that it handles runs ExecuteTarget (CM_ACTIONEXECUTE) or
// UpdateTarget (CM_ACTIONUPDATE).  When no target takes it and the action is an enabled
// TCustomAction with DisableIfNoHandler, it is disabled unless it has an OnExecute.
#pragma once

#include "platform/user/user_types.h"

class TBasicAction;

// True when a target took the action.
bool DispatchAction(UINT Msg, TBasicAction* Action);
