#include "platform/shims/image_blending.h"

#include "platform/gdi/blt.h"

namespace {

const TLibraryExport kExports[] = {
    {"GradientFill", ExportAddress<GradientFillProc>(&GradientFill)},
    {"AlphaBlend", ExportAddress<AlphaBlendProc>(&AlphaBlend)},
};

}  // namespace

TLibraryImage& ImageBlendingLibraryImage() {
  static TExportTableImage image(kExports);
  return image;
}
