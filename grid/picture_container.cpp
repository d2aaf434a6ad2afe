#include "grid/picture_container.h"

#include "platform/classes/publisher.h"
#include "platform/core/ansi_strings.h"

PR_PUBLISH(TPictureItem) {
  p.Property("Picture", &TPictureItem::Picture, &TPictureItem::SetPicture);
  p.Property("Name", &TPictureItem::Name, &TPictureItem::SetName);
  p.Property("Tag", &TPictureItem::Tag, &TPictureItem::SetTag).Default(0);
}

PR_IMPLEMENT_CLASS(TPictureCollection)

PR_PUBLISH(TPictureContainer) {
  p.Property("Items", &TPictureContainer::Items, &TPictureContainer::SetItems);
  p.Property("Version", &TPictureContainer::Version, &TPictureContainer::SetVersion);
}

namespace {

constexpr std::uint32_t kVersionNumber = 0x01000000;

}  // namespace

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), picture_(std::make_unique<THTMLPicture>()) {}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(TPersistent* Source) {
  auto* item = dynamic_cast<TPictureItem*>(Source);
  if (item == nullptr) return inherited::Assign(Source);
  name_ = item->name_;
  tag_ = item->tag_;
  picture_->Assign(item->picture_.get());
}

TPictureCollection::TPictureCollection(TPictureContainer* Owner)
    : TCollection(TPictureItem::StaticClass()), owner_(Owner) {}

TPersistent* TPictureCollection::GetOwner() const { return owner_; }

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), items_(std::make_unique<TPictureCollection>(this)) {}

TPictureContainer::~TPictureContainer() = default;

std::string TPictureContainer::Version() const {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (!text.empty()) text += '.';
    text += std::to_string((kVersionNumber >> shift) & 0xFF);
  }
  return text;
}

THTMLPicture* TPictureContainer::FindPicture(std::string_view Name) const {
  for (Integer i = 0; i < items_->Count(); ++i)
    if (SameText(items_->Items(i)->Name(), Name)) return items_->Items(i)->Picture();
  return nullptr;
}
