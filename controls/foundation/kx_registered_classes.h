// TkxRegisteredClasses: a registry of classes, each with a text "Name|Description" (such as
// "TextEdit|Represents a single line text editor"), found by class and listed by name.
//
// A class is registered once (a second registration is ignored; two classes with the same text
// are both kept).  With KeepSorted on, the entries stay in order of their names, compared by the
// user's locale ignoring case; entries whose names are equal keep no defined order.  A registry
// made with ARegisterClasses also registers each added class with the class registry, so that
// component streams may name it.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/object.h"

class TkxRegisteredClasses {
 public:
  explicit TkxRegisteredClasses(bool ARegisterClasses = false) : registerClasses_(ARegisterClasses) {}
  virtual ~TkxRegisteredClasses() = default;

  Integer Count() const { return Integer(entries_.size()); }
  TClass GetEntryClass(Integer Index) const { return entries_.at(std::size_t(Index)).Class; }
  const std::string& GetEntryText(Integer Index) const { return entries_.at(std::size_t(Index)).Text; }
  // The name part of the entry's text (ExtractRegistryName).
  std::string GetEntryName(Integer Index) const;
  // -1 when the class is not registered.
  Integer IndexOfClass(TClass AClass) const;

  void RegisterClassWithText(TClass AClass, const std::string& AText);
  void UnregisterClassEntry(TClass AClass);
  void Clear() { entries_.clear(); }

  bool KeepSorted() const { return keepSorted_; }
  // Switching it on sorts at once.
  void SetKeepSorted(bool Value);

 protected:
  // -1, 0 or 1 by the two entries' names (CompareStringA, user locale, ignoring case); a failed
  // comparison counts as -2.
  virtual Integer CompareEntries(Integer Index1, Integer Index2) const;
  virtual void SortEntries();

 private:
  struct Entry {
    std::string Text;
    TClass Class;
  };
  std::vector<Entry> entries_;
  bool registerClasses_;
  bool keepSorted_ = false;
};
