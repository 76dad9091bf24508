// PreviewTest.cpp - the preview page of zrvtemplate: escaping of any name, the
// page plan of a section, and every finding of check shown once on the page,
// beside the struck-through item line or section it passed over.

#include <regex>

#include <nlohmann/json.hpp>

#include "Preview.h"
#include "ToolTestUtil.h"

using namespace tooltest;
using zrvtest::holds;

namespace {

/// How often \p Needle occurs in \p Text.
std::size_t occurrences(const std::string& Text, const std::string& Needle) {
  std::size_t Count = 0;
  for (std::size_t At = Text.find(Needle); At != std::string::npos;
       At = Text.find(Needle, At + Needle.size()))
    ++Count;
  return Count;
}

/// The page of \p File, printed to standard output.
std::string page(const std::string& File, std::vector<std::string> Extra = {}) {
  std::vector<std::string> Args = {"preview", File, "-o", "-"};
  Args.insert(Args.end(), Extra.begin(), Extra.end());
  ToolRun R = run(Args);
  EXPECT_EQ(R.Status, 0) << File << R.Err;
  return R.Out;
}

/// \p Text with the first \p From replaced by \p To.
std::string replaced(std::string Text, const std::string& From, const std::string& To) {
  std::size_t At = Text.find(From);
  EXPECT_NE(At, std::string::npos) << From;
  return At == std::string::npos ? Text : Text.replace(At, From.size(), To);
}

} // namespace

TEST(ZrvTemplatePreview, EscapesEveryName) {
  using zrvtool::EscapeHtml;
  EXPECT_EQ(EscapeHtml("<b>&\"'x'</b>"), "&lt;b&gt;&amp;&quot;&#39;x&#39;&lt;/b&gt;");
  EXPECT_EQ(EscapeHtml("Пресс 型 Ωμ"), "Пресс 型 Ωμ");
  // Controls, noncharacters and broken UTF-8 cannot stand in a page.
  EXPECT_EQ(EscapeHtml("a\x01\x62\x7f\xc2\x85\xef\xb7\x90\xef\xbf\xbe\tc\xff"),
            "a\uFFFDb\uFFFD\uFFFD\uFFFD\uFFFD\tc\uFFFD");
  EXPECT_EQ(EscapeHtml("&amp;"), "&amp;amp;");

  // A template whose header and setting names hold markup and non-Latin
  // letters: the page shows them as text, never as markup.
  std::string Text = zrvtest::readBytes(Samples / "broken" / "UnknownItemKey.csv");
  Text = replaced(Text, "Name,Broken sample", "Name,<i>Q&A</i> 'Form' Ω型");
  const std::string Hostile = "Iso<script>&Ω";
  for (std::size_t At; (At = Text.find("Iso_Front")) != std::string::npos;)
    Text.replace(At, 9, Hostile);
  zrvtest::TempDir Dir;
  zrvtest::writeBytes(Dir.path() / "names.csv", Text);
  std::string Page = page((Dir.path() / "names.csv").string());
  for (const char* Shown :
       {"<meta charset=\"utf-8\">", "<h1>&lt;i&gt;Q&amp;A&lt;/i&gt; &#39;Form&#39; Ω型</h1>",
        "<title>Report preview: &lt;i&gt;Q&amp;A", "Iso&lt;script&gt;&amp;Ω</span> angle X 45"})
    EXPECT_TRUE(holds(Page, Shown));
  EXPECT_FALSE(holds(Page, "<i>"));
  EXPECT_FALSE(holds(Page, "<script"));
}

TEST(ZrvTemplatePreview, PlansPagesByItemCount) {
  using zrvtool::PageOfItems;
  EXPECT_EQ(PageOfItems({4, 4, 4, 4, 4}, 1), (std::vector<int>{1, 1, 1, 1, 2}));
  EXPECT_EQ(PageOfItems({1, 1, 2}, 3), (std::vector<int>{3, 4, 5}));
  // Shares that do not fill a page exactly: 1/2 + 1/3 leaves 1/6.
  EXPECT_EQ(PageOfItems({2, 3, 3, 4, 4, 2}, 1), (std::vector<int>{1, 1, 2, 2, 2, 3}));
  // An item that is not output takes no room; a count out of range counts as 1.
  EXPECT_EQ(PageOfItems({0, 1, 0, 9, 2}, 1), (std::vector<int>{1, 1, 1, 2, 3}));
  EXPECT_TRUE(PageOfItems({}, 1).empty());

  // SolidInjection's [FlowResult]: MeltFrontTime 1, AirTrap 2, WeldLine 2,
  // GateContribution 1, XY_SpruePressure 4 per page, after [ModelResult]'s
  // ShadedModel 1, MeshQuality 2, Thickness 2 on pages 1 and 2.
  std::string Page = page((Samples / "SolidInjection.csv").string());
  std::size_t Flow = Page.find("<h2>[FlowResult]");
  ASSERT_NE(Flow, std::string::npos);
  std::string Section = Page.substr(Flow, Page.find("</section>", Flow) - Flow);
  EXPECT_TRUE(holds(Section, "5 items · pages 3–6")) << Section.substr(0, 200);
  std::regex Card("Page (\\d+)|<h3>([A-Za-z_]+)</h3>");
  std::string Plan;
  for (auto It = std::sregex_iterator(Section.begin(), Section.end(), Card);
       It != std::sregex_iterator(); ++It)
    Plan += (*It)[1].matched ? "|" + (*It)[1].str() + ":" : " " + (*It)[2].str();
  EXPECT_EQ(Plan, "|3: MeltFrontTime|4: AirTrap WeldLine|5: GateContribution|6: XY_SpruePressure");
  EXPECT_EQ(occurrences(Section, "class=\"page-break\""), 3u);
}

TEST(ZrvTemplatePreview, ShowsEveryFindingOnceWhereItBelongs) {
  // Every finding of check (these samples have no dialect findings) is on
  // the page as often as check gives it, for every broken and valid sample.
  std::vector<fs::path> Files = csvFiles(Samples / "broken");
  for (const fs::path& File : csvFiles(Samples))
    Files.push_back(File);
  for (const fs::path& File : Files) {
    std::string Page = page(File.string());
    nlohmann::json Report = nlohmann::json::parse(run({"check", File.string(), "--json"}).Out);
    std::map<std::string, std::size_t> Expected; // a line read in pieces repeats one
    for (const auto& F : Report["findings"])
      ++Expected["line " + std::to_string(F["line"].get<int>()) + ": " +
                 zrvtool::EscapeHtml(F["message"].get<std::string>())];
    for (const auto& [Finding, Count] : Expected)
      EXPECT_EQ(occurrences(Page, Finding), Count) << File << ": " << Finding;
    EXPECT_EQ(Page.find("Nothing: the document holds") != std::string::npos,
              Report["findings"].empty())
        << File;
  }

  // Dropped item lines are struck-through cards in their section, each with
  // its own finding beside it.
  std::string Page = page((Samples / "broken" / "UnknownItemKey.csv").string());
  std::size_t Flow = Page.find("<h2>[FlowResult]");
  std::size_t Cool = Page.find("<h2>[CoolResult]");
  ASSERT_LT(Flow, Cool);
  std::string Section = Page.substr(Flow, Cool - Flow);
  std::regex Struck("<h3><s>([^<]*)</s></h3>\\s*<p class=\"id\">line (\\d+), passed "
                    "over</p>\\s*<ul class=\"findings\">\\s*<li class=\"error\">.*line (\\d+): "
                    "item key &#39;([^&]*)&#39;");
  std::string Seen;
  for (auto It = std::sregex_iterator(Section.begin(), Section.end(), Struck);
       It != std::sregex_iterator(); ++It) {
    EXPECT_EQ((*It)[2], (*It)[3]);
    EXPECT_EQ((*It)[1], (*It)[4]);
    Seen += (*It)[1].str() + "@" + (*It)[2].str() + " ";
  }
  EXPECT_EQ(Seen, "Meltfronttime@72 Flatness@73 XY_MeltFrontNode@74 FillTime@75 ");
  EXPECT_TRUE(holds(Section, "<h3>MeltFrontTime</h3>"));
  EXPECT_TRUE(holds(Page, "4 errors, 0 warnings, 0 notes; 4 shown beside"));

  // A section the load passed over is struck through with its finding.
  Page = page((Samples / "broken" / "SectionNotRead.csv").string());
  EXPECT_TRUE(std::regex_search(
      Page, std::regex("<h2><s>\\[[A-Za-z]+\\][^<]*</s> <span class=\"meta\">line 74:[^\n]*\n"
                       "<ul class=\"findings\">\n<li class=\"error\">[^\n]*section-not-read")));

  // A page that cannot be written is an error of its own.
  EXPECT_TRUE(
      refused(run({"preview", (Samples / "SolidCM.csv").string(), "-o", "/nonexistent/x.html"}),
              "cannot write '/nonexistent/x.html'"));
}
