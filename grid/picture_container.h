// TPictureContainer: a component holding named pictures, which markup texts name in the SRC of an
// image tag or the BACKGROUND of a body tag (a plain name, without "://").  A grid points to one
// through its PictureContainer property.  Names are found without regard to case.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "grid/html_picture.h"
#include "platform/classes/collection.h"
#include "platform/classes/component.h"

class TPictureItem : public TCollectionItem {
  PR_CLASS(TPictureItem, TCollectionItem)

 public:
  explicit TPictureItem(TCollection* Collection);
  ~TPictureItem() override;
  // Name, Tag and the picture (by the picture's Assign).
  void Assign(TPersistent* Source) override;

  THTMLPicture* Picture() const { return picture_.get(); }
  // Copies the picture.
  void SetPicture(THTMLPicture* Value) { picture_->Assign(Value); }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& Value) { name_ = Value; }
  Integer Tag() const { return tag_; }
  void SetTag(Integer Value) { tag_ = Value; }

 private:
  std::unique_ptr<THTMLPicture> picture_;
  std::string name_;
  Integer tag_ = 0;
};

class TPictureContainer;

class TPictureCollection : public TCollection {
  PR_CLASS(TPictureCollection, TCollection)

 public:
  explicit TPictureCollection(TPictureContainer* Owner);
  TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
  TPictureItem* Items(Integer Index) const { return static_cast<TPictureItem*>(TCollection::Items(Index)); }

 protected:
  TPersistent* GetOwner() const override;

 private:
  TPictureContainer* owner_;
};

class TPictureContainer : public TComponent {
  PR_CLASS(TPictureContainer, TComponent)

 public:
  explicit TPictureContainer(TComponent* AOwner);
  ~TPictureContainer() override;

  TPictureCollection* Items() const { return items_.get(); }
  void SetItems(TPictureCollection* Value) { items_->Assign(Value); }
  // "1.0.0.0": the version number 0x01000000, its bytes from high to low.  Writing does nothing.
  std::string Version() const;
  void SetVersion(const std::string&) {}
  // The picture of the first item named `Name` (without regard to case); nullptr when none is.
  virtual THTMLPicture* FindPicture(std::string_view Name) const;

 private:
  std::unique_ptr<TPictureCollection> items_;
};
