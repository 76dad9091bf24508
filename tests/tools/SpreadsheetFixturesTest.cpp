// SpreadsheetFixturesTest.cpp - the sample SolidICM.csv as spreadsheets and
// editors write it back (tests/tools/data): what the reader forgives checks
// clean, what loses data names its cause, and format never writes a lossy
// load.

#include "ToolTestUtil.h"

using namespace tooltest;
using zrvtest::holds;

namespace {

const fs::path Fixtures = ZRV_TOOL_FIXTURES;

std::string fixture(const char* Name) { return (Fixtures / Name).u8string(); }

} // namespace

TEST(ZrvTemplateSpreadsheet, ForgivenChangesCheckClean) {
  for (const char* Name :
       {"lf.csv", "bom.csv", "padded.csv", "final-line-end.csv", "blank-lines.csv", "reordered.csv",
        "windows-1252-utf8.csv", "libreoffice.csv"}) {
    ToolRun Run = run({"check", fixture(Name)});
    EXPECT_TRUE(printed(Run, 0, ": clean;")) << Name;
    // At most one note, which names what the reader forgives.
    std::string Before = Run.Out.substr(0, Run.Out.rfind('\n', Run.Out.size() - 2) + 1);
    EXPECT_TRUE(Before.empty() ||
                (Before.find(":1: note: the reader forgives") != std::string::npos &&
                 Before.find('\n') + 1 == Before.size()))
        << Name << "\n"
        << Run.Out;
  }
  EXPECT_TRUE(holds(run({"check", fixture("libreoffice.csv")}).Out,
                    "(LF line ends on 121 lines, trailing commas on 42 lines)"));
  EXPECT_TRUE(holds(run({"check", fixture("bom.csv")}).Out, "(a byte-order mark)"));
  // A note never makes format refuse.
  EXPECT_EQ(run({"format", "--check", fixture("lf.csv")}).Err, "");
}

TEST(ZrvTemplateSpreadsheet, LossyDialectsNameTheirCauseFirst) {
  struct Case {
    const char* Name;
    const char* Code;
    int Line;
  };
  for (const Case& C :
       {Case{"quoted.csv", "[quoted-fields]", 2},
        Case{"quoted-blank-name.csv", "[quoted-fields]", 16},
        Case{"quoted-comma-name.csv", "[quoted-fields]", 16},
        Case{"semicolons.csv", "[semicolons]", 2}, Case{"windows-1252.csv", "[encoding]", 16},
        Case{"trailing-blanks.csv", "[header-blanks]", 4}}) {
    ToolRun Run = run({"check", fixture(C.Name)});
    EXPECT_EQ(Run.Status, 1) << C.Name;
    // The cause comes once, before the line findings, at its first line.
    std::string First = Run.Out.substr(0, Run.Out.find('\n'));
    EXPECT_TRUE(holds(First, std::string(C.Name) + ":" + std::to_string(C.Line) + ": error:"))
        << First;
    EXPECT_TRUE(holds(First, C.Code));
    EXPECT_EQ(Run.Out.find(C.Code), Run.Out.rfind(C.Code)) << C.Name;
  }
  // The name as it was meant, read as Windows-1252.
  EXPECT_TRUE(
      printed(run({"check", fixture("windows-1252.csv")}), 1, "\"C\xC3\xB4t\xC3\xA9,0,90,0,1\""));
  // A quoted number is told, not advised away as a wrong version.
  EXPECT_TRUE(
      printed(run({"check", fixture("quoted.csv")}), 1, "FileVersion '\"1001\"' does not start"));
  // CR-only line ends leave no header to choose a loader by: the cause is given.
  EXPECT_TRUE(printedError(run({"check", fixture("cr-only.csv")}), 1,
                           "cr-only.csv:1: error: the file's 120 line ends are CR alone"));
}

TEST(ZrvTemplateSpreadsheet, FormatNeverLosesData) {
  zrvtest::TempDir Dir;
  fs::path Lossy = Dir.path() / "lossy.csv";
  std::string Bytes = zrvtest::readBytes(fixture("windows-1252.csv"));
  zrvtest::writeBytes(Lossy, Bytes);
  EXPECT_TRUE(printedError(run({"format", Lossy.u8string(), "-i"}), 1, "[encoding]"));
  EXPECT_EQ(zrvtest::readBytes(Lossy), Bytes);
  EXPECT_EQ(run({"format", Lossy.u8string(), "-o", (Dir.path() / "o.csv").u8string()}).Status, 1);
  EXPECT_FALSE(fs::exists(Dir.path() / "o.csv"));
  EXPECT_EQ(run({"format", Lossy.u8string(), "--force", "-i"}).Status, 0);
  EXPECT_NE(zrvtest::readBytes(Lossy), Bytes);

  // A forgiven variant: --check and --diff tell, -i writes the canonical bytes.
  const std::string Canonical = zrvtest::readBytes(Samples / "SolidICM.csv");
  fs::path Padded = Dir.path() / "padded.csv";
  zrvtest::writeBytes(Padded, zrvtest::readBytes(fixture("padded.csv")));
  EXPECT_TRUE(printed(run({"format", "--check", Padded.u8string()}), 1, "not in canonical form"));
  ToolRun Diff = run({"format", "--diff", Padded.u8string()});
  EXPECT_TRUE(printed(Diff, 1, "@@ -1,"));
  EXPECT_TRUE(holds(Diff.Out, "\n-FileVersion,1001,,,,,,,,,,,,,,\n"));
  EXPECT_TRUE(holds(Diff.Out, "\n+FileVersion,1001\n"));
  EXPECT_EQ(run({"format", "-i", Padded.u8string()}).Status, 0);
  EXPECT_EQ(zrvtest::readBytes(Padded), Canonical);
  EXPECT_EQ(run({"format", "--check", Padded.u8string()}).Status, 0);
  ToolRun Same = run({"format", "--diff", Padded.u8string()});
  EXPECT_EQ(std::make_pair(Same.Status, Same.Out), std::make_pair(0, std::string()));
  // The reordered rows come back in the writer's order.
  EXPECT_EQ(run({"format", fixture("reordered.csv")}).Out, Canonical);
}

TEST(ZrvTemplateSpreadsheet, ImportGivesBackTheCanonicalTemplate) {
  const std::string Canonical = zrvtest::readBytes(Samples / "SolidICM.csv");
  auto replaced = [](std::string Text, const std::string& From, const std::string& To) {
    for (std::size_t At = Text.find(From); At != std::string::npos;
         At = Text.find(From, At + To.size()))
      Text.replace(At, From.size(), To);
    return Text;
  };
  for (const char* Name : {"lf.csv", "bom.csv", "padded.csv", "quoted.csv", "semicolons.csv",
                           "trailing-blanks.csv", "final-line-end.csv", "cr-only.csv",
                           "blank-lines.csv", "reordered.csv", "libreoffice.csv"}) {
    ToolRun Run = run({"import", fixture(Name)});
    EXPECT_TRUE(Run.Status == 0 && Run.Err.empty() && Run.Out == Canonical) << Name << "\n"
                                                                            << Run.Err << Run.Out;
  }
  // Windows-1252 names come back as the UTF-8 template they were saved from,
  // in canonical form.
  EXPECT_EQ(run({"import", fixture("windows-1252.csv")}).Out,
            run({"format", fixture("windows-1252-utf8.csv")}).Out);
  // The reader ends a name at a blank; import writes it with '_' as the
  // library's writer does, and says so.
  ToolRun Blank = run({"import", fixture("quoted-blank-name.csv")});
  EXPECT_TRUE(printedError(
      Blank, 0, "quoted-blank-name.csv:16: note: name 'Side View' written as 'Side_View'"));
  EXPECT_EQ(Blank.Out, replaced(zrvtest::readBytes(fixture("quoted-blank-name.csv")),
                                "\"Side View\"", "Side_View"));

  zrvtest::TempDir Dir;
  // A comma-decimal locale's ';' file writes 1.2 as 1,2.
  fs::path Decimal = Dir.path() / "decimal.csv";
  zrvtest::writeBytes(Decimal,
                      replaced(zrvtest::readBytes(fixture("semicolons.csv")), ";1.2\r", ";1,2\r"));
  EXPECT_EQ(run({"import", Decimal.u8string()}).Out, Canonical);

  // What the format cannot hold is refused with its line, and nothing is
  // written.
  fs::path Out = Dir.path() / "out.csv";
  fs::path Long = Dir.path() / "long.csv";
  zrvtest::writeBytes(Long, replaced(Canonical, "Side,", std::string(256, 'x') + ","));
  struct Refusal {
    std::string In;
    std::string Line;
    const char* Why;
  };
  for (const Refusal& R :
       {Refusal{fixture("quoted-comma-name.csv"), ":16: error: cell 1 'Side, left' holds a ','",
                "comma"},
        Refusal{fixture("quoted-comma-name.csv"), ":77: error: cell 9 'Side, left'", "comma"},
        Refusal{Long.u8string(), ":16: error: cell 1 'xxx", "256 characters long"}}) {
    ToolRun Run = run({"import", R.In, "-o", Out.u8string()});
    EXPECT_TRUE(printedError(Run, 1, R.Line));
    EXPECT_TRUE(holds(Run.Err, R.Why));
    EXPECT_TRUE(holds(Run.Err, "was not imported"));
    EXPECT_FALSE(fs::exists(Out));
  }
  EXPECT_EQ(run({"import", fixture("padded.csv"), "-o", Out.u8string()}).Status, 0);
  EXPECT_EQ(zrvtest::readBytes(Out), Canonical);
}
