// Folder enumeration in the class library's FindFirst / FindNext / FindClose style.
//
// FindFirst(folder + mask, attributes, rec) lists the entries of the folder whose names match the
// mask (file_mask.h; ';' lists allowed) in ascending order of their names ignoring ASCII case (as
// the platform's file system lists them), and fills `rec` with the first.  Ordinary files, read-only
// files and archive files are always listed; folders, hidden files and system files only when
// `attributes` asks for them (faDirectory, faHidden, faSysFile).  Dot-files count as hidden ("." and
// ".." do not); other entries that are neither files nor folders count as system files; a file its
// owner may not write is read-only; every ordinary file carries faArchive.  The folder is read
// once, at FindFirst.
//
// Results: 0 for an entry, 2 when nothing matches, 3 when the folder does not exist, 18 when
// FindNext has passed the last entry.  Names are code page 874; `Time` is the last write time in the
// packed DOS form (local time, two-second steps), `Size` the size in bytes.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/core/types.h"

inline constexpr Integer faReadOnly = 0x01;
inline constexpr Integer faHidden = 0x02;
inline constexpr Integer faSysFile = 0x04;
inline constexpr Integer faVolumeID = 0x08;
inline constexpr Integer faDirectory = 0x10;
inline constexpr Integer faArchive = 0x20;
inline constexpr Integer faAnyFile = 0x3F;

struct FindState;

struct TSearchRec {
  TSearchRec();
  ~TSearchRec();
  TSearchRec(TSearchRec&&) noexcept;
  TSearchRec& operator=(TSearchRec&&) noexcept;

  Integer Time = 0;
  Int64 Size = 0;
  Integer Attr = 0;
  std::string Name;
  Integer ExcludeAttr = 0;
  std::unique_ptr<FindState> FindHandle;
};

Integer FindFirst(std::string_view pathAndMask, Integer attributes, TSearchRec& rec);
Integer FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);
