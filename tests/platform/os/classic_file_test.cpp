#include <gtest/gtest.h>
#include <sys/stat.h>

#include <vector>

#include "tests/support/os/child_process.h"
#include "platform/core/exceptions.h"
#include "platform/core/win_errors.h"
#include "platform/os/classic_io.h"
#include "platform/os/file.h"
#include "platform/os/text_file.h"
#include "platform/os/typed_file.h"
#include "tests/support/os/temp_folder.h"

namespace {

constexpr Integer kRec = 4;

class ClassicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    IOResult();
    FileMode = 2;
    WriteRawFile(tmp / "recs.dat", "AAAABBBBCC");
    WriteRawFile(tmp / "lines.txt", "one\r\ntwo\n");
  }
  void TearDown() override { FileMode = 2; }
  TempFolder tmp;
};

// Every outcome an open and a first operation can have, as IOResult reports it.
TEST_F(ClassicFileTest, OutcomesOfTypedAndTextFiles) {
  // A child holds one file open without sharing: the program sees the "held" result, 255.
  ChildProcess holder([path = tmp / "held.dat"](Channel& ch) {
    WriteRawFile(path, "HELD");
    File f;
    ch.Send(f.Open(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING));
    ch.Receive();
    return 0;
  });
  ASSERT_EQ(holder.Receive(), ERROR_SUCCESS);

  struct Case {
    const char* what;
    std::function<void()> run;
    Integer expected;
  };
  char rec[kRec];
  std::string line;
  TypedFile typed;
  TextFile text;
  const std::vector<Case> cases = {
      {"typed missing file", [&] { AssignFile(typed, tmp / "none.dat"); Reset(typed, kRec); }, 2},
      {"typed missing folder", [&] { AssignFile(typed, tmp / "none/x.dat"); Reset(typed, kRec); }, 3},
      {"typed held elsewhere", [&] { AssignFile(typed, tmp / "held.dat"); Reset(typed, kRec); }, 255},
      {"typed rewrite held", [&] { AssignFile(typed, tmp / "HELD.DAT"); Rewrite(typed, kRec); }, 255},
      {"typed read past end", [&] { AssignFile(typed, tmp / "recs.dat"); Reset(typed, kRec); Read(typed, rec); Read(typed, rec); Read(typed, rec); }, 100},
      {"typed not assigned", [&] { TypedFile fresh; Reset(fresh, kRec); }, 102},
      {"typed not open", [&] { TypedFile fresh; Read(fresh, rec); }, 103},
      {"typed bad file mode", [&] { FileMode = 3; AssignFile(typed, tmp / "recs.dat"); Reset(typed, kRec); }, 12},
      {"typed write on read", [&] { FileMode = 0; AssignFile(typed, tmp / "recs.dat"); Reset(typed, kRec); Write(typed, "XXXX"); }, 5},
      {"typed seek before start", [&] { AssignFile(typed, tmp / "recs.dat"); Reset(typed, kRec); Seek(typed, -1); }, 131},
      {"text missing file", [&] { AssignFile(text, tmp / "none.txt"); Reset(text); }, 2},
      {"text missing folder", [&] { AssignFile(text, tmp / "none/x.txt"); Append(text); }, 3},
      {"text held elsewhere", [&] { AssignFile(text, tmp / "held.dat"); Reset(text); }, 255},
      {"text read on output", [&] { AssignFile(text, tmp / "out.txt"); Rewrite(text); ReadLn(text, line); }, 104},
      {"text write on input", [&] { AssignFile(text, tmp / "lines.txt"); Reset(text); WriteLn(text, "x"); }, 105},
      {"text not assigned", [&] { TextFile fresh; Rewrite(fresh); }, 102},
      {"text close twice", [&] { AssignFile(text, tmp / "lines.txt"); Reset(text); CloseFile(text); CloseFile(text); }, 103},
      {"text all fine", [&] { AssignFile(text, tmp / "lines.txt"); Reset(text); ReadLn(text, line); CloseFile(text); }, 0},
  };
  for (const Case& c : cases) {
    FileMode = 2;
    c.run();
    EXPECT_EQ(IOResult(), c.expected) << c.what;
    EXPECT_EQ(IOResult(), 0) << c.what;   // reading the result clears it
  }
  holder.Send(1);
  EXPECT_EQ(holder.Wait(), 0);
  EXPECT_EQ(ReadRawFile(tmp / "held.dat"), "HELD");
}

TEST_F(ClassicFileTest, TextLineEnds) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"one\r\ntwo\nthree", {"one", "two", "three"}},
      {"a\rb\r\n", {"ab"}},
      {"a\n\n\r\nb", {"a", "", "", "b"}},
      {"top\r\n\x1A" "after\r\n", {"top"}},
      {"x\x1Ay", {"x"}},
      {"", {}},
      {"\r", {}},
      {std::string(5000, 'w') + "\nend", {std::string(5000, 'w'), "end"}},
  };
  for (const Case& c : cases) {
    WriteRawFile(tmp / "t.txt", c.bytes);
    TextFile f;
    AssignFile(f, tmp / "t.txt");
    Reset(f);
    std::vector<std::string> lines;
    std::string line;
    while (!Eof(f)) {
      ReadLn(f, line);
      lines.push_back(line);
    }
    CloseFile(f);
    EXPECT_EQ(IOResult(), 0);
    EXPECT_EQ(lines, c.lines) << c.bytes.substr(0, 20);
  }
}

TEST_F(ClassicFileTest, TextWritingEndsLinesWithCrLfAndAppendCutsAtCtrlZ) {
  {
    TextFile f;
    AssignFile(f, tmp / "w.txt");
    Rewrite(f);
    Write(f, "a");
    WriteLn(f, "b");
    WriteLn(f);
    WriteLn(f, std::string(5000, 'z'));
    CloseFile(f);
  }
  EXPECT_EQ(ReadRawFile(tmp / "w.txt"), "ab\r\n\r\n" + std::string(5000, 'z') + "\r\n");
  WriteRawFile(tmp / "old.txt", "first\r\n\x1A\x1A");
  {
    TextFile f;
    AssignFile(f, tmp / "old.txt");
    Append(f);
    WriteLn(f, "second");
  }   // destruction writes what is buffered
  EXPECT_EQ(IOResult(), 0);
  EXPECT_EQ(ReadRawFile(tmp / "old.txt"), "first\r\nsecond\r\n");

  TextFile f;
  AssignFile(f, tmp / "old.txt");
  Reset(f);
  std::string part;
  Read(f, part);
  EXPECT_EQ(part, "first");
  EXPECT_TRUE(Eoln(f));
  ReadLn(f);
  EXPECT_FALSE(Eoln(f));
  ReadLn(f, part);
  EXPECT_EQ(part, "second");
  EXPECT_TRUE(Eof(f));
}

TEST_F(ClassicFileTest, TypedRecordsMoveWholeAndCountInRecords) {
  TypedFile f;
  AssignFile(f, tmp / "NEW.DAT");
  Rewrite(f, kRec);
  for (const char* r : {"1111", "2222", "3333"}) Write(f, r);
  EXPECT_EQ(FileSize(f), 3);
  EXPECT_EQ(FilePos(f), 3);
  EXPECT_TRUE(Eof(f));
  Seek(f, 1);
  char rec[kRec + 1] = {};
  Read(f, rec);
  EXPECT_STREQ(rec, "2222");
  EXPECT_FALSE(Eof(f));
  Truncate(f);
  EXPECT_EQ(FileSize(f), 2);
  Seek(f, 4);   // past the end: a write fills the gap
  Write(f, "5555");
  CloseFile(f);
  EXPECT_EQ(IOResult(), 0);
  EXPECT_EQ(ReadRawFile(tmp / "NEW.DAT"), std::string("11112222") + std::string(8, '\0') + "5555");

  // A record cut short by the end of the file is not read and does not move the position.
  AssignFile(f, tmp / "recs.dat");
  FileMode = 0;
  Reset(f, kRec);
  Seek(f, 2);
  Read(f, rec);
  EXPECT_EQ(IOResult(), 100);
  EXPECT_EQ(FilePos(f), 2);
  EXPECT_EQ(FileSize(f), 2);
}

TEST_F(ClassicFileTest, APendingFailureStopsLaterOperationsUntilRead) {
  TextFile f;
  AssignFile(f, tmp / "none.txt");
  Reset(f);   // 2 is now pending
  AssignFile(f, tmp / "lines.txt");
  Reset(f);   // does nothing
  EXPECT_TRUE(Eof(f));
  EXPECT_FALSE(f.IsOpen());
  EXPECT_EQ(IOResult(), 2);
  Reset(f);
  std::string line;
  ReadLn(f, line);
  EXPECT_EQ(line, "one");
  EXPECT_EQ(IOResult(), 0);
}

TEST_F(ClassicFileTest, InsideAnIOCheckScopeFailuresRaise) {
  struct Case {
    std::function<void()> run;
    Integer code;
    const char* message;
  };
  TypedFile typed;
  char rec[kRec];
  const Case cases[] = {
      {[&] { AssignFile(typed, tmp / "none.dat"); Reset(typed, kRec); }, 2, "File not found"},
      {[&] { AssignFile(typed, tmp / "none/x.dat"); Reset(typed, kRec); }, 3, "Invalid filename"},
      {[&] { AssignFile(typed, tmp / "recs.dat"); Reset(typed, 16); Read(typed, rec); }, 100, "Read beyond end of file"},
      {[&] { TypedFile fresh; CloseFile(fresh); }, 103, "I/O error 103"},
  };
  for (const Case& c : cases) {
    IOCheckScope checks;
    try {
      c.run();
      ADD_FAILURE() << "no exception for " << c.message;
    } catch (const EInOutError& e) {
      EXPECT_EQ(e.ErrorCode(), c.code);
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(IOResult(), 0);   // nothing stays pending
  }
  {
    IOCheckScope checks(false);   // an inner {$I-} region
    Reset(typed, kRec);
  }
  CloseFile(typed);
  EXPECT_EQ(IOResult(), 0);
}

TEST_F(ClassicFileTest, ChDirReportsAClassicResult) {
  char* saved = getcwd(nullptr, 0);
  ChDir(tmp / "none");
  EXPECT_EQ(IOResult(), 2);
  ChDir(tmp.Path());
  EXPECT_EQ(IOResult(), 0);
  TextFile f;
  AssignFile(f, "LINES.TXT");
  Reset(f);
  EXPECT_EQ(IOResult(), 0);
  EXPECT_EQ(chdir(saved), 0);
  free(saved);
}

}  // namespace
