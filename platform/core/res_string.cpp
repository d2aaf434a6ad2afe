#include "platform/core/res_string.h"

std::string LoadResString(PResStringRec ResStringRec) {
  if (ResStringRec == nullptr || ResStringRec->Text == nullptr) return {};
  return ResStringRec->Text;
}
