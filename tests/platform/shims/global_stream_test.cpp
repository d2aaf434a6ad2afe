#include "platform/shims/global_stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/user/global_memory.h"

namespace {

HGLOBAL Block(const std::string& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
  GlobalUnlock(block);
  return block;
}

TEST(GlobalStream, ReadsWritesAndSeeksWithinItsBlock) {
  HGLOBAL block = Block("abcdef");
  TInterfacePtr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, stream), S_OK);
  char buffer[8] = {};
  ULONG moved = 0;
  EXPECT_EQ(stream->Read(buffer, 4, &moved), S_OK);
  EXPECT_EQ(std::string(buffer, moved), "abcd");
  EXPECT_EQ(stream->Write("XYZ", 3, &moved), STG_E_MEDIUMFULL);   // the block does not grow
  EXPECT_EQ(moved, 2u);
  EXPECT_EQ(stream->Read(buffer, 4, &moved), S_OK);
  EXPECT_EQ(moved, 0u);

  std::uint64_t position = 0;
  EXPECT_EQ(stream->Seek(-3, STREAM_SEEK_END, &position), S_OK);
  EXPECT_EQ(position, 3u);
  EXPECT_EQ(stream->Seek(-4, STREAM_SEEK_CUR, &position), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(stream->Seek(1, 7, &position), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(stream->Seek(0, STREAM_SEEK_SET, &position), S_OK);
  EXPECT_EQ(stream->Read(buffer, 8, &moved), S_OK);
  EXPECT_EQ(std::string(buffer, moved), "abcdXY");
  std::uint64_t size = 0;
  EXPECT_EQ(stream->Size(&size), S_OK);
  EXPECT_EQ(size, 6u);
  stream = nullptr;
  EXPECT_EQ(GlobalSize(block), 6u);   // kept: not deleted on release
  GlobalFree(block);
}

TEST(GlobalStream, FreesItsBlockOnReleaseWhenAsked) {
  HGLOBAL block = Block("ab");
  TInterfacePtr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(block, TRUE, stream), S_OK);
  stream = nullptr;
  EXPECT_EQ(GlobalFree(block), block);   // already freed

  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream), S_OK);   // a new empty block
  std::uint64_t size = 1;
  EXPECT_EQ(stream->Size(&size), S_OK);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(CreateStreamOnHGlobal(block, FALSE, stream), E_INVALIDARG);
  EXPECT_FALSE(stream);
}

}  // namespace
