// The exception classes of the component model, streams, filers, lists and ini files, with the
// class library's hierarchy: EStreamError (platform/core) <- EFilerError <- EReadError,
// EWriteError, EClassNotFound, EMethodNotFound, EInvalidImage; EStreamError <- EFCreateError,
// EFOpenError.  Their message texts are in classes_texts.h.
#pragma once

#include "platform/core/exceptions.h"

PR_DECLARE_EXCEPTION(EFilerError, EStreamError);
PR_DECLARE_EXCEPTION(EReadError, EFilerError);
PR_DECLARE_EXCEPTION(EWriteError, EFilerError);
PR_DECLARE_EXCEPTION(EClassNotFound, EFilerError);
PR_DECLARE_EXCEPTION(EMethodNotFound, EFilerError);
PR_DECLARE_EXCEPTION(EInvalidImage, EFilerError);
PR_DECLARE_EXCEPTION(EFCreateError, EStreamError);
PR_DECLARE_EXCEPTION(EFOpenError, EStreamError);
PR_DECLARE_EXCEPTION(EResNotFound, Exception);
PR_DECLARE_EXCEPTION(EComponentError, Exception);
PR_DECLARE_EXCEPTION(EStringListError, EListError);
PR_DECLARE_EXCEPTION(EParserError, Exception);
PR_DECLARE_EXCEPTION(EPropertyError, Exception);
PR_DECLARE_EXCEPTION(EPropertyConvertError, Exception);
PR_DECLARE_EXCEPTION(EThread, Exception);
PR_DECLARE_EXCEPTION(EIniFileException, Exception);
