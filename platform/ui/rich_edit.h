// TCustomRichEdit and TRichEdit: a control showing rich text (rich_text.h), laid out by
// rich_text_layout.h in its font (the default of runs without their own font, size or colour).
//
// Lines is the text as paragraphs: Get, Put, Insert and Delete work on paragraph texts (inserted
// ones take the control's format); LoadFromStream reads the stream's rest as RTF when it starts
// as rich text ("{\") and PlainText is false, else as plain lines; SaveToStream writes RTF, or
// the lines with CR LF when PlainText is set.  Selection (SelStart, SelLength, SelectAll) counts
// characters as TRichDocument::CharCount does; SetSelTextColor colours the selected characters.
//
// Messages: EM_FORMATRANGE lays the text out at the FORMATRANGE's rectangle (twips of the target
// context) and, with a non-zero wParam, draws it there from the first character, clipped to the
// rectangle; it answers the index after the last line that fits whole (CharCount when all do; a
// null lParam frees nothing: the control caches no layout).
// EM_REQUESTRESIZE, and every content change while EM_SETEVENTMASK holds ENM_REQUESTRESIZE, send
// EN_REQUESTRESIZE to the parent as WM_NOTIFY (reflected to the control as CN_NOTIFY): the
// rectangle the content asks for, from the control's left-top, as wide as the client (WordWrap)
// or the widest line and as high as the lines.  Typing into the control is not built: it shows,
// prints and measures.
#pragma once

#include <memory>

#include "platform/ui/custom_control.h"
#include "platform/ui/rich_text.h"
#include "platform/window_classes/notification_header.h"

class TStrings;
struct TRichTextDefaults;

inline constexpr UINT EM_GETEVENTMASK = WM_USER + 59, EM_FORMATRANGE = WM_USER + 57,
                      EM_REQUESTRESIZE = WM_USER + 65, EM_SETEVENTMASK = WM_USER + 69;
inline constexpr UINT EN_REQUESTRESIZE = 0x0701;
inline constexpr DWORD ENM_REQUESTRESIZE = 0x00040000;

struct CHARRANGE {
  LONG cpMin;
  LONG cpMax;
};
struct FORMATRANGE {
  HDC hdc;
  HDC hdcTarget;
  TRect rc;       // twips
  TRect rcPage;   // twips
  CHARRANGE chrg;
};
struct REQRESIZE {
  NMHDR nmhdr;
  TRect rc;
};

class TCustomRichEdit : public TCustomControl {
  PR_CLASS(TCustomRichEdit, TCustomControl)

 public:
  explicit TCustomRichEdit(TComponent* AOwner);
  ~TCustomRichEdit() override;

  TStrings* Lines() const { return lines_.get(); }
  void SetLines(TStrings* Value);
  bool PlainText() const { return plainText_; }
  void SetPlainText(bool Value) { plainText_ = Value; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  const TRichDocument& Document() const { return document_; }
  void SetDocument(TRichDocument Value);
  void Clear();

  Integer SelStart() const { return selStart_; }
  void SetSelStart(Integer Value);
  Integer SelLength() const { return selLength_; }
  void SetSelLength(Integer Value);
  void SelectAll();
  void SetSelTextColor(TColor Value);

  void Dispatch(TMessage& Message) override;

 protected:
  void Paint() override;
  TRichTextDefaults Defaults() const;

 private:
  friend class TRichEditStrings;
  void DocumentChanged();
  LRESULT FormatRange(WPARAM Render, const FORMATRANGE* Range);
  void RequestResize();

  TRichDocument document_;
  std::unique_ptr<TStrings> lines_;
  bool plainText_ = false;
  bool wordWrap_ = true;
  Integer selStart_ = 0;
  Integer selLength_ = 0;
  DWORD eventMask_ = 0;
};

class TRichEdit : public TCustomRichEdit {
  PR_CLASS(TRichEdit, TCustomRichEdit)

 public:
  explicit TRichEdit(TComponent* AOwner) : TCustomRichEdit(AOwner) {}
};
