// The options of the open and save file dialogs (TOpenDialog.Options), in the class library's
// order so form images stream them by name and by bit.
#pragma once

#include "platform/classes/enum_set.h"
#include "platform/classes/type_info.h"

PR_ENUM(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
        ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware,
        ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog,
        ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, ofForceShowHidden)
using TOpenOptions = TSet<TOpenOption>;
