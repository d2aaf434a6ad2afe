// The class library's file open modes: an access in bits 0..1, a share mode in bits 4..7.
//
// The same numbers serve FileMode (classic typed and text files, classic_io.h) and file streams
// (platform/classes/file_stream.h, which adds fmCreate).  The two differ only in what "compat"
// sharing means: classic files share reading and writing, while file streams open exclusively;
// FileModeShare takes that meaning from the caller.
#pragma once

#include "platform/core/types.h"

inline constexpr Word fmOpenRead = 0x0000;
inline constexpr Word fmOpenWrite = 0x0001;
inline constexpr Word fmOpenReadWrite = 0x0002;
inline constexpr Word fmShareCompat = 0x0000;
inline constexpr Word fmShareExclusive = 0x0010;
inline constexpr Word fmShareDenyWrite = 0x0020;
inline constexpr Word fmShareDenyRead = 0x0030;
inline constexpr Word fmShareDenyNone = 0x0040;

// GENERIC_READ and/or GENERIC_WRITE for the access bits; 0 for the undefined access 3, which
// File::Open refuses with ERROR_INVALID_ACCESS.
DWORD FileModeAccess(Word mode);
// FILE_SHARE_* for the share bits; `compatShare` for fmShareCompat; 0 (nothing shared) for
// fmShareExclusive and the undefined values 0x50..0xF0.
DWORD FileModeShare(Word mode, DWORD compatShare);
