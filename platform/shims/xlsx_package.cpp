#include "platform/shims/xlsx_package.h"

#include <expat.h>
#include <zip.h>

#include <exception>
#include <memory>

#include "platform/core/format.h"

namespace {

std::string_view LocalName(std::string_view name) {
  const std::size_t bar = name.rfind('|');
  return bar == std::string_view::npos ? name : name.substr(bar + 1);
}

// The parser's callbacks run inside C code, which exceptions must not cross: a callback keeps what
// it threw and stops the parser, and ReadPart throws it again.
struct TParseContext {
  XML_Parser parser;
  TXmlPartHandler& handler;
  std::exception_ptr error;
  bool doctype = false;
};

template <class Call>
void Guarded(void* data, Call call) {
  auto* context = static_cast<TParseContext*>(data);
  if (context->error) return;
  try {
    call(*context);
  } catch (...) {
    context->error = std::current_exception();
    XML_StopParser(context->parser, XML_FALSE);
  }
}

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
  Guarded(data, [&](TParseContext& c) { c.handler.StartElement(LocalName(name), TXmlAttributes(attributes)); });
}

void XMLCALL OnEnd(void* data, const XML_Char* name) {
  Guarded(data, [&](TParseContext& c) { c.handler.EndElement(LocalName(name)); });
}

void XMLCALL OnText(void* data, const XML_Char* text, int length) {
  Guarded(data, [&](TParseContext& c) { c.handler.Text(std::string_view(text, std::size_t(length))); });
}

void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
  auto* context = static_cast<TParseContext*>(data);
  context->doctype = true;
  XML_StopParser(context->parser, XML_FALSE);
}

struct TParserFree {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

struct TEntryClose {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

[[noreturn]] void RaiseDamaged(std::string_view part, std::string_view why) {
  throw EWorkbookFileError(Format("the part %s is damaged: %s", {std::string(part), std::string(why)}));
}

}  // namespace

const char* TXmlAttributes::Find(std::string_view localName) const {
  for (const char** pair = pairs_; *pair != nullptr; pair += 2)
    if (LocalName(pair[0]) == localName) return pair[1];
  return nullptr;
}

TXlsxPackage::TXlsxPackage(const std::string& nativePath, std::uint64_t maxInflatedBytes)
    : inflatedLeft_(maxInflatedBytes) {
  int error = 0;
  zip_ = zip_open(nativePath.c_str(), ZIP_RDONLY, &error);
  if (zip_ == nullptr) {
    zip_error_t text;
    zip_error_init_with_code(&text, error);
    const std::string why = zip_error_strerror(&text);
    zip_error_fini(&text);
    throw EWorkbookFileError(Format("it is no workbook package (%s)", {why}));
  }
}

TXlsxPackage::~TXlsxPackage() { zip_discard(zip_); }

bool TXlsxPackage::HasPart(std::string_view name) const {
  return zip_name_locate(zip_, std::string(name).c_str(), ZIP_FL_NOCASE) >= 0;
}

void TXlsxPackage::ReadPart(std::string_view name, TXmlPartHandler& handler) {
  const zip_int64_t index = zip_name_locate(zip_, std::string(name).c_str(), ZIP_FL_NOCASE);
  if (index < 0) throw EWorkbookFileError(Format("the part %s is missing", {std::string(name)}));
  std::unique_ptr<zip_file_t, TEntryClose> entry(zip_fopen_index(zip_, zip_uint64_t(index), 0));
  if (!entry) RaiseDamaged(name, zip_strerror(zip_));
  std::unique_ptr<XML_ParserStruct, TParserFree> parser(XML_ParserCreateNS(nullptr, '|'));
  if (!parser) throw EOutOfMemory("Out of memory");
  TParseContext context{parser.get(), handler, nullptr};
  XML_SetUserData(parser.get(), &context);
  XML_SetElementHandler(parser.get(), OnStart, OnEnd);
  XML_SetCharacterDataHandler(parser.get(), OnText);
  XML_SetStartDoctypeDeclHandler(parser.get(), OnDoctype);
  char buffer[64 * 1024];
  for (;;) {
    const zip_int64_t read = zip_fread(entry.get(), buffer, sizeof buffer);
    if (read < 0) RaiseDamaged(name, zip_file_strerror(entry.get()));
    if (std::uint64_t(read) > inflatedLeft_)
      throw EWorkbookFileError("the package inflates to more bytes than a workbook may hold");
    inflatedLeft_ -= std::uint64_t(read);
    if (XML_Parse(parser.get(), buffer, int(read), read == 0) != XML_STATUS_OK) {
      if (context.error) std::rethrow_exception(context.error);
      if (context.doctype) RaiseDamaged(name, "it holds a document type declaration");
      RaiseDamaged(name, Format("%s at line %d", {XML_ErrorString(XML_GetErrorCode(parser.get())),
                                                  Int64(XML_GetCurrentLineNumber(parser.get()))}));
    }
    if (read == 0) return;
  }
}
