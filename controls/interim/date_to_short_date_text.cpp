#include "controls/interim/date_to_short_date_text.h"

#include "platform/core/date_text.h"

void DateToShortDateText(Integer Kind, std::string& Text, TDateTime Date) {
  Text = Kind == 1 && Date != NullDate ? DateTimeToStr(Date) : std::string();
}
