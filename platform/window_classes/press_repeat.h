// The repeat of a held press on a common control (an up-down's arrow, a track bar's channel): the
// step made at the press comes again after kPressFirstRepeatMs, then every kPressRepeatMs, on the
// window timer (so the injectable clock drives it) until the button is released.
#pragma once

#include "platform/user/user_types.h"

inline constexpr UINT kPressFirstRepeatMs = 250, kPressRepeatMs = 100;
