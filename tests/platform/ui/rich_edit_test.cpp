#include "platform/ui/rich_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/classes/memory_stream.h"
#include "platform/classes/tstrings.h"
#include "platform/gdi/gdi_constants.h"
#include "tests/support/gdi/test_canvas.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

using uitest::UiTest;

const std::string kTwoColours =
    R"({\rtf1{\colortbl ;\red255\green0\blue0;\red0\green0\blue255;}\cf1 Red text\par\cf2 Blue line\par})";

void Load(TRichEdit* edit, const std::string& text) {
  TMemoryStream stream;
  stream.WriteBuffer(text.data(), Integer(text.size()));
  stream.SetPosition(0);
  edit->Lines()->LoadFromStream(&stream);
}

std::string Saved(TRichEdit* edit) {
  TMemoryStream stream;
  edit->Lines()->SaveToStream(&stream);
  return std::string(static_cast<const char*>(stream.Memory()), size_t(stream.Size()));
}

class RichEditTest : public UiTest {
 protected:
  TRichEdit* NewEdit() {
    TForm* form = NewForm("RichForm" + std::to_string(++forms_));
    auto* edit = new TRichEdit(form);
    edit->SetParent(form);
    edit->SetBounds(0, 0, 100, 40);
    return edit;
  }
  // EM_FORMATRANGE over a canvas, the rectangle given in pixels of its 96 pixels per inch.
  LRESULT FormatRange(TRichEdit* edit, HDC dc, TRect pixels, bool render) {
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    auto twips = [dpi](int v) { return v * 1440 / dpi; };
    TRect rc{twips(pixels.Left), twips(pixels.Top), twips(pixels.Right), twips(pixels.Bottom)};
    FORMATRANGE range{dc, dc, rc, rc, {0, -1}};
    return edit->Perform(EM_FORMATRANGE, render ? 1 : 0, reinterpret_cast<LPARAM>(&range));
  }
  int forms_ = 0;
};

TEST_F(RichEditTest, LinesReadRichTextAndWriteItBack) {
  TRichEdit* edit = NewEdit();
  Load(edit, kTwoColours);
  ASSERT_EQ(edit->Lines()->Count(), 2);
  EXPECT_EQ(edit->Lines()->Strings(1), "Blue line");
  EXPECT_EQ(edit->Document().Paragraphs[0].Runs[0].Format.Color, TColor(0x0000FF));
  const std::string saved = Saved(edit);
  EXPECT_EQ(ReadRichText(saved), edit->Document()) << saved;

  edit->Lines()->Insert(1, "middle");
  edit->Lines()->SetStrings(0, "Changed");
  edit->Lines()->Delete(2);
  EXPECT_EQ(edit->Document().PlainText(), "Changed\r\nmiddle");
  EXPECT_EQ(edit->Document().Paragraphs[0].Runs[0].Format.Color, TColor(0x0000FF));   // Put keeps the format

  Load(edit, "plain\r\nlines");   // not rich text: lines as they stand
  EXPECT_EQ(edit->Document().PlainText(), "plain\r\nlines");
  edit->SetPlainText(true);
  Load(edit, kTwoColours);   // PlainText: the RTF is text
  EXPECT_EQ(edit->Lines()->Strings(0), kTwoColours);
  EXPECT_EQ(Saved(edit), kTwoColours + "\r\n");
}

TEST_F(RichEditTest, SelectedTextTakesAColour) {
  TRichEdit* edit = NewEdit();
  Load(edit, R"({\rtf1 abcdef\par gh})");
  edit->SetSelStart(2);
  edit->SetSelLength(6);   // "cdef", the break and "g"
  edit->SetSelTextColor(TColor(0x00FF00));
  const TRichDocument& doc = edit->Document();
  ASSERT_EQ(doc.Paragraphs[0].Runs.size(), 2u);
  EXPECT_EQ(doc.Paragraphs[0].Runs[1].Text, "cdef");
  EXPECT_EQ(doc.Paragraphs[0].Runs[1].Format.Color, TColor(0x00FF00));
  ASSERT_EQ(doc.Paragraphs[1].Runs.size(), 2u);
  EXPECT_EQ(doc.Paragraphs[1].Runs[0].Text, "g");
  EXPECT_EQ(doc.Paragraphs[1].Runs[1].Format.Color, clDefault);
  edit->SelectAll();
  EXPECT_EQ(edit->SelLength(), 9);
}

TEST_F(RichEditTest, FormatRangeDrawsInsideItsRectangleOnly) {
  TRichEdit* edit = NewEdit();
  Load(edit, kTwoColours);
  TestCanvas canvas(200, 100);
  const TRect one{10, 10, 190, 30};   // room for the first line only
  EXPECT_EQ(FormatRange(edit, canvas.dc(), one, false), 9);
  EXPECT_EQ(canvas.Count(0xFFFFFF), 200 * 100) << "measuring draws nothing";
  EXPECT_EQ(FormatRange(edit, canvas.dc(), one, true), 9);
  EXPECT_GT(canvas.Count(RGB(255, 0, 0)), 10) << canvas.Picture();
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      if (x < one.Left || x >= one.Right || y < one.Top || y >= one.Bottom) {
        ASSERT_EQ(canvas.At(x, y), 0xFFFFFFu) << x << "," << y << canvas.Picture();
      }
    }

  TestCanvas tall(200, 100);
  EXPECT_EQ(FormatRange(edit, tall.dc(), {10, 10, 190, 90}, true), edit->Document().CharCount());
  EXPECT_GT(tall.Count(RGB(0, 0, 255)), 10) << tall.Picture();
  EXPECT_EQ(edit->Perform(EM_FORMATRANGE, 0, 0), 0);
}

TEST_F(RichEditTest, ResizeRequestsReachTheControlAsTheContentGrows) {
  TRichEdit* edit = NewEdit();
  std::vector<TRect> requests;
  TWndMethod original = edit->WindowProc;
  edit->WindowProc = [&requests, original](TMessage& m) {
    if (m.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == EN_REQUESTRESIZE)
      requests.push_back(reinterpret_cast<REQRESIZE*>(m.LParam)->rc);
    original(m);
  };
  Load(edit, R"({\rtf1 one})");
  EXPECT_TRUE(requests.empty()) << "no request without the event mask";
  edit->Perform(EM_SETEVENTMASK, 0, ENM_REQUESTRESIZE);
  EXPECT_EQ(edit->Perform(EM_GETEVENTMASK, 0, 0), LRESULT(ENM_REQUESTRESIZE));
  Load(edit, R"({\rtf1 one})");
  Load(edit, R"({\rtf1 one\par two\par three})");
  ASSERT_EQ(requests.size(), 2u);
  const int lineHeight = requests[0].Bottom - requests[0].Top;
  EXPECT_GT(lineHeight, 8);
  EXPECT_EQ(requests[1].Bottom - requests[1].Top, 3 * lineHeight);
  EXPECT_EQ(requests[1].Right - requests[1].Left, edit->ClientWidth());

  Load(edit, R"({\rtf1 a line much too long for a hundred pixels to hold})");   // wraps over lines
  EXPECT_GT(requests.back().Bottom - requests.back().Top, lineHeight);
  edit->SetWordWrap(false);   // one line, as wide as its text
  EXPECT_EQ(requests.back().Bottom - requests.back().Top, lineHeight);
  EXPECT_GT(requests.back().Right - requests.back().Left, 100);
}

}  // namespace
