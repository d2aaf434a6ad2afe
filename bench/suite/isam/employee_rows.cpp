// Employee rows for the benchmarks.
#include "bench/suite/isam/employee_rows.h"

#include <algorithm>
#include <chrono>
#include <numeric>

#include "platform/os/random.h"

std::vector<EmployeeRow> MakeEmployeeRows(int count, unsigned long long seed) {
  RandomSource rnd(seed);
  std::vector<int> order(static_cast<size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  for (int i = count - 1; i > 0; --i) std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(rnd.Random(i + 1))]);
  std::vector<EmployeeRow> rows(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    EmployeeRow& r = rows[static_cast<size_t>(i)];
    const int n = order[static_cast<size_t>(i)];
    r.key[0] = "E" + std::to_string(10000000 + i);
    r.key[1] = "ID" + std::to_string(300000000 + n * 7);
    r.key[2] = "Name " + std::to_string(rnd.Random(20000)) + " Surname";
    r.key[3] = "Position " + std::to_string(rnd.Random(300)) + " of the department";
    r.key[4] = "Dept " + std::to_string(rnd.Random(40));
    r.record.assign(4, '\0');
    for (const auto& k : r.key) {
      r.record += static_cast<char>(k.size());
      r.record += k;
    }
    r.record.resize(2567, '\0');
  }
  return rows;
}

double NowSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double SecondsSince(double start) { return NowSeconds() - start; }
