#include "platform/shims/user_library.h"

namespace {

const TLibraryExport kExports[] = {
    {"SetLayeredWindowAttributes", ExportAddress<SetLayeredWindowAttributesProc>(&SetLayeredWindowAttributes)},
    {"UpdateLayeredWindow", ExportAddress<UpdateLayeredWindowProc>(&UpdateLayeredWindow)},
    {"MonitorFromPoint", ExportAddress<MonitorFromPointProc>(&MonitorFromPoint)},
    {"GetMonitorInfoA", ExportAddress<GetMonitorInfoAProc>(&GetMonitorInfoA)},
};

}  // namespace

TLibraryImage& UserLibraryImage() {
  static TExportTableImage image(kExports);
  return image;
}
