// gridload FILE [MAXROWS]: loads a delimited file into a string grid of the default settings, as
// the payroll import does (Clear, then LoadCSVFile with MAXROWS or -1), under the headless display,
// and prints what the grid holds: "RowCount ColCount", then every cell row by row, empty ones too,
// as column "," row TAB text.  Text bytes are written raw except TAB, LF, CR and backslash (as \t,
// \n, \r and \\) and the other bytes below 0x20 and 0x7F (as \xHH, lower-case).  Exit status: 0
// loaded; 1 the grid refused the file (its message alone on stderr); 2 wrong arguments.
#include <cstdio>
#include <string>

#include "grid/pro_string_grid.h"
#include "platform/core/exceptions.h"
#include "platform/core/int_text.h"
#include "platform/core/units.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace {

constexpr const char* kUsage = "usage: gridload FILE [MAXROWS]\n";

std::string Escaped(const std::string& Text) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  for (const char ch : Text) {
    const auto byte = static_cast<unsigned char>(ch);
    switch (ch) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          out += "\\x";
          out += kHex[byte >> 4];
          out += kHex[byte & 0x0F];
        } else {
          out += ch;
        }
    }
  }
  return out;
}

void Write(const std::string& Text) { std::fwrite(Text.data(), 1, Text.size(), stdout); }

void PrintGrid(TProStringGrid* Grid) {
  Write(std::to_string(Grid->RowCount()) + " " + std::to_string(Grid->ColCount()) + "\n");
  for (Integer row = 0; row < Grid->RowCount(); ++row)
    for (Integer col = 0; col < Grid->ColCount(); ++col)
      Write(std::to_string(col) + "," + std::to_string(row) + "\t" + Escaped(Grid->GetCellText(col, row)) + "\n");
}

int Load(const std::string& FileName, Integer MaxRows) {
  TForm* form = NewObject<TForm>(Application, TCustomForm::CreateNewTag{});
  auto* grid = new TProStringGrid(form);
  grid->SetParent(form);
  try {
    grid->Clear();
    grid->LoadCSVFile(FileName, MaxRows);
  } catch (const Exception& e) {
    std::fprintf(stderr, "%s\n", e.Message().c_str());
    return 1;
  }
  PrintGrid(grid);
  return 0;
}

}   // namespace

int main(int argc, char** argv) {
  Integer maxRows = -1;
  if (argc < 2 || argc > 3 || (argc == 3 && !TryStrToInt(argv[2], maxRows))) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  InitializeUnits({FormsUnit});
  const int status = Load(argv[1], maxRows);
  FinalizeUnits();
  return status;
}
