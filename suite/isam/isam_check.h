// An offline consistency check of a record file, reading its files directly (not through the
// engine's caches): the data header and free chain, every key's header, B-tree and free-page chain,
// and the dialog file (station area or unfinished journal).
//
// Problems are damage (a broken chain, keys out of order, a wrong count, an under-filled page, an
// entry naming a record not in use, pages neither in the tree nor free); notes are legitimate
// states worth knowing (records that some key does not list: a record and its keys are added by
// separate calls).
#pragma once

#include <string>
#include <vector>

struct IsamCheckReport {
  std::vector<std::string> problems;
  std::vector<std::string> notes;
  bool Ok() const { return problems.empty(); }
};

// `name` is the Fileblock name (without extension, "data;index" allowed).
IsamCheckReport IsamCheckFile(const std::string& name);
