#include "app/bank_list.h"

#include "platform/core/cp874.h"

std::vector<BankEntry> BankList;

void FillBankList() {
  // Slots 5 and 6 hold codes 6 and 5, in that order.
  BankList = {
      {1, std::string("ธนาคารกรุงเทพ"_cp874)},       {2, std::string("ธนาคารกรุงไทย"_cp874)},
      {3, std::string("ธนาคารไทยพาณิชย์"_cp874)},    {4, std::string("ธนาคารกสิกรไทย"_cp874)},
      {6, std::string("ธนาคารทหารไทย"_cp874)},       {5, std::string("ธนาคารไทยทนุ"_cp874)},
      {7, std::string("ธนาคารไทยธนาคาร"_cp874)},     {8, std::string("ธนาคารนครหลวงไทย"_cp874)},
      {9, std::string("ธนาคารกรุงศรีอยุธยา"_cp874)}, {10, std::string("ธนาคารเอเชีย"_cp874)},
      {11, std::string("ธนาคารศรีนคร"_cp874)},       {12, std::string("ธนาคารรัตนสิน"_cp874)},
      {13, std::string("สแตนดาร์ดชาร์เตอร์"_cp874)},
  };
}

void ReleaseBankList() { BankList = {}; }
