// Employee-sized rows for the record-file benchmarks: a 2,567-byte record and the texts of the
// employee file's five keys (code 9, id 11, name 26 with duplicates, position 40 with duplicates,
// department 20 with duplicates), drawn from a fixed seed.  As in an import of new employees, the
// codes ascend; the identity numbers come in random order; names are drawn from 20,000, positions
// from 300 and departments from 40 values.
#pragma once

#include <string>
#include <vector>

struct EmployeeRow {
  std::string key[5];
  std::string record;   // 2,567 bytes, status word 0
};

std::vector<EmployeeRow> MakeEmployeeRows(int count, unsigned long long seed);
double SecondsSince(double start);
double NowSeconds();
