// Helpers shared by the component stream tests: a component tree that uses every property kind,
// byte-level stream builders and whole-stream read/write helpers.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/memory_stream.h"
#include "platform/classes/reader.h"
#include "test_components.h"

// Form1 (Tag 7) owning Widget1 (every property kind set, a collection of two items, 40 bytes of
// binary data, Buddy = Widget2, OnClick = WidgetClick) and Widget2 (a 300-byte caption, Buddy =
// Widget1).
std::unique_ptr<TTestForm> BuildTestTree();
// Fails the current test where the two trees differ.
void ExpectSameTree(TTestForm& expected, TTestForm& actual);

std::string StreamBytes(TMemoryStream& stream);
void LoadBytes(TMemoryStream& stream, const std::string& bytes);
std::string WriteComponentBytes(TComponent* root);
// Reads a root of the stream's own class; the reader may be set up first.
std::unique_ptr<TComponent> ReadComponentBytes(const std::string& bytes,
                                               void (*setUp)(TReader&) = nullptr);

// Byte-level builders of the binary format, for hand-made fixtures.
std::string ShortStr(const std::string& s);   // length byte + bytes
std::string Int8Value(int v);                  // vaInt8
std::string Int16Value(int v);                 // vaInt16
std::string IdentValue(const std::string& s);  // vaIdent
std::string StringValue(const std::string& s); // vaString
