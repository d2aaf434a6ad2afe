// The window layer's library "USER32.DLL" as the registry answers it: always present, exporting
// the functions the system binds by name at run time because older systems lacked them: the
// layered-window functions SetLayeredWindowAttributes and UpdateLayeredWindow of the window layer
// (platform/user/layered_window.h).  Everything else of the window layer is called directly.
#pragma once

#include <array>
#include <string_view>

#include "platform/shims/library_registry.h"
#include "platform/user/layered_window.h"

using SetLayeredWindowAttributesProc = BOOL (*)(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);
using UpdateLayeredWindowProc = BOOL (*)(HWND hwnd, HDC screenDc, const TPoint* position, const TSize* size,
                                         HDC source, const TPoint* sourcePoint, COLORREF key,
                                         const BLENDFUNCTION* blend, DWORD flags);

inline constexpr std::array<std::string_view, 2> kUserLibraryFunctionNames = {"SetLayeredWindowAttributes",
                                                                              "UpdateLayeredWindow"};

// The registry's entry for "USER32.DLL".
TLibraryImage& UserLibraryImage();
