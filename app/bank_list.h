// The in-memory list of banks the suite's payroll screens offer: 13 banks, each a code and a name
// (at most 30 characters).  It is built at start-up and never stored.
#pragma once

#include <string>
#include <vector>

#include "platform/core/types.h"

struct BankEntry {
  Byte Code;
  std::string Name;
};

// Entry i is bank slot i + 1.
extern std::vector<BankEntry> BankList;

void FillBankList();
void ReleaseBankList();
