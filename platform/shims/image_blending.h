// The image blending library "MSIMG32.DLL" as this platform answers it: present, exporting the
// drawing layer's GradientFill and AlphaBlend (platform/gdi/blt.h describes their pixels).
#pragma once

#include <array>
#include <string_view>

#include "platform/gdi/gdi_types.h"
#include "platform/shims/library_registry.h"

using GradientFillProc = BOOL (*)(HDC dc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh,
                                  ULONG meshCount, ULONG mode);
using AlphaBlendProc = BOOL (*)(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc,
                                int srcWidth, int srcHeight, BLENDFUNCTION blend);

inline constexpr std::array<std::string_view, 2> kImageBlendingFunctionNames = {"GradientFill", "AlphaBlend"};

// The registry's entry for "MSIMG32.DLL".
TLibraryImage& ImageBlendingLibraryImage();
