// Invariants: positions 0 .. depth - 1 of the three arrays hold the cached colours in ascending
// order (as unsigned numbers, no colour twice), their brushes and their use counts.
#include "controls/foundation/kx_solid_brush_cache.h"

#include <algorithm>

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/sys_colors.h"

namespace {

constexpr Cardinal kFirstSystemColor = 0xFF000000u, kLastSystemColor = 0xFF00001Eu;
constexpr Integer kSharedCacheDepth = 128;

std::vector<HBRUSH> systemBrushes;
std::unique_ptr<TkxSolidBrushCache> sharedCache;

void BuildSystemBrushTable() {
  systemBrushes.resize(kSysColorCount);
  for (int i = 0; i < kSysColorCount; ++i) systemBrushes[std::size_t(i)] = GetSysColorBrush(i);
}

void FreeSystemBrushTable() { systemBrushes.clear(); }

}  // namespace

TkxSolidBrushCache::TkxSolidBrushCache(Integer AMaxDepth)
    : colors_(std::size_t(AMaxDepth)),
      brushes_(std::size_t(AMaxDepth)),
      useCounts_(std::size_t(AMaxDepth)),
      maxDepth_(AMaxDepth),
      paletteNotifier_(std::make_unique<TkxSystemPaletteChangedNotifier>(true)) {
  paletteNotifier_->OnSystemPaletteChanged = [this] { Clear(); };
}

TkxSolidBrushCache::~TkxSolidBrushCache() {
  paletteNotifier_.reset();
  TkxSolidBrushCache::Clear();
}

HBRUSH TkxSolidBrushCache::GetBrush(TColor AColor) {
  const Cardinal color = Cardinal(AColor);
  if (!systemBrushes.empty() && color >= kFirstSystemColor && color <= kLastSystemColor)
    return systemBrushes[color - kFirstSystemColor];
  Integer position;
  if (FindColor(AColor, position)) {
    ++useCounts_[std::size_t(position)];
    return brushes_[std::size_t(position)];
  }
  return InsertBrush(position, AColor);
}

void TkxSolidBrushCache::Clear() {
  for (Integer i = 0; i < depth_; ++i) DeleteObject(brushes_[std::size_t(i)]);
  depth_ = 0;
}

bool TkxSolidBrushCache::FindColor(TColor AColor, Integer& APosition) const {
  const auto end = colors_.begin() + depth_;
  const auto found = std::lower_bound(colors_.begin(), end, Cardinal(AColor));
  APosition = Integer(found - colors_.begin());
  return found != end && *found == Cardinal(AColor);
}

Integer TkxSolidBrushCache::FindVictim() const {
  const auto end = useCounts_.begin() + depth_;
  return Integer(std::min_element(useCounts_.begin(), end) - useCounts_.begin());
}

void TkxSolidBrushCache::DeleteEntry(Integer APosition) {
  DeleteObject(brushes_[std::size_t(APosition)]);
  const auto from = std::size_t(APosition) + 1, to = std::size_t(depth_);
  std::move(colors_.begin() + from, colors_.begin() + to, colors_.begin() + APosition);
  std::move(brushes_.begin() + from, brushes_.begin() + to, brushes_.begin() + APosition);
  std::move(useCounts_.begin() + from, useCounts_.begin() + to, useCounts_.begin() + APosition);
  --depth_;
}

HBRUSH TkxSolidBrushCache::InsertBrush(Integer APosition, TColor AColor) {
  if (depth_ >= maxDepth_) {
    if (maxDepth_ <= 0) return nullptr;
    const Integer victim = FindVictim();
    DeleteEntry(victim);
    if (victim < APosition) --APosition;
  }
  const auto at = std::size_t(APosition), end = std::size_t(depth_);
  std::move_backward(colors_.begin() + at, colors_.begin() + end, colors_.begin() + end + 1);
  std::move_backward(brushes_.begin() + at, brushes_.begin() + end, brushes_.begin() + end + 1);
  std::move_backward(useCounts_.begin() + at, useCounts_.begin() + end, useCounts_.begin() + end + 1);
  colors_[at] = Cardinal(AColor);
  brushes_[at] = CreateSolidBrush(ColorToRGB(AColor));
  useCounts_[at] = 0;
  ++depth_;
  return brushes_[at];
}

HBRUSH GetCachedSolidBrush(TColor AColor) {
  if (!sharedCache) sharedCache = std::make_unique<TkxSolidBrushCache>(kSharedCacheDepth);
  return sharedCache->GetBrush(AColor);
}
HBRUSH GetCachedSolidBrushForCanvas(TCanvas*, TColor AColor) { return GetCachedSolidBrush(AColor); }
HBRUSH GetCachedSolidBrushForkxCanvas(TkxCanvas*, TColor AColor) { return GetCachedSolidBrush(AColor); }

const Unit kxEditPaintUtilsUnit = {"kxEditPaintUtils",
                                   [] {
                                     BuildSystemBrushTable();
                                     sharedCache = std::make_unique<TkxSolidBrushCache>(kSharedCacheDepth);
                                   },
                                   [] {
                                     sharedCache.reset();
                                     FreeSystemBrushTable();
                                   }};
