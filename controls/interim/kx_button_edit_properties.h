// The settings of TkxButtonEdit (interim, under their final names): the collection of embedded
// buttons (TkxEditButtons of TkxEditButton: Kind, Default) and the event a button click fires.
//
// A properties object starts with one ellipsis button marked Default.  At most one button of a
// collection is Default: making one Default clears the others.  Every change of the collection
// or of a button is reported to the owner through OnChanged.
#pragma once

#include <functional>
#include <memory>

#include "platform/classes/collection.h"
#include "platform/classes/event.h"
#include "platform/classes/type_info.h"

PR_ENUM(TkxEditButtonKind, bkEllipsis, bkDown, bkGlyph, bkText)

class TkxEditButton : public TCollectionItem {
  PR_CLASS(TkxEditButton, TCollectionItem)

 public:
  using TCollectionItem::TCollectionItem;

  bool Default() const { return default_; }
  void SetDefault(bool Value);
  TkxEditButtonKind Kind() const { return kind_; }
  void SetKind(TkxEditButtonKind Value);
  void Assign(TPersistent* Source) override;

 private:
  bool default_ = false;
  TkxEditButtonKind kind_ = bkDown;
};

class TkxEditButtons : public TOwnedCollection {
  PR_CLASS(TkxEditButtons, TOwnedCollection)

 public:
  explicit TkxEditButtons(TPersistent* AOwner);
  TkxEditButton* Add() { return static_cast<TkxEditButton*>(TCollection::Add()); }
  TkxEditButton* Items(Integer Index) const { return static_cast<TkxEditButton*>(TCollection::Items(Index)); }
  // The index of the Default button, -1 when none is.
  Integer DefaultIndex() const;

  std::function<void()> OnChanged;

 protected:
  void Update(TCollectionItem* Item) override;
};

// (Sender, index of the clicked button in Buttons)
using TkxEditButtonClickEvent = Event<void(TObject* Sender, Integer AButtonIndex)>;

class TkxButtonEditProperties : public TPersistent {
  PR_CLASS(TkxButtonEditProperties, TPersistent)

 public:
  explicit TkxButtonEditProperties(TPersistent* AOwner);
  ~TkxButtonEditProperties() override;

  TkxEditButtons* Buttons() const { return buttons_.get(); }
  void SetButtons(TkxEditButtons* Value) { buttons_->Assign(Value); }
  void Assign(TPersistent* Source) override;

  TkxEditButtonClickEvent OnButtonClick;

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  TPersistent* owner_;
  std::unique_ptr<TkxEditButtons> buttons_;
};
