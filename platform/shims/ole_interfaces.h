// The interfaces of OLE drag and drop: IDropTarget, IDropSource, IDataObject and IEnumFORMATETC,
// on the class library's reference-counted IInterface (platform/classes/interface.h).
//
// Asking an object for another of its interfaces is Supports<I>(p) (a dynamic_cast); there are no
// interface identifiers.  Interfaces handed in (a data object given to DragEnter) are borrowed:
// a callee that keeps one takes a reference of its own (TInterfacePtr).  Interfaces handed out
// (an enumerator) travel in a TInterfacePtr<I>& out-parameter, which then holds the reference.
// An object implementing some of these interfaces derives from TOleInterfacedObject<I...>, whose
// one reference count answers for all of them; an object living by its owner (a component)
// implements _AddRef and _Release itself and answers -1.
//
// The system has no advise sinks: DAdvise, DUnadvise and EnumDAdvise answer
// OLE_E_ADVISENOTSUPPORTED unless a data object overrides them.
#pragma once

#include "platform/classes/interface.h"
#include "platform/shims/ole_types.h"

class IAdviseSink;
class IEnumSTATDATA;

class IEnumFORMATETC : public IInterface {
 public:
  // Copies up to `count` descriptions from the current position on and moves past them;
  // *fetched (when given) is the number copied.  S_OK when all `count` were copied, else S_FALSE.
  virtual HRESULT Next(ULONG count, FORMATETC* formats, ULONG* fetched) = 0;
  // S_FALSE when fewer than `count` were left (the position stops at the end).
  virtual HRESULT Skip(ULONG count) = 0;
  virtual HRESULT Reset() = 0;
  // A new enumerator over the same descriptions at the same position.
  virtual HRESULT Clone(TInterfacePtr<IEnumFORMATETC>& clone) = 0;

 protected:
  ~IEnumFORMATETC() = default;
};

class IDataObject : public IInterface {
 public:
  // Renders the data into a new medium that the caller frees with ReleaseStgMedium.
  virtual HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) = 0;
  // Renders the data into the caller's medium (its global memory block).
  virtual HRESULT GetDataHere(const FORMATETC* format, STGMEDIUM* medium) = 0;
  // S_OK when GetData would succeed for the description.
  virtual HRESULT QueryGetData(const FORMATETC* format) = 0;
  virtual HRESULT GetCanonicalFormatEtc(const FORMATETC* format, FORMATETC* canonical) = 0;
  // `release`: the data object takes the medium over (and frees it) on success.
  virtual HRESULT SetData(const FORMATETC* format, STGMEDIUM* medium, BOOL release) = 0;
  // `direction`: DATADIR_GET (what GetData renders) or DATADIR_SET (what SetData takes).
  virtual HRESULT EnumFormatEtc(DWORD direction, TInterfacePtr<IEnumFORMATETC>& formats) = 0;
  virtual HRESULT DAdvise(const FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection);
  virtual HRESULT DUnadvise(DWORD connection);
  virtual HRESULT EnumDAdvise(TInterfacePtr<IEnumSTATDATA>& advisers);

 protected:
  ~IDataObject() = default;
};

// A window's side of a drag: `effect` comes in as the effects the source allows and goes out as
// the one the target would do now (DROPEFFECT_NONE: it would refuse), DROPEFFECT_SCROLL added
// while it scrolls.  Points are screen coordinates; `keys` holds MK_ bits (ole_types.h).
class IDropTarget : public IInterface {
 public:
  virtual HRESULT DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) = 0;
  virtual HRESULT DragOver(DWORD keys, POINTL point, DWORD* effect) = 0;
  virtual HRESULT DragLeave() = 0;
  virtual HRESULT Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) = 0;

 protected:
  ~IDropTarget() = default;
};

// The dragging side: asked after each input whether to go on (S_OK), drop (DRAGDROP_S_DROP) or
// cancel (DRAGDROP_S_CANCEL), and told the effect the target under the mouse would do
// (DRAGDROP_S_USEDEFAULTCURSORS: the drag loop shows its own cursor for it).
class IDropSource : public IInterface {
 public:
  virtual HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keys) = 0;
  virtual HRESULT GiveFeedback(DWORD effect) = 0;

 protected:
  ~IDropSource() = default;
};

// A counted object implementing the interfaces: freed when the last reference of any goes.
template <class... Interfaces>
class TOleInterfacedObject : public TInterfacedObject, public Interfaces... {
 public:
  Integer _AddRef() override { return TInterfacedObject::_AddRef(); }
  Integer _Release() override { return TInterfacedObject::_Release(); }
};
