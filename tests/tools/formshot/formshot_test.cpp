// formshot draws a form image as the program shows it, and reports bad images.
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "platform/gdi/png_codec.h"
#include "platform/core/cp874.h"
#include "platform/ui/application.h"
#include "platform/ui/list_box.h"
#include "platform/ui/ui_classes.h"
#include "tests/support/os/temp_folder.h"
#include "tests/support/ui/ui_test_fixture.h"
#include "tools/formshot/form_shot.h"

namespace uitest {
namespace {

struct Output {
  int code;
  std::string text;   // stdout and stderr together
};

Output RunFormshot(const std::string& args) {
  const std::string command = std::string(FORMSHOT_TOOL) + " " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  Output out{-1, {}};
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out.text += buffer;
  const int status = pclose(pipe);
  out.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return out;
}

std::string SourcePath(const std::string& relative) { return std::string(std::getenv("PR_SOURCE_DIR")) + "/" + relative; }

gdi::DecodedImage DecodeFile(const std::string& path) {
  const std::string bytes = ReadRawFile(path);
  const auto decoded = gdi::DecodePng(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  EXPECT_TRUE(decoded) << path << ": " << decoded.message;
  return decoded.value;
}

class FormshotTest : public UiTest {
 protected:
  TempFolder folder_;
};

TEST_F(FormshotTest, WritesThePictureTheProgramShows) {
  const std::string image = SourcePath("tests/platform/ui/demo_form.form");
  const Output out = RunFormshot(image + " " + (folder_ / "shot.png"));
  ASSERT_EQ(out.code, 0) << out.text;
  RegisterUiClasses();
  TForm* form = LoadFormForShot(image);
  form->Show();
  ASSERT_TRUE(driver_->SavePng(form, folder_ / "here.png"));
  const gdi::DecodedImage shot = DecodeFile(folder_ / "shot.png");
  const gdi::DecodedImage here = DecodeFile(folder_ / "here.png");
  EXPECT_EQ(shot.width, form->Width());
  EXPECT_EQ(shot.height, form->Height());
  EXPECT_EQ(shot.pixels, here.pixels);
}

// standard_controls.form holds every standard control with Thai and English texts, laid out in
// Tahoma 8 as a form designer writes it: its picture is the one to look at after a change of the
// look.  Laid out as written: 21-pixel edits and combo boxes, six list rows, the drop-down list's
// item chosen in the image.
TEST_F(FormshotTest, TheStandardControlsFormIsLaidOutAsWritten) {
  const std::string image = SourcePath("tests/tools/formshot/standard_controls.form");
  const Output out = RunFormshot(image + " " + (folder_ / "standard.png"));
  ASSERT_EQ(out.code, 0) << out.text;
  RegisterUiClasses();
  TForm* form = LoadFormForShot(image);
  form->Show();
  driver_->Settle();
  for (const char* name : {"NameEdit", "CodeEdit", "Count", "Department", "Kind"})
    EXPECT_EQ(driver_->Get(name)->Height(), 21) << name;
  EXPECT_EQ(driver_->TextOf("Kind"), "รายเดือน Monthly"_cp874);
  auto* people = driver_->GetAs<TListBox>("People");
  EXPECT_EQ(people->ClientHeight() / people->ItemHeight(), 6);
  EXPECT_EQ(DecodeFile(folder_ / "standard.png").width, form->Width());
}

// The tool's main form: Import, disabled at start, shows its caption in the disabled look (the
// shadow colour over a highlight copy, no text colour); Exit beside it in the text colour.
TEST_F(FormshotTest, TheMainFormsImportButtonIsDrawnDisabled) {
  const Output out = RunFormshot(SourcePath("app/main_form.form") + " " + (folder_ / "main.png"));
  ASSERT_EQ(out.code, 0) << out.text;
  const gdi::DecodedImage shot = DecodeFile(folder_ / "main.png");
  // The image's client area is 442 x 119, below the caption bar and inside equal borders.
  const int border = (shot.width - 442) / 2, top = shot.height - 119 - border;
  auto count = [&](int left, int colour) {
    int n = 0;   // inside the button (75 x 27 at (left, 84)), off its frame
    for (int y = 84 + 3; y < 84 + 27 - 3; ++y)
      for (int x = left + 3; x < left + 75 - 3; ++x)
        n += (shot.pixels[std::size_t(top + y) * shot.width + border + x] & 0xFFFFFF) == std::uint32_t(colour);
    return n;
  };
  constexpr int kText = 0x000000, kShadow = 0x808080, kHighlight = 0xFFFFFF;
  EXPECT_GT(count(216, kShadow), 10);
  EXPECT_GT(count(216, kHighlight), 10);
  EXPECT_EQ(count(216, kText), 0);
  EXPECT_GT(count(297, kText), 10);
  EXPECT_EQ(count(297, kShadow), 0);
}

TEST_F(FormshotTest, ReportsABadImageWithTheReadersError) {
  const std::string bad = folder_ / "bad.txt";
  WriteRawFile(bad, "object F: TForm\r\n  Colour = clRed\r\nend\r\n");
  const struct {
    std::string args;
    int code;
    std::string text;
  } cases[] = {
      {bad + " " + (folder_ / "bad.png"), 1, "formshot: Error reading F.Colour: Property Colour does not exist\n"},
      {bad, 2, "usage: formshot FORM.txt OUT.png\n"},
  };
  for (const auto& c : cases) {
    const Output out = RunFormshot(c.args);
    EXPECT_EQ(out.code, c.code) << c.args;
    EXPECT_EQ(out.text, c.text) << c.args;
  }
}

}  // namespace
}  // namespace uitest
