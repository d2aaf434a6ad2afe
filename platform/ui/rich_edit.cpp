#include "platform/ui/rich_edit.h"

#include <algorithm>

#include "platform/classes/publisher.h"
#include "platform/classes/stream.h"
#include "platform/classes/tstrings.h"
#include "platform/core/mul_div.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/ui/canvas.h"
#include "platform/ui/font.h"
#include "platform/ui/rich_text_layout.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_tree.h"

// The paragraphs of a rich edit as a TStrings (see rich_edit.h).
class TRichEditStrings : public TStrings {
  PR_CLASS(TRichEditStrings, TStrings)

 public:
  explicit TRichEditStrings(TCustomRichEdit* Edit) : edit_(Edit) {}

  void Clear() override { edit_->SetDocument({}); }
  void Delete(Integer Index) override {
    if (!InRange(Index)) return;
    TRichDocument document = edit_->Document();
    document.Paragraphs.erase(document.Paragraphs.begin() + Index);
    edit_->SetDocument(std::move(document));
  }
  void Insert(Integer Index, const std::string& S) override {
    TRichDocument document = edit_->Document();
    TRichParagraph paragraph;
    if (!S.empty()) paragraph.Runs.push_back(TRichRun{S, {}});
    document.Paragraphs.insert(document.Paragraphs.begin() + std::clamp<Integer>(Index, 0, Count()),
                               std::move(paragraph));
    edit_->SetDocument(std::move(document));
  }
  void LoadFromStream(TStream* Stream) override {
    const Int64 size = Stream->Size() - Stream->Position();
    std::string text(static_cast<size_t>(std::max<Int64>(size, 0)), '\0');
    Stream->ReadBuffer(text.data(), static_cast<Integer>(text.size()));
    if (edit_->PlainText() || !IsRichText(text)) {
      SetText(text);
      return;
    }
    edit_->SetDocument(ReadRichText(text));
  }
  void SaveToStream(TStream* Stream) override {
    if (edit_->PlainText()) return TStrings::SaveToStream(Stream);
    const std::string rtf = WriteRichText(edit_->Document());
    Stream->WriteBuffer(rtf.data(), static_cast<Integer>(rtf.size()));
  }

 protected:
  std::string Get(Integer Index) const override {
    return InRange(Index) ? edit_->Document().Paragraphs[Index].PlainText() : std::string();
  }
  Integer GetCount() const override { return Integer(edit_->Document().Paragraphs.size()); }
  void Put(Integer Index, const std::string& S) override {
    if (!InRange(Index)) return;
    TRichDocument document = edit_->Document();
    TRichParagraph& paragraph = document.Paragraphs[Index];
    const TRichCharFormat format = paragraph.Runs.empty() ? TRichCharFormat{} : paragraph.Runs.front().Format;
    paragraph.Runs.clear();
    if (!S.empty()) paragraph.Runs.push_back(TRichRun{S, format});
    edit_->SetDocument(std::move(document));
  }

 private:
  bool InRange(Integer Index) const { return Index >= 0 && Index < GetCount(); }

  TCustomRichEdit* edit_;
};

PR_IMPLEMENT_CLASS(TRichEditStrings)
PR_IMPLEMENT_CLASS(TCustomRichEdit)
PR_IMPLEMENT_CLASS(TRichEdit)

namespace {

// Colours the characters [From, To) of Document, splitting the runs they cut.
void ColorRange(TRichDocument& Document, Integer From, Integer To, TColor Color) {
  Integer position = 0;
  for (TRichParagraph& paragraph : Document.Paragraphs) {
    std::vector<TRichRun> runs;
    for (TRichRun& run : paragraph.Runs) {
      const Integer start = position, end = position + Integer(run.Text.size());
      position = end;
      const Integer a = std::clamp(From, start, end) - start, b = std::clamp(To, start, end) - start;
      const std::string text = run.Text;
      auto add = [&](size_t offset, size_t count, TColor color) {
        if (count == 0) return;
        TRichRun piece{text.substr(offset, count), run.Format};
        piece.Format.Color = color;
        if (!runs.empty() && runs.back().Format == piece.Format) runs.back().Text += piece.Text;
        else runs.push_back(std::move(piece));
      };
      add(0, size_t(a), run.Format.Color);
      add(size_t(a), size_t(b - a), Color);
      add(size_t(b), text.size() - size_t(b), run.Format.Color);
    }
    paragraph.Runs = std::move(runs);
    ++position;   // the paragraph break
  }
}

}  // namespace

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner)
    : TCustomControl(AOwner), lines_(std::make_unique<TRichEditStrings>(this)) {
  SetBounds(Left(), Top(), 185, 89);
  SetColor(clWindow);
  SetTabStop(true);
}

TCustomRichEdit::~TCustomRichEdit() = default;

void TCustomRichEdit::SetLines(TStrings* Value) { lines_->Assign(Value); }

void TCustomRichEdit::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  DocumentChanged();
}

void TCustomRichEdit::SetDocument(TRichDocument Value) {
  document_ = std::move(Value);
  selStart_ = std::min(selStart_, document_.CharCount());
  selLength_ = std::min(selLength_, document_.CharCount() - selStart_);
  DocumentChanged();
}

void TCustomRichEdit::Clear() { SetDocument({}); }

void TCustomRichEdit::SetSelStart(Integer Value) {
  selStart_ = std::clamp(Value, 0, document_.CharCount());
  selLength_ = 0;
}

void TCustomRichEdit::SetSelLength(Integer Value) {
  selLength_ = std::clamp(Value, 0, document_.CharCount() - selStart_);
}

void TCustomRichEdit::SelectAll() {
  selStart_ = 0;
  selLength_ = document_.CharCount();
}

void TCustomRichEdit::SetSelTextColor(TColor Value) {
  if (selLength_ == 0) return;
  TRichDocument document = document_;
  ColorRange(document, selStart_, selStart_ + selLength_, Value);
  SetDocument(std::move(document));
}

TRichTextDefaults TCustomRichEdit::Defaults() const {
  return TRichTextDefaults{Font()->Name(), Font()->Size() * 2, Font()->Color()};
}

void TCustomRichEdit::DocumentChanged() {
  Invalidate();
  if ((eventMask_ & ENM_REQUESTRESIZE) != 0) RequestResize();
}

void TCustomRichEdit::Paint() {
  const TRect client = ClientRect();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(client);
  HDC dc = Canvas()->Handle();
  const TRichTextDefaults defaults = Defaults();
  DrawRichText(dc, LayoutRichText(dc, document_, defaults, client.Right, wordWrap_), defaults, {0, 0}, client);
}

LRESULT TCustomRichEdit::FormatRange(WPARAM Render, const FORMATRANGE* Range) {
  if (Range == nullptr) return 0;
  HDC target = Range->hdcTarget != nullptr ? Range->hdcTarget : Range->hdc;
  const int x = GetDeviceCaps(target, LOGPIXELSX), y = GetDeviceCaps(target, LOGPIXELSY);
  const TRect r{MulDiv(Range->rc.Left, x, 1440), MulDiv(Range->rc.Top, y, 1440), MulDiv(Range->rc.Right, x, 1440),
                MulDiv(Range->rc.Bottom, y, 1440)};
  const TRichTextDefaults defaults = Defaults();
  const TRichLayout layout = LayoutRichText(target, document_, defaults, r.Right - r.Left, wordWrap_);
  Integer fits = 0;
  for (const TRichLine& line : layout.Lines) {
    if (line.Top + line.Height > r.Bottom - r.Top) break;
    fits = std::min(line.EndChar, document_.CharCount());
  }
  if (Render != 0) DrawRichText(Range->hdc, layout, defaults, {r.Left, r.Top}, r);
  return fits;
}

void TCustomRichEdit::RequestResize() {
  if (!HandleAllocated()) return;
  HWND parent = GetParent(Handle());
  if (parent == nullptr) return;
  HDC dc = GetDC(Handle());
  const TRichTextDefaults defaults = Defaults();
  const Integer width = ClientWidth();
  const TRichLayout layout = LayoutRichText(dc, document_, defaults, width, wordWrap_);
  ReleaseDC(Handle(), dc);
  REQRESIZE request{{Handle(), 0, EN_REQUESTRESIZE},
                    {Left(), Top(), Left() + (wordWrap_ ? width : layout.Width), Top() + layout.Height}};
  SendMessageA(parent, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
}

void TCustomRichEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case EM_FORMATRANGE:
      Message.Result = FormatRange(Message.WParam, reinterpret_cast<const FORMATRANGE*>(Message.LParam));
      return;
    case EM_REQUESTRESIZE:
      RequestResize();
      Message.Result = 0;
      return;
    case EM_SETEVENTMASK:
      Message.Result = LRESULT(eventMask_);
      eventMask_ = DWORD(Message.LParam);
      return;
    case EM_GETEVENTMASK:
      Message.Result = LRESULT(eventMask_);
      return;
    default:
      inherited::Dispatch(Message);
  }
}
