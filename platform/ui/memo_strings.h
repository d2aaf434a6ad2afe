// TMemoStrings: the lines of a memo's window as a TStrings.  Every call goes to the window
// (made on demand): Count is EM_GETLINECOUNT less a last empty line; Get is EM_GETLINE; Put,
// Insert and Delete select the line's range and replace it (EM_SETSEL, EM_REPLACESEL), so they
// notify EN_CHANGE and can be undone like any edit; Text is the window's text.
#pragma once

#include "platform/classes/tstrings.h"
#include "platform/user/user_types.h"

class TCustomMemo;

class TMemoStrings : public TStrings {
  PR_CLASS(TMemoStrings, TStrings)

 public:
  explicit TMemoStrings(TCustomMemo* Memo) : memo_(Memo) {}

  void Clear() override;
  void Delete(Integer Index) override;
  void Insert(Integer Index, const std::string& S) override;
  std::string Text() const override;
  void SetText(const std::string& Value) override;

 protected:
  std::string Get(Integer Index) const override;
  Integer GetCount() const override;
  void Put(Integer Index, const std::string& S) override;
  void SetUpdateState(bool Updating) override;

 private:
  LRESULT Send(UINT Message, WPARAM WParam = 0, LPARAM LParam = 0) const;
  void ReplaceRange(Integer From, Integer To, const std::string& S) const;

  TCustomMemo* memo_;
};
