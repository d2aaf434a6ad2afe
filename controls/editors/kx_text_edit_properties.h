// The text editor's settings (unit kxTextEdit): character case, password echo, maximum length,
// caret and selection display, incremental search and the lookup items, and the value-bound rule
// of numeric descendants.  TkxTextEditPropertiesValues adds the assigned flags of the display
// format, the edit format and the maximum length.
#pragma once

#include <memory>
#include <string>

#include "controls/editors/kx_edit_properties.h"
#include "controls/editors/kx_inner_text_edit.h"

class TStringList;

// How typing relates to the lookup items: free text, free text completed from the list, only list
// items, or no typing at all.
enum TkxTextEntryStyle { tesFreeText, tesListAssisted, tesListOnly, tesNoTyping };

class TkxTextEditPropertiesValues : public TkxCustomEditPropertiesValues {
  PR_CLASS(TkxTextEditPropertiesValues, TkxCustomEditPropertiesValues)

 public:
  using TkxCustomEditPropertiesValues::TkxCustomEditPropertiesValues;
  static TkxCustomEditPropertiesValues* Create(TkxCustomEditProperties* AOwner) {
    return new TkxTextEditPropertiesValues(AOwner);
  }

  bool DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(bool Value);
  bool EditFormat() const { return editFormat_; }
  void SetEditFormat(bool Value);
  bool MaxLength() const { return maxLength_; }
  void SetMaxLength(bool Value);

 private:
  bool displayFormat_ = false;
  bool editFormat_ = false;
  bool maxLength_ = false;
};

class TkxCustomTextEditProperties : public TkxCustomEditProperties {
  PR_CLASS(TkxCustomTextEditProperties, TkxCustomEditProperties)

 public:
  explicit TkxCustomTextEditProperties(TPersistent* AOwner);
  ~TkxCustomTextEditProperties() override;
  static TkxCustomEditProperties* Create(TPersistent* AOwner) { return new TkxCustomTextEditProperties(AOwner); }

  TkxTextEditPropertiesValues* AssignedValues() const;

  TEditCharCase CharCase() const { return charCase_; }
  virtual void SetCharCase(TEditCharCase Value);
  TkxEditEchoMode EchoMode() const { return echoMode_; }
  void SetEchoMode(TkxEditEchoMode Value);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char Value);
  bool HideCursor() const { return hideCursor_; }
  void SetHideCursor(bool Value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool Value);
  bool IncrementalSearch() const { return incrementalSearch_; }
  void SetIncrementalSearch(bool Value);
  TStringList* LookupItems() const { return lookupItems_.get(); }
  // The stored value while its flag is set, else GetDefaultMaxLength.  A negative value stores 0.
  Integer MaxLength() const;
  void SetMaxLength(Integer Value);
  bool IsMaxLengthStored() const { return AssignedValues()->MaxLength(); }

  // The provider's text limit, or 0 without a provider.
  virtual Integer GetDefaultMaxLength() const;
  virtual TkxTextEntryStyle GetEditingStyle() const { return hideCursor_ ? tesNoTyping : tesFreeText; }
  // True when a line of LookupItems equals AText, ignoring case under the user's locale.
  virtual bool FindLookupItem(const std::string& AText) const;
  // Password echo (PasswordChar, "*" for #0, one per byte), else the character case.
  virtual void ApplyEchoMode(std::string& Text) const;
  // A list style accepts only lookup items; an accepted text takes the character case.
  virtual bool CheckEditValue(std::string& Value, bool AEditFocused) const;
  // With exactly one bound flag set, that bound alone (0 lower, 1 upper); else both when the
  // upper limit is above the lower.
  virtual bool IsValueBoundDefined(Integer ABound) const;
  bool IsValueBoundsDefined() const { return IsValueBoundDefined(0) || IsValueBoundDefined(1); }

  bool CanValidate() const override { return true; }
  bool SplitsChangeNotifications() const override { return true; }
  bool ComparesOnValueSet() const override { return true; }
  bool HasExternalDisplayText(bool) const override { return true; }
  bool AllowsTyping() const override { return GetEditingStyle() != tesNoTyping; }
  TkxCustomEditPropertiesValuesClass GetValuesFlagsClass() const override;

 private:
  TEditCharCase charCase_ = ecNormal;
  TkxEditEchoMode echoMode_ = eemNormal;
  char passwordChar_ = 0;
  bool hideCursor_ = false;
  bool hideSelection_ = true;
  bool incrementalSearch_ = true;
  Integer maxLength_ = 0;
  std::unique_ptr<TStringList> lookupItems_;
};
