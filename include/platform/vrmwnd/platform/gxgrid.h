// The grid control without a screen: rows and columns with a header row (row 0) and a
// row-header column (column 0), cell styles (value, text and background colour,
// alignment, read-only), the current cell, row selection, a redraw lock, sorting by a
// column through a row-to-record mapping, hidden columns, a totals line and printing
// to text. Browse grids load their cells on demand through OnLoadCellStyle.
#pragma once

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/windef.h"

using ROWCOL = DWORD;
using COLORREF = DWORD;
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}

// The system colours a grid paints with (metrics.cpp has the table); unknown
// indexes give black.
constexpr int COLOR_WINDOW = 5, COLOR_WINDOWTEXT = 8, COLOR_BTNFACE = 15, COLOR_BTNTEXT = 18;
VRMWND_PLATFORM_API COLORREF GetSysColor(int index);

// Horizontal alignment of a cell, as DrawText names it.
constexpr DWORD DT_LEFT = 0, DT_CENTER = 1, DT_RIGHT = 2;

// A cell's style: each attribute is either included (set) or left to the layers below
// (column style, then the grid's defaults: black on white, left, editable).
class VRMWND_PLATFORM_API CGXStyle {
 public:
  CGXStyle& SetValue(LPCTSTR value);
  CGXStyle& SetValue(long value);
  const CString& GetValue() const;  // "" when not included
  BOOL GetIncludeValue() const { return value_.has_value(); }
  CGXStyle& SetTextColor(COLORREF color);
  COLORREF GetTextColor() const { return text_color_.value_or(0x000000); }
  BOOL GetIncludeTextColor() const { return text_color_.has_value(); }
  CGXStyle& SetInterior(COLORREF color);
  COLORREF GetInterior() const { return interior_.value_or(0xFFFFFF); }
  BOOL GetIncludeInterior() const { return interior_.has_value(); }
  CGXStyle& SetHorizontalAlignment(DWORD alignment);
  DWORD GetHorizontalAlignment() const { return alignment_.value_or(DT_LEFT); }
  BOOL GetIncludeHorizontalAlignment() const { return alignment_.has_value(); }
  CGXStyle& SetReadOnly(BOOL read_only);
  BOOL GetReadOnly() const { return read_only_.value_or(FALSE); }
  BOOL GetIncludeReadOnly() const { return read_only_.has_value(); }
  // Takes every attribute that `other` includes.
  void ChangeStyle(const CGXStyle& other);

 private:
  std::optional<CString> value_;
  std::optional<COLORREF> text_color_;
  std::optional<COLORREF> interior_;
  std::optional<DWORD> alignment_;
  std::optional<BOOL> read_only_;
};

// The grid. Rows 1..GetRowCount() are data rows; when the totals line is on, row 1
// is the totals line and the records start at row 2. Each data row shows one record
// (0-based); the mapping is the identity until SortRows reorders it. Values set on
// data cells travel with their record when the rows are sorted.
class VRMWND_PLATFORM_API CGXGridCore {
 public:
  static constexpr int kHeaderHeight = 22;  // pixels of the header row
  static constexpr int kRowHeight = 19;     // pixels of every other row
  static constexpr int kDefaultColWidth = 64;

  CGXGridCore() = default;
  virtual ~CGXGridCore() = default;
  CGXGridCore(const CGXGridCore&) = delete;
  CGXGridCore& operator=(const CGXGridCore&) = delete;

  // Sizes. A new row count drops the values of records beyond it, sorts the records
  // again by the sort column (if any), clears the selection, and clears the current
  // cell when it falls outside. Row and column counts exclude the headers.
  BOOL SetRowCount(ROWCOL rows);
  ROWCOL GetRowCount() const { return rows_; }
  BOOL SetColCount(ROWCOL cols);
  ROWCOL GetColCount() const { return cols_; }
  void SetColWidth(ROWCOL col, int width);
  int GetColWidth(ROWCOL col) const;  // 0 for a hidden column
  int GetRowHeight(ROWCOL row) const { return row == 0 ? kHeaderHeight : kRowHeight; }

  // Styles. The column style applies to the column's data cells; a cell style on
  // top of it; then OnLoadCellStyle for data cells. A cell outside the grid: FALSE.
  void SetColStyle(ROWCOL col, const CGXStyle& style);
  BOOL SetStyleRowCol(ROWCOL row, ROWCOL col, const CGXStyle& style);
  BOOL SetValueRowCol(ROWCOL row, ROWCOL col, LPCTSTR value);
  // The cell as it is shown (the totals line is computed here).
  BOOL ComposeStyleRowCol(ROWCOL row, ROWCOL col, CGXStyle* style);
  CString GetValueRowCol(ROWCOL row, ROWCOL col);
  void SetShowRowNumbers(BOOL show) { show_row_numbers_ = show; }

  // The current cell: only a data cell can be current. Moving it calls
  // OnMovedCurrentCell.
  BOOL SetCurrentCell(ROWCOL row, ROWCOL col);
  BOOL GetCurrentCell(ROWCOL& row, ROWCOL& col) const;
  void ResetCurrentCell();

  // Scrolling: the top row is the first record row shown under the header (the
  // totals line stays in view above it). Out-of-range rows are brought into range.
  void SetTopRow(ROWCOL row) { top_row_ = row; }
  ROWCOL GetTopRow() const;

  // Whole-row selection.
  BOOL SelectRow(ROWCOL row, BOOL select = TRUE);
  void ClearSelection() { selected_.clear(); }
  BOOL IsRowSelected(ROWCOL row) const;
  std::vector<ROWCOL> GetSelectedRows() const;

  // Redraw lock: LockUpdate returns the previous lock. Redraw while unlocked counts
  // one painting of the whole grid.
  BOOL LockUpdate(BOOL lock = TRUE);
  BOOL IsLockUpdate() const { return locked_; }
  void Redraw();
  int GetRedrawCount() const { return redraws_; }

  BOOL HideCols(ROWCOL from, ROWCOL to, BOOL hide = TRUE);
  BOOL IsColHidden(ROWCOL col) const;

  // The totals line: row 1, the sum of each summed column over every record row.
  // Switching it renumbers the rows; the records are sorted again (if sorted).
  void SetTotalsLine(BOOL on);
  BOOL HasTotalsLine() const { return totals_line_; }
  void SetColSummed(ROWCOL col, BOOL summed);
  static constexpr const char* kTotalsTitle = "Total";

  // Rows and records: -1 for the header, the totals line or a row outside the grid;
  // GetRowFromRecord gives 0 for a record that no row shows.
  long GetRecordFromRow(ROWCOL row) const;
  ROWCOL GetRowFromRecord(long record) const;
  ROWCOL GetFirstRecordRow() const { return totals_line_ ? 2 : 1; }

  // Sorts the record rows by the shown values of `col`: numbers in Brazilian
  // notation by value, dates dd/mm/yyyy by date, anything else as text; equal values
  // keep their order. The current cell stays in its row; when that row now shows
  // another record, OnMovedCurrentCell is called for it. Column 0 or one outside the
  // grid: FALSE.
  BOOL SortRows(ROWCOL col, BOOL ascending);
  ROWCOL GetSortCol() const { return sort_col_; }  // 0 when not sorted
  // Back to the records in their own order.
  void ClearSort();
  BOOL GetSortAscending() const { return sort_ascending_; }

  // The visible columns as text, one line per row (header, totals, records), each
  // cell cut or padded to its column width in characters and aligned as its style
  // says, cells separated by one blank; lines end with "\n".
  CString PrintToText();

 protected:
  // Asked for every data cell as it is composed; `existing` is the value the cell
  // holds before. The default changes nothing.
  virtual BOOL OnLoadCellStyle(ROWCOL row, ROWCOL col, CGXStyle& style, LPCTSTR existing);
  virtual void OnMovedCurrentCell(ROWCOL row, ROWCOL col);

 private:
  static constexpr long kHeaderKey = -1;
  long CellKey(ROWCOL row) const;  // the record, or kHeaderKey; -2 for none
  void ResetMapping();             // identity, then the sort again
  CString TotalOf(ROWCOL col);

  ROWCOL rows_ = 0;
  ROWCOL cols_ = 0;
  std::map<ROWCOL, int> widths_;
  std::map<ROWCOL, CGXStyle> col_styles_;
  std::map<std::pair<long, ROWCOL>, CGXStyle> cells_;  // (record or header, column)
  std::vector<long> records_;                          // record of each record row
  std::vector<bool> hidden_;
  std::vector<bool> summed_;
  std::vector<long> selected_;  // selected records
  ROWCOL current_row_ = 0, current_col_ = 0;
  ROWCOL top_row_ = 0;
  bool locked_ = false;
  int redraws_ = 0;
  bool totals_line_ = false;
  bool show_row_numbers_ = true;
  ROWCOL sort_col_ = 0;
  bool sort_ascending_ = true;
};
