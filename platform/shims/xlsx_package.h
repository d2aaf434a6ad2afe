// The parts of a workbook package (.xlsx: a zip archive of XML parts), each streamed through an
// XML parser straight from the archive, never held whole.
//
// Safety: a part holding a document type declaration is refused (so no entity can be declared,
// let alone expanded), and the bytes inflated from the archive are counted across every part read:
// passing `maxInflatedBytes` stops the read.  Damaged archives, damaged entries (a wrong checksum
// included) and malformed XML raise EWorkbookFileError saying which part.
//
// Names reach the handler without their namespace (the local name): the package's parts use
// namespaced elements and attributes whose prefixes vary between writers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/shims/worksheet_cells.h"

using zip_t = struct zip;

// The attributes of one element as the parser gives them: name and value pairs, null-terminated.
class TXmlAttributes {
 public:
  explicit TXmlAttributes(const char** pairs) : pairs_(pairs) {}
  // The value of the attribute with that local name, null when the element has none.
  const char* Find(std::string_view localName) const;

 private:
  const char** pairs_;
};

// What a part's reader is told while the part streams through the parser.  Exceptions thrown here
// stop the parser and reach the caller of ReadPart.
class TXmlPartHandler {
 public:
  virtual ~TXmlPartHandler() = default;
  virtual void StartElement(std::string_view name, const TXmlAttributes& attributes) = 0;
  virtual void EndElement(std::string_view name) = 0;
  // Character data, in pieces of any size.
  virtual void Text(std::string_view) {}
};

class TXlsxPackage {
 public:
  // EWorkbookFileError when the file is no zip archive.
  TXlsxPackage(const std::string& nativePath, std::uint64_t maxInflatedBytes);
  ~TXlsxPackage();
  TXlsxPackage(const TXlsxPackage&) = delete;
  TXlsxPackage& operator=(const TXlsxPackage&) = delete;

  // Part names are archive paths without a leading '/', compared ignoring ASCII case.
  bool HasPart(std::string_view name) const;
  void ReadPart(std::string_view name, TXmlPartHandler& handler);

 private:
  zip_t* zip_;
  std::uint64_t inflatedLeft_;
};
