#include "platform/classes/filer.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TFiler)

TFiler::TFiler(TStream* Stream, Integer BufSize)
    : stream_(Stream), buffer_(static_cast<std::size_t>(BufSize < 16 ? 16 : BufSize)) {}
