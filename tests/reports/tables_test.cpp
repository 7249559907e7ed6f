#include <gtest/gtest.h>

#include <string>

#include "reports/paragraph.h"
#include "reports/treechars.h"
#include "test_reports.h"

namespace ubic {
namespace {

using test::Format;

TRptTable* MakeTable(TReport& report, int fields) {
  TRptTable* table = report.AddTable("T");
  for (int i = 0; i < fields; ++i) table->AddField(" ");
  return table;
}

void AddRow(TRptTable& table, std::initializer_list<const char*> cells) {
  TRptRow* row = table.AddRow();
  for (const char* text : cells) row->NewCell()->AddText(text);
}

TEST(TableLayout, RuledHeadingRow) {
  TReport report;
  TRptTable* table = MakeTable(report, 2);
  TRptRow* heading = table->AddRow();
  heading->BeginRule(caEnd);
  heading->NewCell()->AddText("Attribute");
  heading->NewCell()->AddText("Description");
  heading->EndRule();
  AddRow(*table, {"a", "first"});
  AddRow(*table, {"bb", "second"});
  // Columns as wide as their widest cell, two blanks apart; the rule fills the gaps.
  EXPECT_EQ(Format(report, {30, 0}),
            "Attribute--Description\n"
            "a          first\n"
            "bb         second\n");
  EXPECT_EQ(table->ColumnWidth(0), 9);
  EXPECT_EQ(table->ColumnX(1), 11);
  EXPECT_EQ(table->ColumnWidth(1), 11);
}

TEST(TableLayout, MultiCellsAddFieldsButNeverWidenColumns) {
  TReport report;
  TRptTable* table = MakeTable(report, 2);
  TRptRow* first = table->AddRow();
  first->NewCell()->AddText("1");
  TRptCell* spanning = first->NewMultiCell(3);
  spanning->AddText("spanning");
  EXPECT_EQ(spanning->FirstColumn(), 1);
  EXPECT_EQ(spanning->LastColumn(), 3);
  ASSERT_EQ(table->FieldCount(), 4);
  EXPECT_EQ(table->GetField(3)->Text(), "");
  EXPECT_EQ(table->GetField(4), nullptr);
  EXPECT_EQ(table->GetField(-1), nullptr);
  AddRow(*table, {"a", "bb", "c", "d"});
  EXPECT_EQ(Format(report, {30, 0}), "1  spanning\na  bb  c  d\n");
  EXPECT_EQ(spanning->ColumnsWidth(), 4);
}

TEST(TableLayout, MissingColumnsGrowToTheirWidestCell) {
  TReport report;
  TRptTable* table = MakeTable(report, 1);
  AddRow(*table, {"x", "wide", "y"});
  AddRow(*table, {"xx", "w", "yyy"});
  EXPECT_EQ(table->FieldCount(), 3);
  EXPECT_EQ(Format(report, {30, 0}), "x   wide  y\nxx  w     yyy\n");
}

TEST(TableLayout, FixedColumnsAndCellsTakenFromTheirField) {
  TReport report;
  report.SetFont(TFont{});
  TRptTable* table = report.AddTable("T");
  TRptField* number = table->AddField("");
  number->SetWidth({4.0F, suUnits});
  number->SetContentAlign(kHorizontal, caEnd);
  number->SetBold(true);
  TRptField* name = table->AddField("");
  name->SetWidth({3.0F, suUnits});
  AddRow(*table, {"7", "abcdef"});
  AddRow(*table, {"12", "x"});
  const TRptCell* cell = static_cast<TRptCell*>(table->AddRow()->NewCell());
  EXPECT_EQ(cell->ContentAlign(kHorizontal), caEnd);
  EXPECT_EQ(cell->GetWidth(), (TSizeSpec{4.0F, suUnits}));
  ASSERT_TRUE(cell->GetOwnFont());
  EXPECT_TRUE(cell->GetOwnFont()->Style.Contains(fsBold));
  EXPECT_FALSE(static_cast<TRptCell*>(table->AddRow()->NewMultiCell(1))->GetOwnFont());
  // A column of fixed width is not widened; its text runs over into the next one.
  EXPECT_EQ(Format(report, {30, 0}), "   7  abcdef\n  12  x\n");
}

TEST(TableLayout, TableWithinASectionOfThePageWidth) {
  TReport report;
  TRptSection* section = report.AddSection("S");
  TRptTable* table = section->AddTable("T");
  TRptField* fill = table->AddField("");
  fill->SetWidth({0.0F, suUnits});
  fill->SetAlign(kHorizontal, baFill);
  table->AddField("");
  TRptRow* row = table->AddRow();
  row->NewCell()->AddText("left");
  row->NewCell()->AddText("right");
  // The fill column takes what the page leaves after the separator and the last column.
  EXPECT_EQ(Format(report, {12, 0}), "left   right\n");
}

void AddParagraphRow(TRptTable& table, std::initializer_list<const char*> cells) {
  TRptRow* row = table.AddRow();
  for (const char* text : cells) row->NewCell()->AddParagraph()->Runs().AddText(text);
}

TEST(TableLayout, ParagraphsBreakToFitTheTableIntoItsWidth) {
  TReport report;
  TRptTable* table = MakeTable(report, 3);
  AddRow(*table, {"fixed", "", ""});
  AddParagraphRow(*table, {"x", "one two three four", "alpha beta gamma delta epsilon"});
  // Without a width nothing breaks.
  EXPECT_EQ(Format(report, {0, 0}),
            "fixed\n"
            "x      one two three four  alpha beta gamma delta epsilon\n");
  // 40 columns: the paragraphs give up room in proportion to what they can give without
  // breaking a word; the column of plain texts keeps its width.
  EXPECT_EQ(Format(report, {40, 0}),
            "fixed\n"
            "x      one two       alpha beta gamma\n"
            "       three four    delta epsilon\n");
  // Narrower than the widest words: words break between their letters, and still nothing
  // passes the right edge or is lost.
  EXPECT_EQ(Format(report, {16, 0}),
            "fixed\n"
            "x      one  alph\n"
            "       two  a\n"
            "       thr  beta\n"
            "       ee   gamm\n"
            "       fou  a\n"
            "       r    delt\n"
            "            a\n"
            "            epsi\n"
            "            lon\n");
}

TEST(TreePrefixes, DrawnInCharacterSets) {
  const std::string branch{kTreeVertical, kTreeBranch};
  const std::string last{kTreeEmpty, kTreeLastBranch};
  TReport report;
  for (const std::string& prefix : {std::string(1, kTreeBranch), branch, last}) {
    TRptLine* line = report.AddLine();
    line->AddTree(prefix);
    line->AddText("name");
  }
  auto formatter = test::MakeFormatter(report, {20, 0});
  formatter->SetTreeCharSet(tcAscii);
  formatter->Execute();
  EXPECT_EQ(formatter->PagesText("\n"), "+-name\n| +-name\n  +-name\n");

  formatter->SetTreeCharSet(tcBoxDrawing);
  formatter->Execute();
  EXPECT_EQ(formatter->PagesText("\n"), "\xC3\xC4name\n\xB3 \xC3\xC4name\n  \xC0\xC4name\n");

  formatter->SetTreeIndent(3);
  formatter->SetTreeCharSet(tcDotsAndEmpty);
  formatter->Execute();
  EXPECT_EQ(formatter->PagesText("\n"), ".  name\n.  .  name\n.  .  name\n");
}

TEST(TreePrefixes, CharacterSetTable) {
  const std::string codes{kTreeEmpty,      kTreeVertical,   kTreeBranch,
                          kTreeLastBranch, kTreeHorizontal, 'x'};
  const auto mapped = [&](int charSet) {
    std::string text;
    for (const char c : codes) text += MapTreeChar(charSet, c);
    return text;
  };
  EXPECT_EQ(mapped(tcBlank), "      ");
  EXPECT_EQ(mapped(tcBoxDrawing), " \xB3\xC3\xC0\xC4 ");
  EXPECT_EQ(mapped(tcAscii), " |++- ");
  EXPECT_EQ(mapped(tcDots), " ...  ");
  EXPECT_EQ(mapped(tcDotsAndEmpty), "....  ");
  EXPECT_EQ(mapped(tcBars), "||||  ");
  EXPECT_EQ(mapped(6), "      ");
  EXPECT_EQ(mapped(-1), "      ");
}

TEST(Rules, RuleBegunAndNeverEndedEndsWithItsGroup) {
  TReport report;
  TRptLine* line = report.AddLine();
  line->BeginRule(caEnd);
  line->AddText("ab");
  line->AddFill();
  line->AddText("cd");
  TRptLine* doubled = report.AddLine();
  doubled->BeginRule(caEnd)->SetLineCount(2);
  doubled->AddText("x");
  doubled->AddFill();
  doubled->AddText("y");
  EXPECT_EQ(Format(report, {8, 0}), "ab----cd\nx======y\n");
  EXPECT_EQ(line->OpenLiner(), nullptr);
  const auto* end = dynamic_cast<TRptLinerEnd*>(line->GetItem(line->Count() - 1));
  ASSERT_NE(end, nullptr);
  EXPECT_EQ(end->Partner(), line->GetItem(0));
  EXPECT_EQ(end->LineCount(), 1);
}

TEST(Rules, BeginRuleEndsTheOpenOne) {
  TReport report;
  TRptLine* line = report.AddLine();
  EXPECT_EQ(line->EndRule(), nullptr);
  TRptLiner* first = line->BeginRule(caCenter);
  TRptLiner* second = line->BeginRule(caBegin);
  EXPECT_EQ(line->Count(), 3);
  const auto* end = line->GetItem(1);
  EXPECT_EQ(first->Partner(), end);
  EXPECT_EQ(end->ContentAlign(kVertical), caCenter);
  EXPECT_EQ(line->OpenLiner(), second);
  EXPECT_EQ(second->Partner(), nullptr);

  // Relinking unlinks the old partner on both sides.
  second->SetPartner(first);
  EXPECT_EQ(first->Partner(), second);
  EXPECT_EQ(static_cast<const TRptLiner*>(end)->Partner(), nullptr);
}

}  // namespace
}  // namespace ubic
