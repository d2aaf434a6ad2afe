// Object handles: types, the platform records GetObject returns, stock objects and the rules of
// DeleteObject and SelectObject.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/gdi/fonts.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/palette.h"
#include "platform/gdi/region.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

TEST(Objects, TypesAndRecords) {
  HPEN pen = CreatePen(PS_DASH, 1, kRed);
  LOGPEN lp{};
  EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
  EXPECT_EQ(GetObject(pen, 0, nullptr), int(sizeof(LOGPEN)));
  EXPECT_EQ(GetObject(pen, sizeof lp, &lp), int(sizeof(LOGPEN)));
  EXPECT_EQ(lp.lopnStyle, PS_DASH);
  EXPECT_EQ(lp.lopnWidth.X, 1);
  EXPECT_EQ(lp.lopnColor, kRed);

  const LOGBRUSH lb{BS_SOLID, kBlue, 0};
  const DWORD dashes[] = {4, 2};
  HPEN ext = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, 5, &lb, 2, dashes);
  EXPECT_EQ(GetObjectType(ext), OBJ_EXTPEN);
  alignas(EXTLOGPEN) unsigned char buffer[64];
  ASSERT_GE(GetObject(ext, sizeof buffer, buffer), int(sizeof(EXTLOGPEN)));
  const auto* elp = reinterpret_cast<const EXTLOGPEN*>(buffer);
  EXPECT_EQ(elp->elpPenStyle, PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT);
  EXPECT_EQ(elp->elpWidth, 5u);
  EXPECT_EQ(elp->elpColor, kBlue);
  ASSERT_EQ(elp->elpNumEntries, 2u);
  EXPECT_EQ(elp->elpStyleEntry[1], 2u);

  HBRUSH hatch = CreateHatchBrush(HS_CROSS, kGreen);
  LOGBRUSH got{};
  EXPECT_EQ(GetObjectType(hatch), OBJ_BRUSH);
  EXPECT_EQ(GetObject(hatch, sizeof got, &got), int(sizeof(LOGBRUSH)));
  EXPECT_EQ(got.lbStyle, BS_HATCHED);
  EXPECT_EQ(got.lbColor, kGreen);
  EXPECT_EQ(got.lbHatch, ULONG_PTR(HS_CROSS));

  HBITMAP mono = CreateBitmap(13, 5, 1, 1, nullptr);
  BITMAP bm{};
  EXPECT_EQ(GetObjectType(mono), OBJ_BITMAP);
  EXPECT_EQ(GetObject(mono, sizeof bm, &bm), int(sizeof(BITMAP)));
  EXPECT_EQ(bm.bmWidth, 13);
  EXPECT_EQ(bm.bmHeight, 5);
  EXPECT_EQ(bm.bmWidthBytes, 2);   // device bitmaps pad rows to 2 bytes
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(bm.bmBits, nullptr);

  HRGN rgn = CreateRectRgn(0, 0, 1, 1);
  HPALETTE pal = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
  WORD entries = 0;
  EXPECT_EQ(GetObjectType(rgn), OBJ_REGION);
  EXPECT_EQ(GetObjectType(pal), OBJ_PAL);
  EXPECT_EQ(GetObject(pal, sizeof entries, &entries), int(sizeof(WORD)));
  EXPECT_EQ(entries, 16);

  HDC mem = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetObjectType(mem), OBJ_MEMDC);
  for (HGDIOBJ o : {HGDIOBJ(pen), HGDIOBJ(ext), HGDIOBJ(hatch), HGDIOBJ(mono), HGDIOBJ(rgn)}) EXPECT_TRUE(DeleteObject(o));
  EXPECT_TRUE(DeleteDC(mem));
}

TEST(Objects, DibSectionRecordDescribesItsBits) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 5, 3, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(dib, nullptr);
  ASSERT_NE(bits, nullptr);
  DIBSECTION ds{};
  EXPECT_EQ(GetObject(dib, sizeof ds, &ds), int(sizeof(DIBSECTION)));
  EXPECT_EQ(ds.dsBm.bmBits, bits);
  EXPECT_EQ(ds.dsBm.bmWidthBytes, 16);   // 15 bytes padded to 4
  EXPECT_EQ(ds.dsBmih.biHeight, 3);      // bottom-up, as created
  EXPECT_EQ(ds.dsBmih.biSizeImage, 48u);
  BITMAP bm{};
  EXPECT_EQ(GetObject(dib, sizeof bm, &bm), int(sizeof(BITMAP)));
  EXPECT_EQ(bm.bmBitsPixel, 24);
  DeleteObject(dib);
}

TEST(Objects, StaleAndWrongHandlesAreRefused) {
  HBRUSH brush = CreateSolidBrush(kRed);
  ASSERT_TRUE(DeleteObject(brush));
  EXPECT_FALSE(DeleteObject(brush));
  EXPECT_EQ(GetObjectType(brush), 0u);
  HBRUSH reused = CreateSolidBrush(kBlue);   // may take the same slot: the old handle stays dead
  EXPECT_FALSE(GetObject(brush, 0, nullptr));
  TestCanvas canvas(4, 4);
  EXPECT_EQ(SelectObject(canvas.dc(), brush), nullptr);
  EXPECT_EQ(SelectObject(nullptr, reused), nullptr);
  EXPECT_FALSE(DeleteObject(canvas.dc()));   // DeleteDC frees contexts
  DeleteObject(reused);
}

TEST(Objects, StockObjectsSurviveDeletion) {
  const int stock[] = {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH,
                       WHITE_PEN,   BLACK_PEN,    NULL_PEN,   DEFAULT_PALETTE, DC_BRUSH, DC_PEN};
  for (int index : stock) {
    HGDIOBJ o = GetStockObject(index);
    ASSERT_NE(o, nullptr) << index;
    EXPECT_TRUE(DeleteObject(o));
    EXPECT_EQ(GetStockObject(index), o);
    EXPECT_NE(GetObjectType(o), 0u) << index;
  }
  LOGBRUSH lb{};
  GetObject(GetStockObject(GRAY_BRUSH), sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, RGB(128, 128, 128));
  EXPECT_EQ(GetStockObject(9), nullptr);
}

TEST(Objects, TheTableCountsTheObjectsOfAKind) {
  gdi::HandleTable& table = gdi::HandleTable::Instance();
  const std::size_t fonts = table.Count(gdi::ObjectKind::Font), pens = table.Count(gdi::ObjectKind::Pen);
  HFONT font = CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  EXPECT_EQ(table.Count(gdi::ObjectKind::Font), fonts + 1);
  EXPECT_EQ(table.Count(gdi::ObjectKind::Pen), pens + 1);
  DeleteObject(font);
  DeleteObject(pen);
  EXPECT_EQ(table.Count(gdi::ObjectKind::Font), fonts);
  EXPECT_EQ(table.Count(gdi::ObjectKind::Pen), pens);
}

TEST(Objects, DeletingSelectedObjects) {
  TestCanvas canvas(4, 4);
  HDC dc = canvas.dc();
  // A selected pen is freed only when it is deselected, so drawing with it stays safe.
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  HGDIOBJ old = SelectObject(dc, pen);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, 4, 0);
  EXPECT_EQ(canvas.At(1, 0), kRed);
  SelectObject(dc, old);
  EXPECT_EQ(GetObjectType(pen), 0u);

  // A bitmap selected into a context refuses deletion; it cannot go into a second context.
  HBITMAP bm = CreateBitmap(2, 2, 1, 32, nullptr);
  HDC a = CreateCompatibleDC(nullptr), b = CreateCompatibleDC(nullptr);
  HGDIOBJ stock = SelectObject(a, bm);
  EXPECT_EQ(GetObjectType(stock), OBJ_BITMAP);   // the 1 x 1 monochrome stock bitmap
  EXPECT_FALSE(DeleteObject(bm));
  EXPECT_EQ(SelectObject(b, bm), nullptr);
  DeleteDC(a);
  EXPECT_NE(SelectObject(b, bm), nullptr);   // free again once its context is gone
  DeleteDC(b);
  EXPECT_TRUE(DeleteObject(bm));

  // Objects kept by a saved state live until the state is dropped.
  HBRUSH brush = CreateSolidBrush(kGreen);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  const int level = SaveDC(dc);
  SelectObject(dc, oldBrush);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
  RestoreDC(dc, level);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  SelectObject(dc, oldBrush);
  EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST(Objects, DcPenAndBrushPaintTheContextColours) {
  TestCanvas canvas(8, 8);
  HDC dc = canvas.dc();
  SelectObject(dc, GetStockObject(DC_PEN));
  SelectObject(dc, GetStockObject(DC_BRUSH));
  EXPECT_EQ(SetDCPenColor(dc, kBlue), kBlack);
  EXPECT_EQ(SetDCBrushColor(dc, kGreen), kWhite);
  Rectangle(dc, 0, 0, 5, 5);
  EXPECT_EQ(canvas.At(0, 0), kBlue);
  EXPECT_EQ(canvas.At(2, 2), kGreen);
}

TEST(Objects, PatternBrushesCopyTheirBitmap) {
  const std::uint32_t pixels[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
  HBITMAP bm = CreateBitmap(2, 2, 1, 32, pixels);
  HBRUSH brush = CreatePatternBrush(bm);
  DeleteObject(bm);
  TestCanvas canvas(4, 4);
  TRect r{0, 0, 4, 4};
  FillRect(canvas.dc(), &r, brush);
  EXPECT_EQ(canvas.At(0, 0), kRed);   // pixel values are 0xAARRGGBB
  EXPECT_EQ(canvas.At(1, 0), kGreen);
  EXPECT_EQ(canvas.At(2, 1), kBlue);
  EXPECT_EQ(canvas.At(3, 3), kWhite);
  DeleteObject(brush);
}

TEST(Objects, ThreadsCreateDrawAndDeleteAtTheSameTime) {
  // Each thread uses its own contexts and bitmaps; the handle table is shared.  Each also keeps
  // 1,500 brushes, so the table grows past its first page of slots while the others look up, and
  // checks that a handle it deleted stays dead while the others reuse its slot.
  auto work = [](COLORREF color, int* wrong) {
    std::vector<HBRUSH> held;
    for (int i = 0; i < 300; ++i) {
      TestCanvas canvas(8, 8);
      HBRUSH brush = CreateSolidBrush(color);
      HGDIOBJ old = SelectObject(canvas.dc(), brush);
      PatBlt(canvas.dc(), 0, 0, 8, 8, PATCOPY);
      SelectObject(canvas.dc(), old);
      DeleteObject(brush);
      if (canvas.At(7, 7) != color) ++*wrong;
      if (GetObjectType(brush) != 0) ++*wrong;
      for (int k = 0; k < 5; ++k) held.push_back(CreateSolidBrush(color));
    }
    for (HBRUSH b : held) {
      LOGBRUSH record{};
      if (GetObject(b, sizeof record, &record) != int(sizeof record) || record.lbColor != color) ++*wrong;
      DeleteObject(b);
    }
  };
  int wrong[4] = {0, 0, 0, 0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(work, RGB(t * 60, 10, 20), &wrong[t]);
  for (std::thread& t : threads) t.join();
  for (int w : wrong) EXPECT_EQ(w, 0);
}

}  // namespace
