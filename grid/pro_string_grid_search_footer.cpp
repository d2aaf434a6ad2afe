// TProStringGrid: the search footer's settings kept in step with its panel.
#include "grid/control_look.h"
#include "grid/pro_grid_button.h"
#include "grid/pro_string_grid.h"
#include "grid/search_footer.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/font.h"

void TProStringGrid::BindSearchFooter() {
  searchFooter_->OnChange.Bind(this, &TProStringGrid::UpdateSearchPanel);
  searchPanel_->OnEditChange.Bind(this, &TProStringGrid::SearchEditChanged);
  searchPanel_->OnForwardClick.Bind(this, &TProStringGrid::SearchFindNext);
  searchPanel_->OnBackwardClick.Bind(this, &TProStringGrid::SearchFindPrevious);
  searchPanel_->OnExitClick.Bind(this, &TProStringGrid::SearchClose);
  searchPanel_->OnHighlightClick.Bind(this, &TProStringGrid::SearchHighlightToggled);
  UpdateSearchPanel();
}

// The edit repaints only on a size change: its width goes one pixel out and back.
void TProStringGrid::RefreshSearchPanel() {
  searchPanel_->Invalidate();
  TEdit* edit = searchPanel_->SearchEdit();
  edit->SetWidth(edit->Width() + 1);
  edit->SetWidth(edit->Width() - 1);
}

void TProStringGrid::UpdateSearchPanel(TObject*) {
  TSearchFooter* footer = searchFooter_.get();
  TSearchPanel* panel = searchPanel_;
  panel->SetColor(footer->Color());
  panel->SetColorTo(footer->ColorTo());
  panel->SetVisible(footer->Visible());
  panel->FindNextCaption = footer->FindNextCaption();
  panel->FindPrevCaption = footer->FindPrevCaption();
  panel->MatchCaseCaption = footer->MatchCaseCaption();
  panel->HighLightCaption = footer->HighLightCaption();
  panel->HintFindNext = footer->HintFindNext();
  panel->HintFindPrev = footer->HintFindPrev();
  panel->HintClose = footer->HintClose();
  panel->HintHighlight = footer->HintHighlight();
  panel->Font()->Assign(footer->Font());
  ApplySearchButtonLook();
  panel->HighlightButton()->SetVisible(footer->ShowHighLight());
  panel->CloseButton()->SetVisible(footer->ShowClose());
  panel->MatchCase()->SetVisible(footer->ShowMatchCase());
  panel->FindPrevButton()->SetVisible(footer->ShowFindPrev());
  panel->FindNextButton()->SetVisible(footer->ShowFindNext());
  panel->ApplyTexts();
  panel->ApplyLayout();
  panel->SetHeight(footer->Visible() ? TSearchPanel::kVisibleHeight : 0);
}

// The flat look makes the text buttons flat; the XP look (without theme adaptation) gives them the
// style's push button, the classic look the classic frame; theme adaptation takes the schemes and
// flat faces.  Other looks leave them as they are.
void TProStringGrid::ApplySearchButtonLook() {
  const ProGrid::TControlStyle style = controlLook_->ControlStyle();
  for (TProGridButton* button :
       {searchPanel_->FindNextButton(), searchPanel_->FindPrevButton(), searchPanel_->HighlightButton()}) {
    if (style == ProGrid::csFlat) {
      button->SetFlat(true);
    } else if (style == ProGrid::csClassic || (style == ProGrid::csWinXP && !autoThemeAdapt_)) {
      button->SetAutoXPStyle(style == ProGrid::csWinXP);
      button->SetFlat(false);
    }
    if (autoThemeAdapt_) {
      button->SetAutoThemeAdapt(true);
      button->SetFlat(true);
    }
  }
}
