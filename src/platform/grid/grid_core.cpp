// The grid core: sizes, styles composed from column, cell and on-demand loading, the
// current cell, row selection, the redraw lock and hidden columns. Sorting, totals
// and printing are in grid_sort_print.cpp.
#include <algorithm>

#include "vrmwnd/platform/gxgrid.h"

CGXStyle& CGXStyle::SetValue(LPCTSTR value) {
  value_ = CString(value);
  return *this;
}

CGXStyle& CGXStyle::SetValue(long value) {
  CString text;
  text.Format("%ld", value);
  value_ = text;
  return *this;
}

const CString& CGXStyle::GetValue() const {
  static const CString empty;
  return value_ ? *value_ : empty;
}

CGXStyle& CGXStyle::SetTextColor(COLORREF color) {
  text_color_ = color;
  return *this;
}

CGXStyle& CGXStyle::SetInterior(COLORREF color) {
  interior_ = color;
  return *this;
}

CGXStyle& CGXStyle::SetHorizontalAlignment(DWORD alignment) {
  alignment_ = alignment;
  return *this;
}

CGXStyle& CGXStyle::SetReadOnly(BOOL read_only) {
  read_only_ = read_only;
  return *this;
}

void CGXStyle::ChangeStyle(const CGXStyle& other) {
  if (other.value_) value_ = other.value_;
  if (other.text_color_) text_color_ = other.text_color_;
  if (other.interior_) interior_ = other.interior_;
  if (other.alignment_) alignment_ = other.alignment_;
  if (other.read_only_) read_only_ = other.read_only_;
}

void CGXGridCore::ResetMapping() {
  const ROWCOL first = GetFirstRecordRow();
  records_.clear();
  for (ROWCOL row = first; row <= rows_; ++row) records_.push_back(static_cast<long>(row - first));
  if (sort_col_ != 0) SortRows(sort_col_, sort_ascending_);
}

BOOL CGXGridCore::SetRowCount(ROWCOL rows) {
  rows_ = rows;
  ResetMapping();
  const long records = static_cast<long>(records_.size());
  std::erase_if(cells_, [records](const auto& cell) { return cell.first.first >= records; });
  selected_.clear();
  if (current_row_ > rows_) ResetCurrentCell();
  return TRUE;
}

void CGXGridCore::ClearSort() {
  sort_col_ = 0;
  sort_ascending_ = true;
  ResetMapping();
}

void CGXGridCore::SetTotalsLine(BOOL on) {
  totals_line_ = on != FALSE;
  ResetMapping();
}

BOOL CGXGridCore::SetColCount(ROWCOL cols) {
  cols_ = cols;
  hidden_.resize(cols + 1, false);
  summed_.resize(cols + 1, false);
  std::erase_if(cells_, [cols](const auto& cell) { return cell.first.second > cols; });
  if (current_col_ > cols_) ResetCurrentCell();
  return TRUE;
}

void CGXGridCore::SetColWidth(ROWCOL col, int width) { widths_[col] = std::max(width, 0); }

int CGXGridCore::GetColWidth(ROWCOL col) const {
  if (IsColHidden(col)) return 0;
  auto it = widths_.find(col);
  return it == widths_.end() ? kDefaultColWidth : it->second;
}

void CGXGridCore::SetColStyle(ROWCOL col, const CGXStyle& style) { col_styles_[col].ChangeStyle(style); }

long CGXGridCore::CellKey(ROWCOL row) const {
  if (row == 0) return kHeaderKey;
  return GetRecordFromRow(row) >= 0 ? GetRecordFromRow(row) : -2;
}

BOOL CGXGridCore::SetStyleRowCol(ROWCOL row, ROWCOL col, const CGXStyle& style) {
  if (row > rows_ || col > cols_) return FALSE;
  const long key = CellKey(row);
  if (key == -2) return FALSE;  // the totals line is computed
  cells_[{key, col}].ChangeStyle(style);
  return TRUE;
}

BOOL CGXGridCore::SetValueRowCol(ROWCOL row, ROWCOL col, LPCTSTR value) {
  return SetStyleRowCol(row, col, CGXStyle().SetValue(value));
}

BOOL CGXGridCore::ComposeStyleRowCol(ROWCOL row, ROWCOL col, CGXStyle* style) {
  if (row > rows_ || col > cols_ || style == nullptr) return FALSE;
  *style = CGXStyle();
  if (row > 0 && col > 0) {
    auto it = col_styles_.find(col);
    if (it != col_styles_.end()) style->ChangeStyle(it->second);
  }
  const bool totals = totals_line_ && row == 1;
  if (totals) {
    style->SetValue(col == 0 ? CString(kTotalsTitle) : (summed_[col] ? TotalOf(col) : CString()));
    style->SetReadOnly(TRUE);
    return TRUE;
  }
  auto cell = cells_.find({CellKey(row), col});
  if (cell != cells_.end()) style->ChangeStyle(cell->second);
  if (row == 0) return TRUE;
  if (col == 0) {
    if (!style->GetIncludeValue() && show_row_numbers_) {
      style->SetValue(static_cast<long>(row - GetFirstRecordRow() + 1));
    }
    return TRUE;
  }
  const CString existing = style->GetValue();
  OnLoadCellStyle(row, col, *style, existing);
  return TRUE;
}

CString CGXGridCore::GetValueRowCol(ROWCOL row, ROWCOL col) {
  CGXStyle style;
  return ComposeStyleRowCol(row, col, &style) ? style.GetValue() : CString();
}

BOOL CGXGridCore::SetCurrentCell(ROWCOL row, ROWCOL col) {
  if (row == 0 || col == 0 || row > rows_ || col > cols_) return FALSE;
  current_row_ = row;
  current_col_ = col;
  OnMovedCurrentCell(row, col);
  return TRUE;
}

BOOL CGXGridCore::GetCurrentCell(ROWCOL& row, ROWCOL& col) const {
  if (current_row_ == 0) return FALSE;
  row = current_row_;
  col = current_col_;
  return TRUE;
}

void CGXGridCore::ResetCurrentCell() { current_row_ = current_col_ = 0; }

ROWCOL CGXGridCore::GetTopRow() const { return std::max(GetFirstRecordRow(), std::min(top_row_, rows_)); }

BOOL CGXGridCore::SelectRow(ROWCOL row, BOOL select) {
  const long record = GetRecordFromRow(row);
  if (record < 0) return FALSE;
  std::erase(selected_, record);
  if (select) selected_.push_back(record);
  return TRUE;
}

BOOL CGXGridCore::IsRowSelected(ROWCOL row) const {
  const long record = GetRecordFromRow(row);
  return record >= 0 && std::find(selected_.begin(), selected_.end(), record) != selected_.end();
}

std::vector<ROWCOL> CGXGridCore::GetSelectedRows() const {
  std::vector<ROWCOL> rows;
  for (long record : selected_) rows.push_back(GetRowFromRecord(record));
  std::sort(rows.begin(), rows.end());
  return rows;
}

BOOL CGXGridCore::LockUpdate(BOOL lock) {
  const BOOL previous = locked_;
  locked_ = lock != FALSE;
  return previous;
}

void CGXGridCore::Redraw() {
  if (!locked_) ++redraws_;
}

BOOL CGXGridCore::HideCols(ROWCOL from, ROWCOL to, BOOL hide) {
  if (from == 0 || from > to || to > cols_) return FALSE;
  for (ROWCOL col = from; col <= to; ++col) hidden_[col] = hide != FALSE;
  return TRUE;
}

BOOL CGXGridCore::IsColHidden(ROWCOL col) const { return col < hidden_.size() && hidden_[col]; }

void CGXGridCore::SetColSummed(ROWCOL col, BOOL summed) {
  if (col >= 1 && col <= cols_) summed_[col] = summed != FALSE;
}

long CGXGridCore::GetRecordFromRow(ROWCOL row) const {
  const ROWCOL first = GetFirstRecordRow();
  if (row < first || row > rows_) return -1;
  return records_[row - first];
}

ROWCOL CGXGridCore::GetRowFromRecord(long record) const {
  auto it = std::find(records_.begin(), records_.end(), record);
  if (record < 0 || it == records_.end()) return 0;
  return static_cast<ROWCOL>(it - records_.begin()) + GetFirstRecordRow();
}

BOOL CGXGridCore::OnLoadCellStyle(ROWCOL, ROWCOL, CGXStyle&, LPCTSTR) { return TRUE; }

void CGXGridCore::OnMovedCurrentCell(ROWCOL, ROWCOL) {}
