// The records, result codes and flags of OLE drag and drop: HRESULT and its codes, POINTL, the
// drop effects, the key-state bit for Alt, format descriptions (FORMATETC) and storage media
// (STGMEDIUM, ReleaseStgMedium).
//
// Data travels in global memory blocks only (TYMED_HGLOBAL, platform/user/global_memory.h): a
// medium holds the block and, optionally, an object whose release frees it instead
// (pUnkForRelease).  Target devices are never used (ptd is always nullptr).  The MK_ bits of the
// key state are the mouse message ones (platform/user/message_ids.h) plus MK_ALT.
#pragma once

#include <cstdint>

#include "platform/user/message_ids.h"
#include "platform/user/user_types.h"

class IInterface;

using HRESULT = std::int32_t;
using CLIPFORMAT = WORD;

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

inline constexpr HRESULT S_OK = 0, S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001), E_POINTER = HRESULT(0x80004003),
                         E_UNEXPECTED = HRESULT(0x8000FFFF), E_OUTOFMEMORY = HRESULT(0x8007000E),
                         E_INVALIDARG = HRESULT(0x80070057), E_FAIL = HRESULT(0x80004005);
inline constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = HRESULT(0x80040003), DV_E_FORMATETC = HRESULT(0x80040064),
                         DV_E_TYMED = HRESULT(0x80040069), STG_E_MEDIUMFULL = HRESULT(0x80030070),
                         CO_E_NOTINITIALIZED = HRESULT(0x800401F0);
inline constexpr HRESULT DRAGDROP_S_DROP = 0x00040100, DRAGDROP_S_CANCEL = 0x00040101,
                         DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;
inline constexpr HRESULT DRAGDROP_E_NOTREGISTERED = HRESULT(0x80040100),
                         DRAGDROP_E_ALREADYREGISTERED = HRESULT(0x80040101),
                         DRAGDROP_E_INVALIDHWND = HRESULT(0x80040102);

inline constexpr DWORD DROPEFFECT_NONE = 0, DROPEFFECT_COPY = 1, DROPEFFECT_MOVE = 2, DROPEFFECT_LINK = 4,
                       DROPEFFECT_SCROLL = 0x80000000;

// Alt in a drag's key state (the mouse messages' MK_ bits have no Alt).
inline constexpr DWORD MK_ALT = 0x0020;

struct POINTL {
  LONG x;
  LONG y;
};

inline constexpr DWORD DVASPECT_CONTENT = 1, DVASPECT_THUMBNAIL = 2, DVASPECT_ICON = 4, DVASPECT_DOCPRINT = 8;
inline constexpr DWORD TYMED_NULL = 0, TYMED_HGLOBAL = 1, TYMED_FILE = 2, TYMED_ISTREAM = 4, TYMED_ISTORAGE = 8,
                       TYMED_GDI = 16, TYMED_MFPICT = 32, TYMED_ENHMF = 64;
inline constexpr DWORD DATADIR_GET = 1, DATADIR_SET = 2;

struct DVTARGETDEVICE;

struct FORMATETC {
  CLIPFORMAT cfFormat;
  DVTARGETDEVICE* ptd;
  DWORD dwAspect;
  LONG lindex;   // -1: all of the data
  DWORD tymed;   // TYMED_ bits: the media asked for or offered
};

struct STGMEDIUM {
  DWORD tymed;
  HGLOBAL hGlobal;
  IInterface* pUnkForRelease;   // when set, its _Release frees the data instead of GlobalFree
};

// Frees what the medium holds and empties it.
void ReleaseStgMedium(STGMEDIUM* medium);
