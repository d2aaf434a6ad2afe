// The folders the interim shell combo box lists for its text: a flattened folder tree.
//
// Top level (depth 0): "/" and the folders the drives of the drive map point at
// (DriveRootFolders), ascending without case.  Below the top-level folder that holds the text's
// folder (the deepest one that does), one level deeper each: the existing folders along the text's
// path, then the subfolders of the deepest of them (hidden ones, whose names begin with ".", left
// out), ascending without case.  The text is a program path (drive map and case rules; relative
// to the current folder); nothing below the top level is listed for an empty text.
//
// Every item's Path is the folder's full native path (code page 874); its Caption is that path at
// the top level and the folder's own name below it.  A folder whose name code page 874 cannot
// hold is left out, since no text could name it.
#pragma once

#include <string>
#include <vector>

#include "platform/core/types.h"

struct TShellFolderItem {
  std::string Path;
  std::string Caption;
  Integer Depth = 0;

  bool operator==(const TShellFolderItem&) const = default;
};

std::vector<TShellFolderItem> ShellFolderItems(const std::string& Text);
