// IStream, the COM stream, over a global memory block (CreateStreamOnHGlobal): how pictures hand
// their bytes to the GDI+ layer.
//
// The stream reads and writes the block's bytes from a position of its own; its size is the
// block's size, fixed when the stream is made (global blocks here do not grow), so a write beyond
// the end writes what fits and answers STG_E_MEDIUMFULL.  A stream made with deleteOnRelease frees
// its block when the last reference goes.
#pragma once

#include <cstdint>

#include "platform/classes/interface.h"
#include "platform/shims/ole_types.h"

inline constexpr DWORD STREAM_SEEK_SET = 0, STREAM_SEEK_CUR = 1, STREAM_SEEK_END = 2;
inline constexpr HRESULT STG_E_INVALIDFUNCTION = HRESULT(0x80030001), STG_E_INVALIDPOINTER = HRESULT(0x80030009);

class IStream : public IInterface {
 public:
  // Up to `count` bytes from the position on; *read (when given) is the number moved.  S_OK also
  // at the end (0 bytes).
  virtual HRESULT Read(void* buffer, ULONG count, ULONG* read) = 0;
  virtual HRESULT Write(const void* buffer, ULONG count, ULONG* written) = 0;
  // Moves the position from STREAM_SEEK_SET, _CUR or _END; a position before the start is
  // STG_E_INVALIDFUNCTION and leaves it where it was.
  virtual HRESULT Seek(std::int64_t move, DWORD origin, std::uint64_t* newPosition) = 0;
  // The stream's size in bytes (the one field of STATSTG used here).
  virtual HRESULT Size(std::uint64_t* size) = 0;

 protected:
  ~IStream() = default;
};

// A stream on `block` (a block of size 0 is made when it is null).  E_INVALIDARG for a handle that
// is not a live block, E_OUTOFMEMORY when no block can be made.
HRESULT CreateStreamOnHGlobal(HGLOBAL block, BOOL deleteOnRelease, TInterfacePtr<IStream>& stream);
