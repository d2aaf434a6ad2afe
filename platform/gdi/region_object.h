// A region handle's object: a RegionData that the region calls change in place.
#pragma once

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/region_data.h"

namespace gdi {

class RegionObject : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Region;
  explicit RegionObject(RegionData data = {}) : data_(std::move(data)) {}
  ObjectKind Kind() const override { return kKind; }
  RegionData& Data() { return data_; }
  const RegionData& Data() const { return data_; }

 private:
  RegionData data_;
};

}  // namespace gdi
