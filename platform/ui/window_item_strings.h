// TWindowItemStrings: the Items of a list-like window (the list box, the combo box) as a TStrings.
//
// While the control's window exists the items are the window's own: every call is one of the
// window's item messages (each string's object is the item's data).  Without a window they wait
// in a saved list; the control hands them to a new window with TakeSavedItems after creating it
// and keeps them with SaveItems before destroying it, so a recreated window loses nothing.
#pragma once

#include "platform/classes/string_list.h"
#include "platform/user/user_types.h"

class TWinControl;

// The item messages of one window class (LB_GETCOUNT, CB_GETCOUNT, ...).
struct TItemMessages {
  UINT GetCount, GetTextLen, GetText, GetItemData, SetItemData, AddString, InsertString, DeleteString,
      ResetContent;
};

class TWindowItemStrings : public TStrings {
  PR_CLASS(TWindowItemStrings, TStrings)

 public:
  TWindowItemStrings(TWinControl* Control, const TItemMessages& Messages);
  Integer Add(const std::string& S) override;
  void Clear() override;
  void Delete(Integer Index) override;
  void Insert(Integer Index, const std::string& S) override;

  void TakeSavedItems();
  void SaveItems();

 protected:
  std::string Get(Integer Index) const override;
  Integer GetCount() const override;
  TObject* GetObject(Integer Index) const override;
  void PutObject(Integer Index, TObject* AObject) override;
  void SetUpdateState(bool Updating) override;

  HWND Window() const;   // null while the items wait in the saved list
  TStringList& Saved() { return saved_; }
  const TStringList& Saved() const { return saved_; }

 private:
  void Check(Integer Index) const;

  TWinControl* control_;
  const TItemMessages& messages_;
  TStringList saved_;
};
