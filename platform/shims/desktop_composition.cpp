#include "platform/shims/desktop_composition.h"

#include "platform/os/os_version.h"

namespace {

BOOL DwmDefWindowProc(HWND, UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }
HRESULT DwmEnableBlurBehindWindow(HWND, const DWM_BLURBEHIND*) { return DWM_E_COMPOSITIONDISABLED; }
HRESULT DwmEnableComposition(UINT) { return DWM_E_COMPOSITIONDISABLED; }
HRESULT DwmEnableMMCSS(BOOL) { return S_OK; }
HRESULT DwmExtendFrameIntoClientArea(HWND, const MARGINS*) { return DWM_E_COMPOSITIONDISABLED; }
HRESULT DwmGetColorizationColor(DWORD*, BOOL*) { return DWM_E_COMPOSITIONDISABLED; }
HRESULT DwmGetWindowAttribute(HWND, DWORD, void*, DWORD) { return DWM_E_COMPOSITIONDISABLED; }
HRESULT DwmSetWindowAttribute(HWND, DWORD, const void*, DWORD) { return DWM_E_COMPOSITIONDISABLED; }

HRESULT DwmIsCompositionEnabled(BOOL* enabled) {
  if (enabled == nullptr) return E_INVALIDARG;
  *enabled = DesktopCompositionEnabled() ? TRUE : FALSE;
  return S_OK;
}

// In the order of kDesktopCompositionFunctionNames.
const TLibraryExport kExports[] = {
    {"DwmDefWindowProc", ExportAddress<DwmDefWindowProcProc>(&DwmDefWindowProc)},
    {"DwmEnableBlurBehindWindow", ExportAddress<DwmEnableBlurBehindWindowProc>(&DwmEnableBlurBehindWindow)},
    {"DwmEnableComposition", ExportAddress<DwmEnableCompositionProc>(&DwmEnableComposition)},
    {"DwmEnableMMCSS", ExportAddress<DwmEnableMMCSSProc>(&DwmEnableMMCSS)},
    {"DwmExtendFrameIntoClientArea", ExportAddress<DwmExtendFrameIntoClientAreaProc>(&DwmExtendFrameIntoClientArea)},
    {"DwmGetColorizationColor", ExportAddress<DwmGetColorizationColorProc>(&DwmGetColorizationColor)},
    {"DwmGetWindowAttribute", ExportAddress<DwmGetWindowAttributeProc>(&DwmGetWindowAttribute)},
    {"DwmIsCompositionEnabled", ExportAddress<DwmIsCompositionEnabledProc>(&DwmIsCompositionEnabled)},
    {"DwmSetWindowAttribute", ExportAddress<DwmSetWindowAttributeProc>(&DwmSetWindowAttribute)},
};

}  // namespace

TLibraryImage& DesktopCompositionLibraryImage() {
  static TExportTableImage image(kExports);
  return image;
}
