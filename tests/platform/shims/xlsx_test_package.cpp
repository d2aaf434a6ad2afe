#include "xlsx_test_package.h"

#include <zip.h>

#include <algorithm>
#include <stdexcept>

namespace xlsxtest {

namespace {

constexpr std::string_view kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view kRelationships = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string Relationship(std::string_view id, std::string_view type, std::string_view target) {
  return "<Relationship Id=\"" + std::string(id) + "\" Type=\"" + std::string(kRelationships) + "/" +
         std::string(type) + "\" Target=\"" + std::string(target) + "\"/>";
}

std::string Relationships(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
         "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" + body + "</Relationships>";
}

}  // namespace

std::vector<Part> SheetPackage(std::string_view sheetData, std::string_view sharedStrings) {
  std::string links = Relationship("rId1", "worksheet", "worksheets/sheet1.xml");
  std::vector<Part> parts = {
      {"_rels/.rels", Relationships(Relationship("rId1", "officeDocument", "xl/workbook.xml"))},
      {"xl/workbook.xml", "<workbook xmlns=\"" + std::string(kMain) + "\" xmlns:r=\"" + std::string(kRelationships) +
                              "\"><sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
      {"xl/worksheets/sheet1.xml",
       "<worksheet xmlns=\"" + std::string(kMain) + "\"><sheetData>" + std::string(sheetData) + "</sheetData></worksheet>"}};
  if (!sharedStrings.empty()) {
    links += Relationship("rId2", "sharedStrings", "sharedStrings.xml");
    parts.push_back({"xl/sharedStrings.xml", "<sst xmlns=\"" + std::string(kMain) + "\">" + std::string(sharedStrings) + "</sst>"});
  }
  parts.push_back({"xl/_rels/workbook.xml.rels", Relationships(links)});
  return parts;
}

std::vector<Part> With(std::vector<Part> parts, const std::string& name, std::string bytes) {
  std::erase_if(parts, [&](const Part& p) { return p.name == name; });
  if (!bytes.empty()) parts.push_back({name, std::move(bytes)});
  return parts;
}

void WriteZip(const std::string& path, const std::vector<Part>& parts, bool stored) {
  int error = 0;
  zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (zip == nullptr) throw std::runtime_error("cannot create " + path);
  for (const Part& part : parts) {
    zip_source_t* source = zip_source_buffer(zip, part.bytes.data(), part.bytes.size(), 0);
    const zip_int64_t index = zip_file_add(zip, part.name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) throw std::runtime_error("cannot add " + part.name);
    zip_set_file_compression(zip, zip_uint64_t(index), stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
  }
  if (zip_close(zip) != 0) throw std::runtime_error("cannot write " + path);
}

}  // namespace xlsxtest
