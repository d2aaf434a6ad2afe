// The user-visible texts of the component model, byte for byte as the class library words them.
// Texts with %s / %d are Format patterns.
#pragma once

namespace classes_text {


inline constexpr const char* kAssignError = "Cannot assign a %s to a %s";
inline constexpr const char* kDuplicateName = "A component named %s already exists";
inline constexpr const char* kInvalidName = "'%s' is not a valid component name";
inline constexpr const char* kClassNotFound = "Class %s not found";
inline constexpr const char* kDuplicateClass = "A class named %s already exists";
inline constexpr const char* kCannotCreate = "Cannot create an instance of %s";
inline constexpr const char* kInvalidTypecast = "Invalid class typecast";

inline constexpr const char* kListIndexError = "List index out of bounds (%d)";
inline constexpr const char* kListCapacityError = "List capacity out of bounds (%d)";
inline constexpr const char* kListCountError = "List count out of bounds (%d)";
inline constexpr const char* kDuplicateItem = "List does not allow duplicates ($0%x)";
inline constexpr const char* kDuplicateString = "String list does not allow duplicates";
inline constexpr const char* kSortedListError = "Operation not allowed on sorted list";

inline constexpr const char* kReadError = "Stream read error";
inline constexpr const char* kWriteError = "Stream write error";
inline constexpr const char* kMemoryStreamError = "Out of memory while expanding memory stream";
inline constexpr const char* kFCreateError = "Cannot create file \"%s\". %s";
inline constexpr const char* kFOpenError = "Cannot open file \"%s\". %s";
inline constexpr const char* kResNotFound = "Resource %s not found";
inline constexpr const char* kCantWriteResourceStream = "Can't write to a read-only resource stream";

inline constexpr const char* kInvalidImage = "Invalid stream format";
inline constexpr const char* kUnknownProperty = "Property %s does not exist";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kInvalidPropertyPath = "Invalid property path";
inline constexpr const char* kInvalidPropertyType = "Invalid property type: %s";
inline constexpr const char* kInvalidPropertyElement = "Invalid property element: %s";
inline constexpr const char* kReadOnlyProperty = "Property is read-only";
inline constexpr const char* kPropertyException = "Error reading %s%s%s: %s";
inline constexpr const char* kAncestorNotFound = "Ancestor for '%s' not found";
inline constexpr const char* kInvalidBinary = "Invalid binary value";

inline constexpr const char* kParseError = "%s on line %d";
inline constexpr const char* kIdentifierExpected = "Identifier expected";
inline constexpr const char* kStringExpected = "String expected";
inline constexpr const char* kNumberExpected = "Number expected";
inline constexpr const char* kCharExpected = "'%s' expected";
inline constexpr const char* kSymbolExpected = "%s expected";
inline constexpr const char* kInvalidString = "Invalid string constant";
inline constexpr const char* kInvalidProperty = "Invalid property";
inline constexpr const char* kLineTooLong = "Line too long";

inline constexpr const char* kIniFileWriteError = "Unable to write to %s";
inline constexpr const char* kThreadCreateError = "Thread creation error: %s";

}  // namespace classes_text
