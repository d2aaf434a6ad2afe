// TkxEditDataBinding (unit kxEdit): the link between an editor and its value source.  The
// standalone binding of this system has no external source: it keeps everything in the editor
// and answers data questions with its provider's defaults (TkxCustomEditDefaultValuesProvider,
// owned).
#pragma once

#include <memory>
#include <string>

#include "controls/editors/kx_edit_properties.h"
#include "platform/core/variant.h"

class TBasicAction;
class TkxCustomEdit;

using TkxEditDefaultValuesProviderClass = TkxCustomEditDefaultValuesProvider* (*)(TPersistent* AOwner);

class TkxEditDataBinding : public TPersistent {
  PR_CLASS(TkxEditDataBinding, TPersistent)

 public:
  explicit TkxEditDataBinding(TkxCustomEdit* AEdit);
  ~TkxEditDataBinding() override;
  static TkxEditDataBinding* Create(TkxCustomEdit* AEdit) { return new TkxEditDataBinding(AEdit); }

  // The provider's defaults changed: the editor's own properties report a change; with a repository
  // item linked, this editor alone takes the item's properties in again.
  virtual void DefaultValuesChanged();
  virtual Variant GetDisplayValue();
  virtual bool IsValueModified();
  virtual bool IsInEditState();
  virtual Variant GetStoredValue();
  virtual void Reset();
  virtual void SetDisplayValue(const Variant& Value);
  // The editor enters edit mode; True.
  virtual bool SetEditMode();
  virtual void SetStoredValue(const Variant&) {}
  virtual bool HasNoPendingEdit();
  virtual bool IsEditing() { return IsInEditState(); }
  // Actions the editor does not handle itself: the standalone binding handles none.
  virtual bool ExecuteEditAction(TBasicAction*) { return false; }
  // The class of the provider made on the first question about defaults (no owner).
  virtual TkxEditDefaultValuesProviderClass GetDefaultValuesProviderClass() const;
  virtual void SetModifiedIfFocused();
  virtual bool UpdateEditAction(TBasicAction*) { return false; }
  virtual void UpdateDisplayValue();
  virtual void RefreshLink() {}

  IkxEditDefaultValuesProvider* GetDefaultValuesProvider() const { return Provider(); }
  bool DataAvailable() const { return Provider()->HasAvailableData(); }
  TkxCustomEdit* Edit() const { return edit_; }

 protected:
  TPersistent* GetOwner() const override;

 private:
  // Made on first use, so that a descendant's provider class answers.
  TkxCustomEditDefaultValuesProvider* Provider() const;

  TkxCustomEdit* edit_;
  mutable std::unique_ptr<TkxCustomEditDefaultValuesProvider> provider_;
};
