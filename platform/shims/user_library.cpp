#include "platform/shims/user_library.h"

namespace {

const TLibraryExport kExports[] = {
    {"SetLayeredWindowAttributes", ExportAddress<SetLayeredWindowAttributesProc>(&SetLayeredWindowAttributes)},
    {"UpdateLayeredWindow", ExportAddress<UpdateLayeredWindowProc>(&UpdateLayeredWindow)},
};

}  // namespace

TLibraryImage& UserLibraryImage() {
  static TExportTableImage image(kExports);
  return image;
}
