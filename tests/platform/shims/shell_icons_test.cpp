#include "platform/shims/shell_icons.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/image_list.h"
#include "tests/support/os/temp_folder.h"

namespace {

struct IconAnswer {
  HIMAGELIST list = nullptr;
  int index = -1;
};

IconAnswer Ask(const char* path, UINT sizeFlag) {
  SHFILEINFOA info{};
  info.iIcon = -1;
  const DWORD_PTR list = SHGetFileInfoA(path, 0, &info, sizeof(info), SHGFI_SYSICONINDEX | sizeFlag);
  return {reinterpret_cast<HIMAGELIST>(list), info.iIcon};
}

TEST(ShellIcons, FoldersGetTheFolderIconAndEverythingElseTheFileIcon) {
  TempFolder tmp;
  mkdir((tmp / "Data").c_str(), 0777);
  WriteRawFile(tmp / "Data/payroll.csv", "a");
  const struct {
    std::string path;
    int index;
  } cases[] = {{tmp / "Data", kShellFolderIconIndex}, {tmp / "DATA", kShellFolderIconIndex},
               {tmp / "Data/payroll.csv", kShellFileIconIndex}, {tmp / "missing.txt", kShellFileIconIndex},
               {".csv", kShellFileIconIndex}};
  for (const auto& c : cases) {
    EXPECT_EQ(Ask(c.path.c_str(), SHGFI_SMALLICON).index, c.index) << c.path;
    EXPECT_EQ(Ask(c.path.c_str(), SHGFI_LARGEICON).index, c.index) << c.path;
  }
}

TEST(ShellIcons, SmallAndLargeListsHoldTheTwoIcons) {
  const struct {
    UINT flag;
    int side;
  } cases[] = {{SHGFI_SMALLICON, 16}, {SHGFI_LARGEICON, 32}};
  for (const auto& c : cases) {
    const IconAnswer answer = Ask("x", c.flag);
    ASSERT_NE(answer.list, nullptr);
    EXPECT_EQ(Ask("y", c.flag).list, answer.list);   // one list for the whole program
    int cx = 0, cy = 0;
    ImageList_GetIconSize(answer.list, &cx, &cy);
    EXPECT_EQ(cx, c.side);
    EXPECT_EQ(cy, c.side);
    EXPECT_EQ(ImageList_GetImageCount(answer.list), 2);
  }
  EXPECT_NE(Ask("x", SHGFI_SMALLICON).list, Ask("x", SHGFI_LARGEICON).list);
}

TEST(ShellIcons, AnswersNothingToOtherRequests) {
  SHFILEINFOA info{};
  EXPECT_EQ(SHGetFileInfoA("x", 0, &info, sizeof(info), SHGFI_SMALLICON), 0u);
  EXPECT_EQ(SHGetFileInfoA("x", 0, nullptr, sizeof(info), SHGFI_SYSICONINDEX), 0u);
  EXPECT_EQ(SHGetFileInfoA("x", 0, &info, sizeof(info) - 1, SHGFI_SYSICONINDEX), 0u);
}

// The icons draw transparently: the folder's outline where its art has one, the background where
// the art is empty; the large icon doubles each pixel.
TEST(ShellIcons, IconsDrawOverTheBackground) {
  BITMAPINFO bmi{};
  bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 64, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP target = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, target);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < 64 * 32; ++i) pixels[i] = 0x00FFFFFF;
  auto at = [&](int x, int y) { return pixels[y * 64 + x] & 0xFFFFFF; };

  ImageList_Draw(Ask("x", SHGFI_SMALLICON).list, kShellFolderIconIndex, dc, 0, 0, ILD_TRANSPARENT);
  ImageList_Draw(Ask("x", SHGFI_LARGEICON).list, kShellFileIconIndex, dc, 32, 0, ILD_TRANSPARENT);
  EXPECT_EQ(at(0, 3), 0x9C7A1Eu);    // folder outline
  EXPECT_EQ(at(0, 0), 0xFFFFFFu);    // nothing drawn
  EXPECT_EQ(at(8, 8), 0xF2C94Cu);    // folder body
  EXPECT_EQ(at(32 + 3, 0), 0xFFFFFFu);
  EXPECT_EQ(at(32 + 4, 0), 0x606060u);   // file outline: art pixel (2, 0) doubled
  EXPECT_EQ(at(32 + 5, 1), 0x606060u);
  EXPECT_EQ(at(32 + 10, 10), 0xFFFFFFu); // page
  EXPECT_EQ(at(32 + 8, 14), 0xA0A0A0u);  // a text line of the page

  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(target);
}

}  // namespace
