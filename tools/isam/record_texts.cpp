// Record layout of the isam tool.
#include "tools/isam/record_texts.h"

bool BuildRecord(const std::vector<std::string>& texts, Integer length, std::string& record) {
  record.assign(4, '\0');
  for (const std::string& t : texts) {
    if (t.size() > 255) return false;
    record += static_cast<char>(t.size());
    record += t;
  }
  if (static_cast<Integer>(record.size()) > length) return false;
  record.resize(static_cast<size_t>(length), '\0');
  return true;
}

std::vector<std::string> RecordTexts(const std::string& record, Integer count) {
  std::vector<std::string> texts;
  size_t at = 4;
  for (Integer k = 0; k < count && at < record.size(); ++k) {
    const size_t n = static_cast<unsigned char>(record[at]);
    if (at + 1 + n > record.size()) break;
    texts.push_back(record.substr(at + 1, n));
    at += 1 + n;
  }
  return texts;
}
