// The one list control behind every result and settings list: a virtual,
// custom-drawn tree of two levels (category rows and the rows under them) with
// columns, tri-state check boxes, multi-select and sorting.
//
// The module keeps its own records; the control keeps only flat arrays of small
// row entries that point at them (no window item and no heap block per row), and
// asks for text or drawing by callback when a row comes into view. That keeps a
// million rows instant to fill, scroll, mark and sort.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/picture.h"
#include "ui/translation.h"

namespace vt::ui {

enum class Alignment { Left, Center, Right };
// Plain: the row's own mark. TriState: a category row whose mark follows its
// rows (checked when all are, unchecked when none are, mixed otherwise).
enum class CheckKind : std::uint8_t { None, Plain, TriState };
enum class CheckState { Unchecked, Checked, Mixed };

// What a module's cell drawing gets. The device context is clipped to the cell.
struct DrawCellArgs {
  HDC dc = nullptr;
  int row = -1;
  int record = -1;
  int column = 0;
  RECT cell{};  // column 0: the part right of the expand glyph and check box
  bool selected = false;
  bool header = false;
  COLORREF textColor = 0;  // white on selected rows, black otherwise
  HFONT font = nullptr;
  HFONT boldFont = nullptr;
  // Text at (x, y) from the cell's top left, shortened with an ellipsis at the
  // cell's right edge.
  void Text(const std::wstring& text, int x, int y, bool bold = false) const;
};

class TreeList : public WinControl, public ColumnHost {
 public:
  TreeList(Container* parent, std::wstring name, RECT bounds = {});
  ~TreeList() override;

  // ---- columns ----
  int AddColumn(const std::wstring& caption, int width, Alignment alignment = Alignment::Left);
  int ColumnCount() const override { return static_cast<int>(columns_.size()); }
  void SetColumnCaption(int index, const std::wstring& caption) override;
  const std::wstring& ColumnHostName() const override { return Name(); }
  std::wstring ColumnCaption(int index) const;
  int ColumnWidth(int index) const;
  void SetColumnWidth(int index, int width);
  // Lists without a header row of captions (a backups list).
  void SetHeaderVisible(bool visible);
  HWND HeaderHandle() const { return header_; }

  // ---- rows ----
  // Rows are identified by the number these return: stable until Clear, also
  // across sorting and removals. `record` is the module's own index, handed back
  // to the callbacks.
  int AddHeader(int record);             // a category row
  int AddRow(int record);                // a top-level row that is no category
  int AddChild(int header, int record);  // a row under a category
  void RemoveRow(int row);               // a category row goes with its rows
  int RemoveEmptyHeaders();              // category rows without rows; returns how many
  void Clear();
  // Between these, changes repaint and re-measure once, at EndUpdate.
  void BeginUpdate();
  void EndUpdate();

  int RowCount() const { return liveRows_; }
  int Record(int row) const { return rows_[row].record; }
  int Parent(int row) const { return rows_[row].parent; }  // -1 at the top level
  bool IsHeader(int row) const;
  bool IsValidRow(int row) const;
  std::vector<int> Rows() const;  // in display order, collapsed rows included
  std::vector<int> Children(int header) const;
  int ChildCount(int header) const;

  // Heights in pixels; rows without their own height take the default (from the font).
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int height);
  int RowHeight(int row) const;
  void SetRowHeight(int row, int height);

  bool expandNewHeaders = true;
  bool Expanded(int row) const;
  void SetExpanded(int row, bool expanded);

  // ---- marks ----
  // Rows added while this is set get check boxes: tri-state on category rows,
  // plain on the others. SetCheckKind changes a single row.
  bool checkBoxes = false;
  bool toggleOnDoubleClick = true;
  CheckKind CheckKindOf(int row) const { return static_cast<CheckKind>(rows_[row].check); }
  void SetCheckKind(int row, CheckKind kind);
  CheckState StateOf(int row) const;
  bool Checked(int row) const { return StateOf(row) == CheckState::Checked; }
  // A tri-state category passes the mark to all its rows. With `notify` each row
  // whose mark changed is reported to onChecked (a category's rows first, then
  // the category); clicks, Space and double-clicks always notify.
  void SetChecked(int row, bool checked, bool notify = true);
  std::function<void(int row)> onChecked;

  // ---- selection and focus ----
  bool Selected(int row) const;
  void SetSelected(int row, bool selected);
  void ClearSelection();
  void SelectAll();
  std::vector<int> SelectedRows() const;  // display order
  int FocusedRow() const { return focused_; }
  void SetFocusedRow(int row);
  std::function<void()> onSelectionChanged;

  // ---- sorting ----
  // With `sortable`, a click on a column caption sorts by it (ascending; again:
  // descending) unless onHeaderClick takes the click. Sorting reorders the
  // category rows among themselves and the rows within each category. On big
  // lists `compare` runs on two threads at once: it must only read.
  bool sortable = false;
  std::function<int(int recordA, int recordB, int column)> compare;
  std::function<void(int column)> onHeaderClick;
  void Sort(int column, bool ascending = true);
  int SortColumn() const { return sortColumn_; }
  bool SortAscending() const { return sortAscending_; }

  // ---- drawing ----
  std::function<std::wstring(int record, int column)> getCellText;
  // Returns false to get the default drawing of the cell.
  std::function<bool(DrawCellArgs&)> onDrawCell;
  std::function<void(POINT screen)> onContextMenu;
  // Drawn under the rows, fixed at the top left of the row area.
  void SetBackgroundPicture(const Picture& picture);
  void SetBackgroundColor(COLORREF color);
  int indent = 16;

  // ---- geometry (client coordinates) ----
  RECT RowRect(int row) const;  // empty when the row is inside a collapsed category
  RECT CheckBoxRect(int row) const;
  RECT ExpandGlyphRect(int row) const;
  int RowAt(int x, int y) const;  // -1 when none
  void MakeVisible(int row);
  std::int64_t ScrollY() const { return scrollY_; }
  void SetScrollY(std::int64_t y);
  int VisibleRowCount() const;  // rows not hidden in collapsed categories

  bool HasCaption() const override { return false; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend void CheckNodes(TreeList&, bool);
  friend void UncheckNodes(TreeList&, bool);
  friend int CountCheckedNodes(const TreeList&);
  void MarkRows(bool selectedOnly, bool checked);
  int CountChecked() const;

  enum Flag : std::uint8_t {
    kHeaderFlag = 1,
    kCheckedFlag = 2,
    kSelectedFlag = 4,
    kExpandedFlag = 8,
    kRemovedFlag = 16,
  };
  struct Row {
    std::int32_t record;
    std::int32_t parent;  // top-level row of a child; -1 for top-level rows
    std::int32_t group;   // top-level rows with children: index into groups_; else -1
    std::uint16_t height; // 0: the default
    std::uint8_t flags;
    std::uint8_t check;   // CheckKind
  };
  struct Group {
    std::vector<std::int32_t> children;  // display order; removed rows linger until compacted
    std::int32_t live = 0;
    std::int32_t checkable = 0;
    std::int32_t checked = 0;
    bool dirty = false;  // holds removed rows
  };
  struct Column {
    std::wstring caption;
    int width;
    Alignment alignment;
  };
  enum class Hit { None, Row, Glyph, CheckBox };

  int NewRow(int record, int parent, bool header);
  std::vector<int> RowsWith(std::uint8_t flags) const;  // display order
  Group* GroupOf(int row);
  const Group* GroupOf(int row) const;
  int EnsureGroup(int row);
  void SetMarkRaw(int row, bool checked);  // one row's own mark, keeping counts right
  void ApplyMark(int row, bool checked, bool notify);
  void ToggleMark(int row);
  void Changed(bool layout);  // after a change: re-measure lazily, repaint
  void Compact();  // drops removed rows from the order arrays
  void EnsureLayout() const;
  int PositionOf(int row) const;  // in the visible order, -1 when hidden
  int RowHeightAt(int row) const;
  int ColumnLeft(int index) const;
  int TotalColumnsWidth() const;
  int Level(int row) const { return rows_[row].parent >= 0 ? 1 : 0; }
  Hit HitTest(int x, int y, int* row) const;
  void Select(int row, bool exclusive);
  void SelectRange(int fromPosition, int toPosition, bool keepOthers);
  void MoveFocus(int position, bool shift, bool control);
  void OnMouseDown(int x, int y, WPARAM keys, bool rightButton);
  void OnDoubleClick(int x, int y);
  bool OnKeyDown(WPARAM key);
  void OnHeaderClick(int column);
  void ColumnsChanged();
  void UpdateSortMark();
  void UpdateScrollBars();
  void LayoutHeader();
  void Scroll(int bar, int code);
  int ViewHeight() const;
  std::int64_t MaxScrollY() const;
  void Paint(HDC dc, const RECT& client);
  void PaintRow(HDC dc, int row, int top, int height, int clientWidth);
  void SelectionChanged();

  std::vector<Row> rows_;
  std::vector<Group> groups_;
  std::vector<std::int32_t> top_;  // top-level rows, display order
  bool topDirty_ = false;
  int liveRows_ = 0;
  int selectedCount_ = 0;
  int focused_ = -1;
  int anchor_ = -1;

  // Derived from the above on demand; rebuilt only after structural changes.
  mutable bool layoutDirty_ = true;
  mutable std::vector<std::int32_t> visible_;
  mutable std::vector<std::int64_t> visibleTop_;  // one more entry: the total height
  mutable std::vector<std::int32_t> positionOf_;

  std::vector<Column> columns_;
  HWND header_ = nullptr;
  bool headerVisible_ = true;
  int headerHeight_ = 0;
  int sortColumn_ = -1;
  bool sortAscending_ = true;

  std::int64_t scrollY_ = 0;
  int scrollX_ = 0;
  std::int64_t scrollScale_ = 1;  // pixels per scroll-bar unit for very tall lists
  bool inScrollUpdate_ = false;
  bool scrollBarsDirty_ = true;
  int updateDepth_ = 0;
  int defaultRowHeight_ = 18;

  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
  COLORREF background_ = RGB(255, 255, 255);
  HBITMAP backgroundBitmap_ = nullptr;
  SIZE backgroundSize_{};
  HDC bufferDc_ = nullptr;
  HBITMAP buffer_ = nullptr;
  SIZE bufferSize_{};
};

// Marks (or unmarks) every row that has a check box, or only the selected ones,
// directly: onChecked is not called, so the caller recounts afterwards. A marked
// category passes its mark to its rows. Then the list repaints.
void CheckNodes(TreeList& list, bool selectedOnly);
void UncheckNodes(TreeList& list, bool selectedOnly);
// The rows with a check box whose mark is set; a fully marked category counts,
// a mixed one does not.
int CountCheckedNodes(const TreeList& list);

// Fills the rectangle with `bands` bands from `from` to `to`: direction 0 stacks
// horizontal bands top to bottom, 1 puts vertical bands left to right. Band i
// (from 1) has the colour from + i * (to - from) / bands per component, rounded,
// and spans (i - 1) * size / bands to i * size / bands, rounded. False, and
// nothing drawn, when bands is below 1.
bool FillGradient(HDC dc, const RECT& rect, int bands, COLORREF from, COLORREF to, int direction);

}  // namespace vt::ui
