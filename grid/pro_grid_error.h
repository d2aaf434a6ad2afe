// EProGridError: the string grid library's exception, and the fixed English texts it carries.
#pragma once

#include "platform/core/exceptions.h"

PR_DECLARE_EXCEPTION(EProGridError, Exception);

inline constexpr const char* SCellNotInteger = "Cell does not contain integer value";
inline constexpr const char* SCellNotFloat = "Cell does not contain a float value";
inline constexpr const char* SInvalidRowAccessed = "Invalid row accessed";
inline constexpr const char* SInvalidColumnAccessed = "Invalid column accessed";
inline constexpr const char* SNoSortIndexes = "No indexes specified for indexed sort";
inline constexpr const char* SCannotOpenFile = "Cannot open file ";
inline constexpr const char* SExcelServerNotFound = "Excel OLE server not found";
