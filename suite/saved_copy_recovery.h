// Recovery from the copies that an interrupted repair of a record file leaves behind.
//
// A repair rebuilds the data file X.DAT as X.SAV and the index X.IX as X.IX~ and moves the copies
// into place when it finishes; copies found before an open mean the repair did not finish.  The
// user sees the copy's size next to the current file's and decides whether the copy replaces it.
//
// Names: X is the record file's name as passed to the open, folder included; the copies are looked
// for under the folder and the first 12 characters of X's own file name (the folder is never cut).
// A file that cannot be opened for reading counts as absent.  Invariant: nothing is deleted or
// renamed unless the user chose the copy; refusing asks the program to end (exit code 1) and changes
// no file.
#pragma once

#include <string>

// The data-file check: X.SAV beside X.DAT.  False when the user refused (the program is to end).
bool RecoverSaveCopy(const std::string& name);
// The index check: X.IX~ (the current index may be missing).  False when the user refused.
bool RecoverIndexCopy(const std::string& name);
// Replaces `base`.DAT by `base`.SAV (when both exist) and `base`.IX by `base`.IX~ (when the copy
// exists).  Failing deletions and renames are left for the following open to report.
void RecoverSavedFiles(const std::string& base);
// The folder of `name` followed by the first 12 characters of its file name.
std::string RecoveryBaseName(const std::string& name);
