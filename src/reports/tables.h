#pragma once

#include <memory>
#include <string>
#include <vector>

#include "groups.h"

namespace ubic {

class TRptRow;
class TRptTable;

// A cell of a table row spanning the columns FirstColumn to LastColumn. Its box is as wide as
// those columns together.
class TRptCell : public TRptHVGroup {
 public:
  // Owner must be a row; anything else raises EReportError.
  explicit TRptCell(TRpt* owner);

  int FirstColumn() const { return FFirstColumn; }
  int LastColumn() const { return FLastColumn; }
  void SetColumns(int first, int last);

  virtual TRptTable* Table() const;
  virtual int ColumnsWidth() const;
  // The width of the cell's content, laid out without the column widths.
  virtual int NaturalWidth();
  // The narrowest the cell gets when its paragraphs break at every blank, or also inside words
  // (BreakingWords); its other items keep their width.
  virtual int MinimumWidth(bool breakingWords);
  bool HasParagraph() const;

  std::unique_ptr<TBox> MakeBox() override;

 private:
  int FFirstColumn = -1;
  int FLastColumn = -1;
  bool FMeasuring = false;
};

// A row of a table: its cells are placed at the x of their first column.
class TRptRow : public TRptLine {
 public:
  // Owner must be a table; anything else raises EReportError.
  explicit TRptRow(TRpt* owner);

  int NextColumn() const { return FNextColumn; }
  virtual TRptTable* Table() const;
  // A cell over the next Span columns; the table gets the columns it lacks.
  TRptCell* NewMultiCell(int span);
  // A cell over the next column, with the alignment, size, font and pen of its field.
  TRptCell* NewCell();

  std::unique_ptr<TBox> MakeBox() override;
  std::unique_ptr<TBox> MakeBoxWidth(int width) override;

 private:
  int FNextColumn = 0;
};

// A section laid out in columns. The fields of the Fields line define the columns: their
// alignment, size and font are the defaults of the cells, and their boxes, after the column
// layout, hold each column's x and width. The Fields line itself is never printed.
class TRptTable : public TRptSection {
 public:
  explicit TRptTable(TRpt* owner, const std::string& title = {});

  TRptLine& Fields() const { return *FFields; }
  const std::string& Separator() const { return FSeparator; }
  void SetSeparator(const std::string& value) { FSeparator = value; }

  // A column titled Title, after a separator text when the table already has one.
  TRptField* AddField(const std::string& title);
  TRptRow* AddRow();

  virtual int FieldCount() const;
  // Nil when Index is out of range.
  virtual TRptField* GetField(int index) const;
  virtual int ColumnWidth(int index) const;
  virtual void SetColumnWidth(int index, int width);
  // Positions and widths of the columns for a table Width units wide (no width when -1):
  // single-column cells widen the columns of relative width to their content; when that makes
  // the table wider than Width, the columns whose paragraphs can break give up the difference.
  virtual void LayoutColumns(int width);
  // The x of column Index within the table.
  int ColumnX(int index) const;

  std::unique_ptr<TBox> MakeBox() override;
  std::unique_ptr<TBox> MakeBoxWidth(int width) override;

 private:
  TBox& ColumnBox(int index) const;
  // The boxes of the columns of relative width, by column; nil for the others.
  static std::vector<TBox*> RelativeColumns(TBoxGroup& fieldsBox);
  // Calls Visit(column, cell) for every cell of one column of relative width.
  template <class Visit>
  void ForEachSingleCell(const std::vector<TBox*>& columns, Visit visit);
  bool WidenColumnsToCells(TBoxGroup& fieldsBox);
  bool ShrinkColumnsToWidth(TBoxGroup& fieldsBox, int width);

  std::unique_ptr<TRptLine> FFields;
  std::string FSeparator = "  ";
};

}  // namespace ubic
