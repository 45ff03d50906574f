#include "ui/tree_list.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <thread>

namespace vt::ui {

namespace {

constexpr wchar_t kTreeListClass[] = L"VtTreeList";
constexpr int kCheckSize = 13;
constexpr int kCheckSlot = 20;  // check box plus its gap to the text
constexpr int kTextPadding = 4;
// Scroll bars hold an int; far below INT_MAX so that position + page never overflows.
constexpr std::int64_t kScrollLimit = 1 << 30;
constexpr int kParallelSortRows = 100000;

const COLORREF kSelectionColor = RGB(0, 120, 215);
const COLORREF kSelectionBorder = RGB(0, 90, 170);
const COLORREF kCheckBorder = RGB(118, 118, 118);
const COLORREF kCheckAccent = RGB(0, 120, 215);
const COLORREF kGlyphColor = RGB(110, 110, 110);

void RegisterTreeListClass() {
  static bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &DefWindowProcW;  // the control hooks in through CreateHandle
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kTreeListClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  const COLORREF old = SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF color) {
  FillSolid(dc, {rect.left, rect.top, rect.right, rect.top + 1}, color);
  FillSolid(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
  FillSolid(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, color);
  FillSolid(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void DrawCheckBox(HDC dc, const RECT& box, CheckState state, bool onSelection) {
  if (state == CheckState::Checked) {
    FillSolid(dc, box, kCheckAccent);
    // On the highlight a marked box would melt into it without an edge.
    if (onSelection) FrameSolid(dc, box, RGB(255, 255, 255));
    // A tick drawn as two thick strokes.
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(dc, pen);
    POINT tick[3] = {{box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
    Polyline(dc, tick, 3);
    SelectObject(dc, old);
    DeleteObject(pen);
    return;
  }
  FillSolid(dc, box, RGB(255, 255, 255));
  FrameSolid(dc, box, state == CheckState::Mixed ? kCheckAccent : kCheckBorder);
  if (state == CheckState::Mixed) FillSolid(dc, {box.left + 3, box.top + 3, box.right - 3, box.bottom - 3}, kCheckAccent);
}

void DrawExpandGlyph(HDC dc, const RECT& slot, bool expanded, COLORREF color) {
  const int cx = (slot.left + slot.right) / 2, cy = (slot.top + slot.bottom) / 2;
  POINT points[3];
  if (expanded) {
    points[0] = {cx - 4, cy - 2};
    points[1] = {cx + 4, cy - 2};
    points[2] = {cx, cy + 2};
  } else {
    points[0] = {cx - 2, cy - 4};
    points[1] = {cx - 2, cy + 4};
    points[2] = {cx + 2, cy};
  }
  HBRUSH brush = CreateSolidBrush(color);
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  Polygon(dc, points, 3);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}

}  // namespace

void DrawCellArgs::Text(const std::wstring& text, int x, int y, bool bold) const {
  RECT box{cell.left + x, cell.top + y, cell.right, cell.bottom};
  if (box.right <= box.left) return;
  HGDIOBJ old = SelectObject(dc, bold ? boldFont : font);
  SetTextColor(dc, textColor);
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
            DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT | DT_TOP);
  SelectObject(dc, old);
}

// ---- construction ----

TreeList::TreeList(Container* parent, std::wstring name, RECT bounds) : WinControl(parent, std::move(name)) {
  bounds_ = bounds;
  RegisterTreeListClass();
  CreateHandle(kTreeListClass, WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CLIENTEDGE);
  font_ = DefaultFont();
  LOGFONTW logFont{};
  GetObjectW(font_, sizeof(logFont), &logFont);
  logFont.lfWeight = FW_BOLD;
  boldFont_ = CreateFontIndirectW(&logFont);
  HDC screen = GetDC(handle_);
  HGDIOBJ old = SelectObject(screen, font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  SelectObject(screen, old);
  ReleaseDC(handle_, screen);
  defaultRowHeight_ = std::max<int>(18, metrics.tmHeight + 6);

  header_ = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE | HDS_BUTTONS | HDS_HORZ | HDS_FULLDRAG, 0, 0, 0,
                            0, handle_, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(header_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  LayoutHeader();
}

TreeList::~TreeList() {
  if (bufferDc_) DeleteDC(bufferDc_);
  if (buffer_) DeleteObject(buffer_);
  if (backgroundBitmap_) DeleteObject(backgroundBitmap_);
  if (boldFont_) DeleteObject(boldFont_);
}

// ---- columns ----

int TreeList::AddColumn(const std::wstring& caption, int width, Alignment alignment) {
  columns_.push_back({caption, width, alignment});
  const int index = ColumnCount() - 1;
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = const_cast<wchar_t*>(columns_.back().caption.c_str());
  item.cxy = width;
  item.fmt = HDF_STRING |
             (alignment == Alignment::Right ? HDF_RIGHT : alignment == Alignment::Center ? HDF_CENTER : HDF_LEFT);
  SendMessageW(header_, HDM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
  ColumnsChanged();
  return index;
}

void TreeList::SetColumnCaption(int index, const std::wstring& caption) {
  if (index < 0 || index >= ColumnCount()) return;
  columns_[index].caption = caption;
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = const_cast<wchar_t*>(columns_[index].caption.c_str());
  SendMessageW(header_, HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

std::wstring TreeList::ColumnCaption(int index) const {
  return index >= 0 && index < ColumnCount() ? columns_[index].caption : std::wstring();
}

int TreeList::ColumnWidth(int index) const {
  if (columns_.empty() && index == 0) {
    RECT client;
    GetClientRect(handle_, &client);
    return client.right;
  }
  return index >= 0 && index < ColumnCount() ? columns_[index].width : 0;
}

void TreeList::SetColumnWidth(int index, int width) {
  if (index < 0 || index >= ColumnCount()) return;
  columns_[index].width = std::max(0, width);
  HDITEMW item{};
  item.mask = HDI_WIDTH;
  item.cxy = columns_[index].width;
  SendMessageW(header_, HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
  ColumnsChanged();
}

void TreeList::SetHeaderVisible(bool visible) {
  headerVisible_ = visible;
  ShowWindow(header_, visible ? SW_SHOWNA : SW_HIDE);
  LayoutHeader();
  UpdateScrollBars();
  InvalidateRect(handle_, nullptr, FALSE);
}

int TreeList::ColumnLeft(int index) const {
  int left = 0;
  for (int i = 0; i < index && i < ColumnCount(); ++i) left += columns_[i].width;
  return left;
}

int TreeList::TotalColumnsWidth() const {
  return columns_.empty() ? ColumnWidth(0) : ColumnLeft(ColumnCount());
}

void TreeList::ColumnsChanged() {
  LayoutHeader();
  UpdateScrollBars();
  InvalidateRect(handle_, nullptr, FALSE);
}

void TreeList::LayoutHeader() {
  RECT client;
  GetClientRect(handle_, &client);
  if (!headerVisible_) {
    headerHeight_ = 0;
    return;
  }
  RECT area{0, 0, std::max<LONG>(client.right, TotalColumnsWidth()) + scrollX_, 32767};
  WINDOWPOS position{};
  HDLAYOUT layout{&area, &position};
  SendMessageW(header_, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
  headerHeight_ = position.cy;
  // The header scrolls sideways with the rows.
  SetWindowPos(header_, nullptr, -scrollX_, 0, position.cx, position.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- rows ----

int TreeList::NewRow(int record, int parent, bool header) {
  const int row = static_cast<int>(rows_.size());
  Row entry{};
  entry.record = record;
  entry.parent = parent;
  entry.group = -1;
  entry.flags = static_cast<std::uint8_t>((header ? kHeaderFlag : 0) | (expandNewHeaders ? kExpandedFlag : 0));
  entry.check = static_cast<std::uint8_t>(!checkBoxes ? CheckKind::None
                                          : header    ? CheckKind::TriState
                                                      : CheckKind::Plain);
  rows_.push_back(entry);
  ++liveRows_;
  return row;
}

int TreeList::AddHeader(int record) {
  const int row = NewRow(record, -1, true);
  top_.push_back(row);
  Changed(true);
  return row;
}

int TreeList::AddRow(int record) {
  const int row = NewRow(record, -1, false);
  top_.push_back(row);
  Changed(true);
  return row;
}

int TreeList::EnsureGroup(int row) {
  if (rows_[row].group < 0) {
    rows_[row].group = static_cast<int>(groups_.size());
    groups_.emplace_back();
  }
  return rows_[row].group;
}

int TreeList::AddChild(int header, int record) {
  if (!IsValidRow(header) || rows_[header].parent >= 0) return -1;
  const int group = EnsureGroup(header);
  const int row = NewRow(record, header, false);
  Group& g = groups_[group];
  g.children.push_back(row);
  ++g.live;
  if (rows_[row].check != static_cast<std::uint8_t>(CheckKind::None)) ++g.checkable;
  Changed(true);
  return row;
}

TreeList::Group* TreeList::GroupOf(int row) {
  return rows_[row].group >= 0 ? &groups_[rows_[row].group] : nullptr;
}

const TreeList::Group* TreeList::GroupOf(int row) const {
  return rows_[row].group >= 0 ? &groups_[rows_[row].group] : nullptr;
}

bool TreeList::IsValidRow(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) && !(rows_[row].flags & kRemovedFlag);
}

bool TreeList::IsHeader(int row) const { return rows_[row].flags & kHeaderFlag; }

int TreeList::ChildCount(int header) const {
  const Group* group = GroupOf(header);
  return group ? group->live : 0;
}

std::vector<int> TreeList::Children(int header) const {
  std::vector<int> result;
  if (const Group* group = GroupOf(header)) {
    for (int child : group->children)
      if (!(rows_[child].flags & kRemovedFlag)) result.push_back(child);
  }
  return result;
}

std::vector<int> TreeList::RowsWith(std::uint8_t flags) const {
  std::vector<int> result;
  if (flags == 0) result.reserve(liveRows_);
  const auto take = [&](int row) {
    const std::uint8_t f = rows_[row].flags;
    if (!(f & kRemovedFlag) && (f & flags) == flags) result.push_back(row);
  };
  for (int top : top_) {
    if (rows_[top].flags & kRemovedFlag) continue;
    take(top);
    if (const Group* group = GroupOf(top))
      for (int child : group->children) take(child);
  }
  return result;
}

std::vector<int> TreeList::Rows() const { return RowsWith(0); }

void TreeList::RemoveRow(int row) {
  if (!IsValidRow(row)) return;
  const auto drop = [this](int r) {
    Row& entry = rows_[r];
    if (entry.flags & kSelectedFlag) --selectedCount_;
    entry.flags = static_cast<std::uint8_t>((entry.flags & ~kSelectedFlag) | kRemovedFlag);
    --liveRows_;
    if (focused_ == r) focused_ = -1;
    if (anchor_ == r) anchor_ = -1;
  };
  const int parent = rows_[row].parent;
  if (parent >= 0) {
    // Keep the category's look: when its last marked-capable row goes, it keeps
    // the mark it showed.
    const CheckState before = StateOf(parent);
    Group& group = groups_[rows_[parent].group];
    --group.live;
    if (rows_[row].check != static_cast<std::uint8_t>(CheckKind::None)) {
      --group.checkable;
      if (rows_[row].flags & kCheckedFlag) --group.checked;
    }
    group.dirty = true;
    drop(row);
    if (group.checkable == 0) {
      if (before == CheckState::Checked)
        rows_[parent].flags |= kCheckedFlag;
      else
        rows_[parent].flags &= static_cast<std::uint8_t>(~kCheckedFlag);
    }
  } else {
    if (Group* group = GroupOf(row)) {
      for (int child : group->children)
        if (!(rows_[child].flags & kRemovedFlag)) drop(child);
      group->children.clear();
      group->children.shrink_to_fit();
      group->live = group->checkable = group->checked = 0;
      group->dirty = false;
    }
    drop(row);
    topDirty_ = true;
  }
  Changed(true);
}

int TreeList::RemoveEmptyHeaders() {
  int removed = 0;
  BeginUpdate();
  for (int top : top_) {
    if ((rows_[top].flags & (kHeaderFlag | kRemovedFlag)) == kHeaderFlag && ChildCount(top) == 0) {
      RemoveRow(top);
      ++removed;
    }
  }
  EndUpdate();
  return removed;
}

void TreeList::Clear() {
  rows_.clear();
  rows_.shrink_to_fit();
  groups_.clear();
  top_.clear();
  topDirty_ = false;
  liveRows_ = selectedCount_ = 0;
  focused_ = anchor_ = -1;
  scrollY_ = 0;
  Changed(true);
}

void TreeList::BeginUpdate() { ++updateDepth_; }

void TreeList::EndUpdate() {
  if (updateDepth_ > 0 && --updateDepth_ == 0) Changed(false);
}

// Everything derived is brought up to date when it is next needed (the scroll
// bars at the next paint), so adding a million rows one by one stays linear.
void TreeList::Changed(bool layout) {
  if (layout) layoutDirty_ = scrollBarsDirty_ = true;
  if (updateDepth_ > 0) return;
  InvalidateRect(handle_, nullptr, FALSE);
}

void TreeList::SetDefaultRowHeight(int height) {
  defaultRowHeight_ = std::clamp(height, 1, 65535);
  Changed(true);
}

int TreeList::RowHeightAt(int row) const {
  return rows_[row].height ? rows_[row].height : defaultRowHeight_;
}

int TreeList::RowHeight(int row) const { return RowHeightAt(row); }

void TreeList::SetRowHeight(int row, int height) {
  rows_[row].height = static_cast<std::uint16_t>(std::clamp(height, 1, 65535));
  Changed(true);
}

bool TreeList::Expanded(int row) const { return rows_[row].flags & kExpandedFlag; }

void TreeList::SetExpanded(int row, bool expanded) {
  if (!IsValidRow(row) || rows_[row].parent >= 0 || Expanded(row) == expanded) return;
  if (expanded) {
    rows_[row].flags |= kExpandedFlag;
  } else {
    rows_[row].flags &= static_cast<std::uint8_t>(~kExpandedFlag);
    // The focus must stay on a row that can be seen.
    if (focused_ >= 0 && rows_[focused_].parent == row) focused_ = row;
  }
  Changed(true);
}

void TreeList::Compact() {
  if (topDirty_) {
    std::erase_if(top_, [this](int r) { return rows_[r].flags & kRemovedFlag; });
    topDirty_ = false;
  }
  for (Group& group : groups_) {
    if (!group.dirty) continue;
    std::erase_if(group.children, [this](int r) { return rows_[r].flags & kRemovedFlag; });
    group.dirty = false;
  }
}

void TreeList::EnsureLayout() const {
  if (!layoutDirty_) return;
  const_cast<TreeList&>(*this).Compact();
  visible_.clear();
  visibleTop_.clear();
  visible_.reserve(liveRows_);
  visibleTop_.reserve(liveRows_ + 1);
  positionOf_.assign(rows_.size(), -1);
  std::int64_t y = 0;
  const auto add = [&](int row) {
    positionOf_[row] = static_cast<std::int32_t>(visible_.size());
    visible_.push_back(row);
    visibleTop_.push_back(y);
    y += RowHeightAt(row);
  };
  for (int top : top_) {
    add(top);
    const Row& entry = rows_[top];
    if ((entry.flags & kExpandedFlag) && entry.group >= 0) {
      for (int child : groups_[entry.group].children) add(child);
    }
  }
  visibleTop_.push_back(y);
  layoutDirty_ = false;
}

int TreeList::PositionOf(int row) const {
  EnsureLayout();
  return row >= 0 && row < static_cast<int>(positionOf_.size()) ? positionOf_[row] : -1;
}

int TreeList::VisibleRowCount() const {
  EnsureLayout();
  return static_cast<int>(visible_.size());
}

// ---- marks ----

void TreeList::SetCheckKind(int row, CheckKind kind) {
  const auto old = static_cast<CheckKind>(rows_[row].check);
  if (old == kind) return;
  const int parent = rows_[row].parent;
  if (parent >= 0) {
    Group& group = groups_[rows_[parent].group];
    const bool checked = rows_[row].flags & kCheckedFlag;
    if (old == CheckKind::None) {
      ++group.checkable;
      if (checked) ++group.checked;
    } else if (kind == CheckKind::None) {
      --group.checkable;
      if (checked) --group.checked;
    }
  }
  rows_[row].check = static_cast<std::uint8_t>(kind);
  Changed(false);
}

CheckState TreeList::StateOf(int row) const {
  const Row& entry = rows_[row];
  if (entry.check == static_cast<std::uint8_t>(CheckKind::TriState)) {
    if (const Group* group = GroupOf(row); group && group->checkable > 0) {
      if (group->checked == 0) return CheckState::Unchecked;
      return group->checked == group->checkable ? CheckState::Checked : CheckState::Mixed;
    }
  }
  return (entry.flags & kCheckedFlag) ? CheckState::Checked : CheckState::Unchecked;
}

void TreeList::SetMarkRaw(int row, bool checked) {
  Row& entry = rows_[row];
  if (static_cast<bool>(entry.flags & kCheckedFlag) == checked) return;
  entry.flags = static_cast<std::uint8_t>(checked ? (entry.flags | kCheckedFlag) : (entry.flags & ~kCheckedFlag));
  if (entry.parent >= 0 && entry.check != static_cast<std::uint8_t>(CheckKind::None))
    groups_[rows_[entry.parent].group].checked += checked ? 1 : -1;
}

void TreeList::ApplyMark(int row, bool checked, bool notify) {
  const Row& entry = rows_[row];
  if (entry.check == static_cast<std::uint8_t>(CheckKind::None)) return;
  if (entry.check == static_cast<std::uint8_t>(CheckKind::TriState)) {
    const CheckState before = StateOf(row);
    if (Group* group = GroupOf(row)) {
      for (int child : group->children) {
        const Row& c = rows_[child];
        if ((c.flags & kRemovedFlag) || c.check == static_cast<std::uint8_t>(CheckKind::None)) continue;
        if (static_cast<bool>(c.flags & kCheckedFlag) == checked) continue;
        SetMarkRaw(child, checked);
        if (notify && onChecked) onChecked(child);
      }
    }
    SetMarkRaw(row, checked);
    if (notify && onChecked && StateOf(row) != before) onChecked(row);
    return;
  }
  const bool changed = static_cast<bool>(entry.flags & kCheckedFlag) != checked;
  SetMarkRaw(row, checked);
  if (notify && changed && onChecked) onChecked(row);
}

void TreeList::SetChecked(int row, bool checked, bool notify) {
  if (!IsValidRow(row)) return;
  ApplyMark(row, checked, notify);
  Changed(false);
}

void TreeList::ToggleMark(int row) {
  if (!IsValidRow(row) || CheckKindOf(row) == CheckKind::None) return;
  // A mixed category becomes fully marked, as a click on its box promises.
  SetChecked(row, StateOf(row) != CheckState::Checked, true);
}

// ---- selection ----

bool TreeList::Selected(int row) const { return IsValidRow(row) && (rows_[row].flags & kSelectedFlag); }

void TreeList::SetSelected(int row, bool selected) {
  if (!IsValidRow(row) || Selected(row) == selected) return;
  rows_[row].flags ^= kSelectedFlag;
  selectedCount_ += selected ? 1 : -1;
  SelectionChanged();
}

void TreeList::SelectionChanged() {
  Changed(false);
  if (onSelectionChanged) onSelectionChanged();
}

void TreeList::ClearSelection() {
  if (selectedCount_ == 0) return;
  for (Row& row : rows_) row.flags &= static_cast<std::uint8_t>(~kSelectedFlag);
  selectedCount_ = 0;
  SelectionChanged();
}

void TreeList::SelectAll() {
  EnsureLayout();
  for (int row : visible_) {
    if (!(rows_[row].flags & kSelectedFlag)) {
      rows_[row].flags |= kSelectedFlag;
      ++selectedCount_;
    }
  }
  SelectionChanged();
}

std::vector<int> TreeList::SelectedRows() const {
  return selectedCount_ == 0 ? std::vector<int>() : RowsWith(kSelectedFlag);
}

void TreeList::SetFocusedRow(int row) {
  focused_ = IsValidRow(row) ? row : -1;
  if (focused_ >= 0) {
    if (int parent = rows_[focused_].parent; parent >= 0) SetExpanded(parent, true);
    MakeVisible(focused_);
  }
  Changed(false);
}

void TreeList::Select(int row, bool exclusive) {
  if (exclusive) {
    if (selectedCount_ > 0)
      for (Row& entry : rows_) entry.flags &= static_cast<std::uint8_t>(~kSelectedFlag);
    selectedCount_ = 0;
  }
  if (row >= 0 && !(rows_[row].flags & kSelectedFlag)) {
    rows_[row].flags |= kSelectedFlag;
    ++selectedCount_;
  }
}

void TreeList::SelectRange(int fromPosition, int toPosition, bool keepOthers) {
  EnsureLayout();
  if (!keepOthers) Select(-1, true);
  if (fromPosition > toPosition) std::swap(fromPosition, toPosition);
  for (int p = std::max(fromPosition, 0); p <= toPosition && p < static_cast<int>(visible_.size()); ++p) Select(visible_[p], false);
}

// ---- sorting ----

void TreeList::Sort(int column, bool ascending) {
  sortColumn_ = column;
  sortAscending_ = ascending;
  UpdateSortMark();
  if (!compare) return;
  Compact();  // removed rows are not worth comparing
  // Sorted as (record, row) pairs side by side, so comparing touches no row entry.
  const auto& compareRecords = compare;
  const auto less = [&compareRecords, column, ascending](const std::pair<int, int>& a, const std::pair<int, int>& b) {
    const int result = compareRecords(a.first, b.first, column);
    return ascending ? result < 0 : result > 0;
  };
  const auto sortOrder = [&](std::vector<std::int32_t>& order, std::vector<std::pair<int, int>>& pairs) {
    pairs.clear();
    for (int row : order) pairs.emplace_back(rows_[row].record, row);
    std::stable_sort(pairs.begin(), pairs.end(), less);
    for (size_t i = 0; i < pairs.size(); ++i) order[i] = pairs[i].second;
  };
  const auto sortGroups = [&](size_t from, size_t to) {
    std::vector<std::pair<int, int>> pairs;
    for (size_t g = from; g < to; ++g) sortOrder(groups_[g].children, pairs);
  };
  std::vector<std::pair<int, int>> pairs;
  sortOrder(top_, pairs);
  // Big lists sort their categories on two threads, split at half the rows; the
  // categories are independent and the comparison only reads the records.
  size_t split = 0;
  if (liveRows_ >= kParallelSortRows && groups_.size() > 1) {
    std::int64_t seen = 0;
    while (split < groups_.size() && seen < liveRows_ / 2) seen += groups_[split++].children.size();
  }
  if (split > 0 && split < groups_.size()) {
    std::thread other(sortGroups, split, groups_.size());
    sortGroups(0, split);
    other.join();
  } else {
    sortGroups(0, groups_.size());
  }
  Changed(true);
}

void TreeList::UpdateSortMark() {
  for (int i = 0; i < ColumnCount(); ++i) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header_, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (i == sortColumn_) item.fmt |= sortAscending_ ? HDF_SORTUP : HDF_SORTDOWN;
    SendMessageW(header_, HDM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

void TreeList::OnHeaderClick(int column) {
  if (onHeaderClick) {
    onHeaderClick(column);
    return;
  }
  if (!sortable || !compare) return;
  Sort(column, column == sortColumn_ ? !sortAscending_ : true);
}

// ---- background ----

void TreeList::SetBackgroundColor(COLORREF color) {
  background_ = color;
  InvalidateRect(handle_, nullptr, FALSE);
}

void TreeList::SetBackgroundPicture(const Picture& picture) {
  if (backgroundBitmap_) DeleteObject(backgroundBitmap_);
  backgroundBitmap_ = nullptr;
  backgroundSize_ = {picture.Width(), picture.Height()};
  if (!picture.Empty()) {
    // Composed once over the background colour, so painting is a plain copy.
    HDC screen = GetDC(handle_);
    HDC memory = CreateCompatibleDC(screen);
    backgroundBitmap_ = CreateCompatibleBitmap(screen, backgroundSize_.cx, backgroundSize_.cy);
    HGDIOBJ old = SelectObject(memory, backgroundBitmap_);
    FillSolid(memory, {0, 0, backgroundSize_.cx, backgroundSize_.cy}, background_);
    picture.PaintTo(memory, 0, 0);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(handle_, screen);
  }
  InvalidateRect(handle_, nullptr, FALSE);
}

// ---- geometry ----

int TreeList::ViewHeight() const {
  RECT client;
  GetClientRect(handle_, &client);
  return std::max<int>(0, client.bottom - headerHeight_);
}

std::int64_t TreeList::MaxScrollY() const {
  EnsureLayout();
  return std::max<std::int64_t>(0, visibleTop_.back() - ViewHeight());
}

RECT TreeList::RowRect(int row) const {
  const int position = PositionOf(row);
  if (position < 0) return {};
  RECT client;
  GetClientRect(handle_, &client);
  const std::int64_t top = visibleTop_[position] - scrollY_ + headerHeight_;
  const std::int64_t clamped = std::clamp<std::int64_t>(top, INT_MIN / 2, INT_MAX / 2);
  return {-scrollX_, static_cast<LONG>(clamped), std::max<LONG>(client.right, TotalColumnsWidth() - scrollX_),
          static_cast<LONG>(clamped + RowHeightAt(row))};
}

RECT TreeList::ExpandGlyphRect(int row) const {
  const RECT r = RowRect(row);
  if (r.bottom == r.top) return {};
  // Flat lists need no room for expand glyphs.
  const int slot = groups_.empty() ? 0 : indent;
  const int left = r.left + Level(row) * slot;
  return {left, r.top, left + slot, r.bottom};
}

RECT TreeList::CheckBoxRect(int row) const {
  const RECT glyph = ExpandGlyphRect(row);
  if (glyph.bottom == glyph.top || CheckKindOf(row) == CheckKind::None) return {};
  const int left = glyph.right + 2;
  const int top = (glyph.top + glyph.bottom - kCheckSize) / 2;
  return {left, top, left + kCheckSize, top + kCheckSize};
}

int TreeList::RowAt(int x, int y) const {
  (void)x;
  EnsureLayout();
  if (y < headerHeight_) return -1;
  const std::int64_t contentY = y - headerHeight_ + scrollY_;
  if (contentY < 0 || contentY >= visibleTop_.back()) return -1;
  auto it = std::upper_bound(visibleTop_.begin(), visibleTop_.end() - 1, contentY);
  return visible_[static_cast<size_t>(it - visibleTop_.begin()) - 1];
}

TreeList::Hit TreeList::HitTest(int x, int y, int* row) const {
  *row = RowAt(x, y);
  if (*row < 0) return Hit::None;
  if (x + scrollX_ >= TotalColumnsWidth()) return Hit::Row;
  const RECT glyph = ExpandGlyphRect(*row);
  if (rows_[*row].parent < 0 && ChildCount(*row) > 0 && x >= glyph.left && x < glyph.right) return Hit::Glyph;
  const RECT box = CheckBoxRect(*row);
  // A little slack around the box, as fingers and mice are not that precise.
  if (box.right > box.left && x >= box.left - 2 && x < box.right + 2) return Hit::CheckBox;
  return Hit::Row;
}

void TreeList::MakeVisible(int row) {
  const int position = PositionOf(row);
  if (position < 0) return;
  const std::int64_t top = visibleTop_[position], bottom = visibleTop_[position + 1];
  const int view = ViewHeight();
  if (top < scrollY_)
    SetScrollY(top);
  else if (bottom > scrollY_ + view)
    SetScrollY(bottom - view);
}

void TreeList::SetScrollY(std::int64_t y) {
  if (scrollBarsDirty_) UpdateScrollBars();
  const std::int64_t clamped = std::clamp<std::int64_t>(y, 0, MaxScrollY());
  if (clamped == scrollY_) return;
  scrollY_ = clamped;
  SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, static_cast<int>(scrollY_ / scrollScale_), 0};
  SetScrollInfo(handle_, SB_VERT, &info, TRUE);
  InvalidateRect(handle_, nullptr, FALSE);
}

void TreeList::UpdateScrollBars() {
  if (inScrollUpdate_ || !handle_) return;
  inScrollUpdate_ = true;
  scrollBarsDirty_ = false;
  // Showing one bar can make the other necessary; two rounds settle it.
  for (int round = 0; round < 2; ++round) {
    EnsureLayout();
    RECT client;
    GetClientRect(handle_, &client);
    const std::int64_t total = visibleTop_.back();
    const int view = ViewHeight();
    scrollScale_ = std::max<std::int64_t>(1, (total + kScrollLimit - 1) / kScrollLimit);
    scrollY_ = std::clamp<std::int64_t>(scrollY_, 0, MaxScrollY());
    SCROLLINFO vertical{sizeof(vertical), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    vertical.nMax = total > 0 ? static_cast<int>((total - 1) / scrollScale_) : 0;
    vertical.nPage = static_cast<UINT>(std::max<std::int64_t>(1, view / scrollScale_));
    vertical.nPos = static_cast<int>(scrollY_ / scrollScale_);
    if (total <= view) {
      vertical.nMax = 0;
      vertical.nPage = 0;
    }
    SetScrollInfo(handle_, SB_VERT, &vertical, TRUE);

    const int width = TotalColumnsWidth();
    scrollX_ = std::clamp(scrollX_, 0, std::max<int>(0, width - client.right));
    SCROLLINFO horizontal{sizeof(horizontal), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    if (!columns_.empty() && width > client.right) {
      horizontal.nMax = width - 1;
      horizontal.nPage = static_cast<UINT>(std::max<LONG>(client.right, 1));
      horizontal.nPos = scrollX_;
    }
    SetScrollInfo(handle_, SB_HORZ, &horizontal, TRUE);
    LayoutHeader();
  }
  inScrollUpdate_ = false;
}

void TreeList::Scroll(int bar, int code) {
  if (bar == SB_VERT) {
    const int view = ViewHeight();
    std::int64_t y = scrollY_;
    switch (code) {
      case SB_LINEUP: y -= defaultRowHeight_; break;
      case SB_LINEDOWN: y += defaultRowHeight_; break;
      case SB_PAGEUP: y -= std::max(view - defaultRowHeight_, defaultRowHeight_); break;
      case SB_PAGEDOWN: y += std::max(view - defaultRowHeight_, defaultRowHeight_); break;
      case SB_TOP: y = 0; break;
      case SB_BOTTOM: y = MaxScrollY(); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: {
        // The 32-bit tracking position, not the 16 bits the message carries.
        SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(handle_, SB_VERT, &info);
        y = static_cast<std::int64_t>(info.nTrackPos) * scrollScale_;
        break;
      }
      default: return;
    }
    SetScrollY(y);
    return;
  }
  RECT client;
  GetClientRect(handle_, &client);
  int x = scrollX_;
  switch (code) {
    case SB_LINELEFT: x -= 16; break;
    case SB_LINERIGHT: x += 16; break;
    case SB_PAGELEFT: x -= client.right; break;
    case SB_PAGERIGHT: x += client.right; break;
    case SB_LEFT: x = 0; break;
    case SB_RIGHT: x = INT_MAX / 2; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(handle_, SB_HORZ, &info);
      x = info.nTrackPos;
      break;
    }
    default: return;
  }
  x = std::clamp(x, 0, std::max<int>(0, TotalColumnsWidth() - client.right));
  if (x == scrollX_) return;
  scrollX_ = x;
  SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, scrollX_, 0};
  SetScrollInfo(handle_, SB_HORZ, &info, TRUE);
  LayoutHeader();
  InvalidateRect(handle_, nullptr, FALSE);
}

// ---- input ----

void TreeList::OnMouseDown(int x, int y, WPARAM keys, bool rightButton) {
  ::SetFocus(handle_);
  int row;
  const Hit hit = HitTest(x, y, &row);
  if (hit == Hit::None) {
    if (!rightButton && !(keys & (MK_CONTROL | MK_SHIFT))) ClearSelection();
    return;
  }
  if (!rightButton && hit == Hit::Glyph) {
    SetExpanded(row, !Expanded(row));
    return;
  }
  if (!rightButton && hit == Hit::CheckBox) {
    ToggleMark(row);
    focused_ = row;
    Changed(false);
    return;
  }
  if (rightButton) {
    // A right click keeps a selection it lands in, so the menu acts on all of it.
    if (!Selected(row)) {
      Select(row, true);
      anchor_ = row;
    }
  } else if ((keys & MK_SHIFT) && anchor_ >= 0 && PositionOf(anchor_) >= 0) {
    SelectRange(PositionOf(anchor_), PositionOf(row), keys & MK_CONTROL);
  } else if (keys & MK_CONTROL) {
    rows_[row].flags ^= kSelectedFlag;
    selectedCount_ += (rows_[row].flags & kSelectedFlag) ? 1 : -1;
    anchor_ = row;
  } else {
    Select(row, true);
    anchor_ = row;
  }
  focused_ = row;
  SelectionChanged();
}

void TreeList::OnDoubleClick(int x, int y) {
  int row;
  switch (HitTest(x, y, &row)) {
    case Hit::Glyph: SetExpanded(row, !Expanded(row)); break;
    case Hit::CheckBox: ToggleMark(row); break;  // the second click of a quick pair
    case Hit::Row:
      if (toggleOnDoubleClick) ToggleMark(row);
      break;
    case Hit::None: break;
  }
}

void TreeList::MoveFocus(int position, bool shift, bool control) {
  EnsureLayout();
  if (visible_.empty()) return;
  position = std::clamp(position, 0, static_cast<int>(visible_.size()) - 1);
  const int row = visible_[position];
  if (shift) {
    if (anchor_ < 0 || PositionOf(anchor_) < 0) anchor_ = focused_ >= 0 ? focused_ : row;
    SelectRange(PositionOf(anchor_), position, control);
  } else if (!control) {
    Select(row, true);
    anchor_ = row;
  }
  focused_ = row;
  MakeVisible(row);
  SelectionChanged();
}

bool TreeList::OnKeyDown(WPARAM key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0, control = GetKeyState(VK_CONTROL) < 0;
  EnsureLayout();
  const int position = focused_ >= 0 ? PositionOf(focused_) : -1;
  // Rows per page, measured with the default height: good enough for mixed heights.
  const int page = std::max(1, ViewHeight() / defaultRowHeight_ - 1);
  switch (key) {
    case VK_UP: MoveFocus(position < 0 ? 0 : position - 1, shift, control); return true;
    case VK_DOWN: MoveFocus(position + 1, shift, control); return true;
    case VK_PRIOR: MoveFocus(position < 0 ? 0 : position - page, shift, control); return true;
    case VK_NEXT: MoveFocus(position < 0 ? page : position + page, shift, control); return true;
    case VK_HOME: MoveFocus(0, shift, control); return true;
    case VK_END: MoveFocus(static_cast<int>(visible_.size()) - 1, shift, control); return true;
    case VK_LEFT:
      if (focused_ < 0) return true;
      if (rows_[focused_].parent >= 0)
        MoveFocus(PositionOf(rows_[focused_].parent), false, false);
      else
        SetExpanded(focused_, false);
      return true;
    case VK_RIGHT:
      if (focused_ < 0) return true;
      if (rows_[focused_].parent < 0 && ChildCount(focused_) > 0) {
        if (!Expanded(focused_))
          SetExpanded(focused_, true);
        else
          MoveFocus(position + 1, false, false);
      }
      return true;
    case VK_SPACE:
      if (focused_ >= 0) ToggleMark(focused_);
      return true;
    case 'A':
      if (!control) return false;
      SelectAll();
      return true;
  }
  return false;
}

// ---- painting ----

void TreeList::PaintRow(HDC dc, int row, int top, int height, int clientWidth) {
  const Row& entry = rows_[row];
  const bool selected = entry.flags & kSelectedFlag;
  const bool header = entry.flags & kHeaderFlag;
  const int width = std::max(TotalColumnsWidth() - scrollX_, clientWidth);
  const RECT rowRect{0, top, width, top + height};
  if (selected) FillSolid(dc, rowRect, kSelectionColor);
  const COLORREF textColor = selected ? RGB(255, 255, 255) : RGB(0, 0, 0);
  const int columnCount = std::max(1, ColumnCount());
  int left = -scrollX_;
  for (int column = 0; column < columnCount; ++column) {
    const int columnWidth = ColumnWidth(column);
    RECT cell{left, top, left + columnWidth, top + height};
    left += columnWidth;
    if (cell.right <= 0 || cell.left >= clientWidth) continue;
    if (column == 0) {
      const RECT glyph = ExpandGlyphRect(row);
      if (entry.parent < 0 && ChildCount(row) > 0)
        DrawExpandGlyph(dc, glyph, Expanded(row), selected ? RGB(255, 255, 255) : kGlyphColor);
      cell.left = glyph.right + 2;
      if (entry.check != static_cast<std::uint8_t>(CheckKind::None)) {
        DrawCheckBox(dc, CheckBoxRect(row), StateOf(row), selected);
        cell.left += kCheckSlot - 2;
      }
    }
    if (cell.right <= cell.left) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
    DrawCellArgs args;
    args.dc = dc;
    args.row = row;
    args.record = entry.record;
    args.column = column;
    args.cell = cell;
    args.selected = selected;
    args.header = header;
    args.textColor = textColor;
    args.font = font_;
    args.boldFont = boldFont_;
    if (!(onDrawCell && onDrawCell(args)) && getCellText) {
      const std::wstring text = getCellText(entry.record, column);
      RECT box{cell.left + (column == 0 ? 0 : kTextPadding), cell.top, cell.right - kTextPadding, cell.bottom};
      const Alignment alignment = columns_.empty() ? Alignment::Left : columns_[column].alignment;
      UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
      format |= alignment == Alignment::Right ? DT_RIGHT : alignment == Alignment::Center ? DT_CENTER : DT_LEFT;
      SelectObject(dc, header ? boldFont_ : font_);
      SetTextColor(dc, textColor);
      SetBkMode(dc, TRANSPARENT);
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
    }
    RestoreDC(dc, saved);
  }
  if (row == focused_ && GetFocus() == handle_) {
    if (selected) {
      FrameSolid(dc, rowRect, kSelectionBorder);
    } else {
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      DrawFocusRect(dc, &rowRect);
    }
  }
}

void TreeList::Paint(HDC dc, const RECT& client) {
  EnsureLayout();
  const RECT area{0, headerHeight_, client.right, client.bottom};
  FillSolid(dc, area, background_);
  if (backgroundBitmap_) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, backgroundBitmap_);
    BitBlt(dc, 0, headerHeight_, backgroundSize_.cx, backgroundSize_.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  if (visible_.empty()) return;
  // Binary search for the first row in view: painting costs the rows shown only.
  auto it = std::upper_bound(visibleTop_.begin(), visibleTop_.end() - 1, scrollY_);
  size_t position = static_cast<size_t>(it - visibleTop_.begin()) - 1;
  HGDIOBJ oldFont = SelectObject(dc, font_);
  for (; position < visible_.size(); ++position) {
    const std::int64_t top = visibleTop_[position] - scrollY_ + headerHeight_;
    if (top >= client.bottom) break;
    const int row = visible_[position];
    PaintRow(dc, row, static_cast<int>(top), RowHeightAt(row), client.right);
  }
  SelectObject(dc, oldFont);
}

LRESULT TreeList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      // Before BeginPaint: a scroll bar that appears resizes the client area.
      if (scrollBarsDirty_) UpdateScrollBars();
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(handle_, &ps);
      RECT client;
      GetClientRect(handle_, &client);
      const SIZE size{std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)};
      if (!bufferDc_ || size.cx != bufferSize_.cx || size.cy != bufferSize_.cy) {
        if (!bufferDc_) bufferDc_ = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, size.cx, size.cy);
        SelectObject(bufferDc_, bitmap);
        if (buffer_) DeleteObject(buffer_);
        buffer_ = bitmap;
        bufferSize_ = size;
      }
      Paint(bufferDc_, client);
      BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
             ps.rcPaint.bottom - ps.rcPaint.top, bufferDc_, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
      EndPaint(handle_, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(handle_, &client);
      Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_SIZE:
      UpdateScrollBars();
      InvalidateRect(handle_, nullptr, FALSE);
      break;
    case WM_VSCROLL:
    case WM_HSCROLL:
      Scroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL: {
      UINT lines = 3;
      SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
      const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
      SetScrollY(scrollY_ - static_cast<std::int64_t>(delta) * static_cast<int>(lines) * defaultRowHeight_ / WHEEL_DELTA);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      OnMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam, message == WM_RBUTTONDOWN);
      return 0;
    case WM_LBUTTONDBLCLK:
      OnDoubleClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_CONTEXTMENU: {
      if (!onContextMenu) break;
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (lParam == -1) {
        // From the keyboard: under the focused row, or the list's corner.
        const RECT r = focused_ >= 0 ? RowRect(focused_) : RECT{0, headerHeight_, 0, headerHeight_};
        point = {r.left + 16, std::max<LONG>(r.bottom, headerHeight_)};
        ClientToScreen(handle_, &point);
      }
      onContextMenu(point);
      return 0;
    }
    case WM_KEYDOWN:
      if (OnKeyDown(wParam)) return 0;
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(handle_, nullptr, FALSE);
      break;
    case WM_NOTIFY: {
      auto* notify = reinterpret_cast<NMHDR*>(lParam);
      if (notify->hwndFrom != header_) break;
      auto* item = reinterpret_cast<NMHEADERW*>(lParam);
      switch (notify->code) {
        case HDN_ITEMCLICKW:
        case HDN_ITEMCLICKA:
          OnHeaderClick(item->iItem);
          return 0;
        case HDN_ITEMCHANGEDW:
        case HDN_ITEMCHANGEDA:
          if (item->pitem && (item->pitem->mask & HDI_WIDTH) && item->iItem >= 0 && item->iItem < ColumnCount()) {
            columns_[item->iItem].width = item->pitem->cxy;
            UpdateScrollBars();
            InvalidateRect(handle_, nullptr, FALSE);
          }
          return 0;
      }
      break;
    }
  }
  return DefaultProc(message, wParam, lParam);
}

// ---- shared helpers ----

void TreeList::MarkRows(bool selectedOnly, bool checked) {
  if (selectedOnly) {
    for (int row : SelectedRows()) ApplyMark(row, checked, false);
  } else {
    // Every row, so the order does not matter: straight through the array.
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
      const Row& entry = rows_[row];
      if (!(entry.flags & kRemovedFlag) && entry.check != static_cast<std::uint8_t>(CheckKind::None))
        SetMarkRaw(row, checked);
    }
  }
  Changed(false);
}

int TreeList::CountChecked() const {
  int count = 0;
  for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
    const Row& entry = rows_[row];
    if ((entry.flags & kRemovedFlag) || entry.check == static_cast<std::uint8_t>(CheckKind::None)) continue;
    if (entry.check == static_cast<std::uint8_t>(CheckKind::TriState) ? StateOf(row) == CheckState::Checked
                                                                       : (entry.flags & kCheckedFlag) != 0)
      ++count;
  }
  return count;
}

void CheckNodes(TreeList& list, bool selectedOnly) { list.MarkRows(selectedOnly, true); }
void UncheckNodes(TreeList& list, bool selectedOnly) { list.MarkRows(selectedOnly, false); }
int CountCheckedNodes(const TreeList& list) { return list.CountChecked(); }

bool FillGradient(HDC dc, const RECT& rect, int bands, COLORREF from, COLORREF to, int direction) {
  if (bands < 1) return false;
  const bool vertical = direction == 1;
  const int size = vertical ? rect.right - rect.left : rect.bottom - rect.top;
  const auto channel = [bands](int a, int b, int i) {
    return static_cast<BYTE>(std::lround(a + static_cast<double>(i) * (b - a) / bands));
  };
  for (int i = 1; i <= bands; ++i) {
    const COLORREF color = RGB(channel(GetRValue(from), GetRValue(to), i), channel(GetGValue(from), GetGValue(to), i),
                               channel(GetBValue(from), GetBValue(to), i));
    const int start = static_cast<int>(std::lround(static_cast<double>(i - 1) * size / bands));
    const int end = static_cast<int>(std::lround(static_cast<double>(i) * size / bands));
    if (end <= start) continue;
    const RECT band = vertical ? RECT{rect.left + start, rect.top, rect.left + end, rect.bottom}
                               : RECT{rect.left, rect.top + start, rect.right, rect.top + end};
    FillSolid(dc, band, color);
  }
  return true;
}

}  // namespace vt::ui
