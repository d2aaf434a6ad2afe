// Reading and writing picture bytes on streams: the rest of a stream, and the length-prefixed
// block (a 4-byte little-endian length, then that many bytes) the component stream's "Data"
// property holds for bitmaps and JPEG images.
#pragma once

#include <vector>

#include "platform/core/types.h"

class TStream;
class TCustomMemoryStream;

// The bytes from the stream's position to its end.
std::vector<Byte> ReadRest(TStream* Stream);
// A length-prefixed block; EReadError when the stream ends before the length it gives.
std::vector<Byte> ReadSized(TStream* Stream);
void WriteSized(TStream* Stream, TCustomMemoryStream& Bytes);
