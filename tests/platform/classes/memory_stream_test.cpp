#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/classes/classes_errors.h"
#include "platform/classes/file_stream.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/string_stream.h"
#include "tests/support/os/temp_folder.h"

namespace {

TEST(MemoryStream, GrowsSeeksPastTheEndAndReadsWhatIsThere) {
  TMemoryStream s;
  s.WriteBuffer("abc", 3);
  EXPECT_EQ(s.Size(), 3);
  EXPECT_EQ(s.Capacity(), 8192);
  EXPECT_EQ(s.Seek(5, soBeginning), 5);
  s.WriteBuffer("z", 1);   // the gap becomes zeros
  EXPECT_EQ(s.Size(), 6);
  EXPECT_EQ(std::memcmp(s.Memory(), "abc\0\0z", 6), 0);
  s.SetPosition(4);
  char buffer[4] = {};
  EXPECT_EQ(s.Read(buffer, 4), 2);
  EXPECT_EQ(s.Read(buffer, 4), 0);
  EXPECT_THROW(s.ReadBuffer(buffer, 1), EReadError);
  s.SetSize(2);
  EXPECT_EQ(s.Position(), 2);
  s.Clear();
  EXPECT_EQ(s.Size(), 0);
  EXPECT_EQ(s.Capacity(), 0);
}

TEST(MemoryStream, GrowingAndShrinkingKeepTheBytesBelowTheSize) {
  TMemoryStream s;
  std::string expected;
  for (int i = 0; i < 300; ++i) {   // many growths of the block
    const std::string piece(997, static_cast<char>('a' + i % 26));
    s.WriteBuffer(piece.data(), static_cast<Integer>(piece.size()));
    expected += piece;
  }
  EXPECT_EQ(std::string(static_cast<const char*>(s.Memory()), expected.size()), expected);
  EXPECT_GE(s.Capacity(), s.Size());
  EXPECT_EQ(s.Capacity() % 8192, 0);
  s.SetCapacity(10);   // exact, in whole steps; the size follows a smaller capacity
  EXPECT_EQ(s.Capacity(), 8192);
  EXPECT_EQ(s.Size(), 8192);
  EXPECT_EQ(std::string(static_cast<const char*>(s.Memory()), 8192), expected.substr(0, 8192));
  s.SetSize(4);
  s.SetSize(9000);   // the added bytes are zeros, not what was there before
  EXPECT_EQ(std::string(static_cast<const char*>(s.Memory()) + 4, 8996), std::string(8996, '\0'));
  EXPECT_THROW(s.SetSize(Int64{1} << 50), EStreamError);
  s.Seek(Int64{1} << 50, soBeginning);
  EXPECT_THROW(s.WriteBuffer("x", 1), EStreamError);
  EXPECT_EQ(s.Size(), 9000);
}

TEST(MemoryStream, CopiesAndFilesRoundTrip) {
  TempFolder folder;
  TMemoryStream source;
  std::string data(20000, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 31);
  source.WriteBuffer(data.data(), static_cast<Integer>(data.size()));
  TMemoryStream copy;
  EXPECT_EQ(copy.CopyFrom(&source, 0), 20000);
  EXPECT_EQ(std::memcmp(copy.Memory(), data.data(), data.size()), 0);
  copy.SaveToFile(folder / "data.bin");
  EXPECT_EQ(ReadRawFile(folder / "data.bin"), data);
  TMemoryStream loaded;
  loaded.LoadFromFile(folder / "data.bin");
  EXPECT_EQ(loaded.Size(), 20000);
  EXPECT_EQ(loaded.Position(), 0);
}

TEST(FileStream, ModesAndErrors) {
  TempFolder folder;
  {
    TFileStream f(folder / "a.txt", fmCreate);
    f.WriteBuffer("hello", 5);
  }
  {
    TFileStream reader(folder / "a.txt", fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(reader.Size(), 5);
    char buffer[5];
    EXPECT_THROW(reader.WriteBuffer("x", 1), EWriteError);
    reader.ReadBuffer(buffer, 5);
    // Another handle may open while sharing allows it; an exclusive open may not.
    TFileStream other(folder / "a.txt", fmOpenRead | fmShareDenyNone);
    EXPECT_THROW(TFileStream(folder / "a.txt", fmOpenReadWrite | fmShareExclusive), EFOpenError);
  }
  EXPECT_THROW(TFileStream(folder / "a.txt", fmOpenWrite | fmOpenReadWrite), EFOpenError);   // access 3
  try {
    TFileStream missing(folder / "missing.txt", fmOpenRead);
    FAIL() << "no exception";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(),
              "Cannot open file \"" + folder / "missing.txt" + "\". The system cannot find the file specified");
  }
  EXPECT_THROW(TFileStream(folder / "no/such/dir/x", fmCreate), EFCreateError);
}

TEST(StringStream, ReadsWritesAndSeeksWithinTheString) {
  TStringStream s("hello world");
  EXPECT_EQ(s.ReadString(5), "hello");
  s.Seek(-5, soEnd);
  EXPECT_EQ(s.ReadString(100), "world");
  s.SetPosition(0);
  s.WriteString("J");
  EXPECT_EQ(s.DataString(), "Jello world");   // overwritten in place, nothing cut
  s.Seek(0, soEnd);
  s.WriteString("!");
  EXPECT_EQ(s.DataString(), "Jello world!");
  EXPECT_EQ(s.Seek(100, soBeginning), 12);
  EXPECT_EQ(s.Seek(-100, soCurrent), 0);
  EXPECT_EQ(s.Seek(INT64_MAX, soCurrent), 12);
  s.SetSize(5);
  EXPECT_EQ(s.DataString(), "Jello");
  TStringStream copy;
  copy.CopyFrom(&s, 0);
  EXPECT_EQ(copy.DataString(), "Jello");
}

}  // namespace
