#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/classes/classes_errors.h"
#include "platform/classes/file_stream.h"
#include "platform/classes/memory_stream.h"
#include "tests/platform/os/temp_folder.h"

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
  try {
    TFileStream missing(folder / "missing.txt", fmOpenRead);
    FAIL() << "no exception";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(),
              "Cannot open file \"" + folder / "missing.txt" + "\". The system cannot find the file specified");
  }
  EXPECT_THROW(TFileStream(folder / "no/such/dir/x", fmCreate), EFCreateError);
}

}  // namespace
