// Reading and writing the cached section headers (data header in record 0, key headers in slot 0)
// and the dirty pages of a Fileblock.  Every write to the data or index file passes the save-mode
// write-ahead barrier first.
#pragma once

#include "suite/isam/file_block.h"

bool ReadDataHeader(IsamFileBlock& fb, DataHeader& header);
bool WriteDataHeader(IsamFileBlock& fb, Byte openFlag);
bool ReadKeyHeader(IsamFileBlock& fb, Integer key, KeyHeader& header);
bool WriteKeyHeader(IsamFileBlock& fb, Integer key);
// Loads the cached fields of section k from a stored header (keeps L, A(k) and the path).
void LoadKeySection(FileSectionInfo& s, const KeyHeader& h);
KeyHeader KeySectionHeader(const FileSectionInfo& s);
void LoadDataSection(FileSectionInfo& s, const DataHeader& h);
DataHeader DataSectionHeader(const IsamFileBlock& fb, Byte openFlag);
// Check a header read from disk while the Fileblock is open (another station's publication, a
// before-image from the journal) as the open checks it, and against the layout the Fileblock was
// opened with (R and K; P(k) and E: 10010 when it differs).  0, or the error number; a failing read
// of the file's size has set the status and returns its number.
Integer CheckStoredDataHeader(IsamFileBlock& fb, const DataHeader& h);
Integer CheckStoredKeyHeader(IsamFileBlock& fb, Integer key, const KeyHeader& h);
// Writes every dirty page and dirty key header (not the data header).
bool WriteDirtyPagesAndKeyHeaders(IsamFileBlock& fb, bool releasePages);
// Writes bytes of the data file (records, status words) behind the write-ahead barrier.
bool WriteDataBytes(IsamFileBlock& fb, Int64 offset, const void* bytes, DWORD n);
