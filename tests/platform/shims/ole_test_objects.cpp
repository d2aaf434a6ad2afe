#include "ole_test_objects.h"

#include <cstdio>

#include "platform/core/cp874.h"
#include "platform/shims/ole_init.h"
#include "platform/user/clipboard.h"
#include "platform/user/drop_files.h"
#include "platform/user/global_memory.h"
#include "platform/user/window_styles.h"

namespace oletest {

namespace {

// What the data object holds: its text, or its file paths one per line.
std::string Contents(IDataObject* data) {
  for (CLIPFORMAT format : {CLIPFORMAT(CF_UNICODETEXT), CLIPFORMAT(CF_HDROP)}) {
    FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&wanted, &medium) != S_OK) continue;
    std::string text;
    if (format == CF_UNICODETEXT) {
      text = Utf16ToUtf8(static_cast<const char16_t*>(GlobalLock(medium.hGlobal)));
      GlobalUnlock(medium.hGlobal);
    } else {
      char16_t path[260];
      for (UINT i = 0; i < DragQueryFileW(medium.hGlobal, 0xFFFFFFFF, nullptr, 0); ++i) {
        DragQueryFileW(medium.hGlobal, i, path, 260);
        text += Utf16ToUtf8(path) + "\n";
      }
    }
    ReleaseStgMedium(&medium);
    return text;
  }
  return "";
}

}  // namespace

std::string PointText(POINTL point) { return std::to_string(point.x) + "," + std::to_string(point.y); }

std::string Hex(DWORD value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", unsigned(value));
  return text;
}

HRESULT TRecordingTarget::Answer(const char* call, DWORD keys, POINTL point, DWORD* effect) {
  const DWORD allowed = *effect;
  *effect = refuse_                        ? DROPEFFECT_NONE
            : (keys & MK_CONTROL) != 0     ? DROPEFFECT_COPY
            : (allowed & DROPEFFECT_MOVE)  ? DROPEFFECT_MOVE
                                           : DROPEFFECT_COPY;
  log_.push_back(std::string(call) + " " + PointText(point) + " keys=" + Hex(keys) + " effect=" +
                 std::to_string(allowed) + " -> " + std::to_string(*effect));
  return S_OK;
}

HRESULT TRecordingTarget::DragEnter(IDataObject*, DWORD keys, POINTL point, DWORD* effect) {
  return Answer("enter", keys, point, effect);
}

HRESULT TRecordingTarget::DragOver(DWORD keys, POINTL point, DWORD* effect) {
  return Answer("over", keys, point, effect);
}

HRESULT TRecordingTarget::DragLeave() {
  log_.push_back("leave");
  return S_OK;
}

HRESULT TRecordingTarget::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
  dropped = Contents(data);
  return Answer("drop", keys, point, effect);
}

HRESULT TRecordingSource::QueryContinueDrag(BOOL escapePressed, DWORD keys) {
  log_.push_back("query esc=" + std::to_string(escapePressed) + " keys=" + Hex(keys));
  if (afterQuery) afterQuery();
  if (escapePressed) return DRAGDROP_S_CANCEL;
  return (keys & MK_LBUTTON) != 0 ? S_OK : DRAGDROP_S_DROP;
}

HRESULT TRecordingSource::GiveFeedback(DWORD effect) {
  log_.push_back("feedback " + std::to_string(effect));
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

OleTest::OleTest() {
  OleInitialize(nullptr);
  form_ = usertest::CreateLogWindow("form", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr);
  list_ = usertest::CreateLogWindow("list", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, form_);
}

OleTest::~OleTest() { OleUninitialize(); }

}  // namespace oletest
