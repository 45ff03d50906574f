#include "ui/tree_list.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/globals.h"
#include "ui/form.h"
#include "ui/translation.h"

namespace vt::ui {

namespace {

struct Item {
  std::wstring name;
  int size;
};

POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

// A shown window with a list of three categories: "Beta" (3 rows), "Alpha"
// (2 rows) and "Empty" (none), then a plain top-level row "Loose".
class TreeListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<Form>(L"TForm_TreeTest", 520, 400, FormBorder::Sizeable);
    list_ = &form_->Make<TreeList>(form_.get(), L"VirtualDrawTree_Test", RECT{0, 0, 520, 400});
    list_->checkBoxes = true;
    list_->AddColumn(L"Beschreibung / Datei", 300);
    list_->AddColumn(L"Grösse", 100, Alignment::Right);
    list_->getCellText = [this](int record, int column) {
      return column == 0 ? items_[record].name : std::to_wstring(items_[record].size);
    };
    list_->compare = [this](int a, int b, int column) {
      const Item &x = items_[a], &y = items_[b];
      if (column == 1) return x.size < y.size ? -1 : x.size > y.size ? 1 : 0;
      return x.name.compare(y.name);
    };
    list_->onChecked = [this](int row) { notified_.push_back(row); };
    beta_ = Header(L"Beta", 50);
    betaRows_ = {Child(beta_, L"b2", 7), Child(beta_, L"b1", 30), Child(beta_, L"b3", 1)};
    alpha_ = Header(L"Alpha", 10);
    alphaRows_ = {Child(alpha_, L"a2", 5), Child(alpha_, L"a1", 9)};
    empty_ = Header(L"Empty", 99);
    loose_ = list_->AddRow(Record(L"Loose", 20));
    form_->Show();
    UpdateWindow(form_->Handle());
  }

  int Record(const std::wstring& name, int size) {
    items_.push_back({name, size});
    return static_cast<int>(items_.size()) - 1;
  }
  int Header(const std::wstring& name, int size) { return list_->AddHeader(Record(name, size)); }
  int Child(int header, const std::wstring& name, int size) { return list_->AddChild(header, Record(name, size)); }
  std::wstring NameOf(int row) const { return items_[list_->Record(row)].name; }
  std::vector<std::wstring> Names(const std::vector<int>& rows) const {
    std::vector<std::wstring> names;
    for (int row : rows) names.push_back(NameOf(row));
    return names;
  }

  void Send(UINT message, WPARAM wParam, LPARAM lParam) { SendMessageW(list_->Handle(), message, wParam, lParam); }
  void Click(POINT p, WPARAM keys = 0) {
    Send(WM_LBUTTONDOWN, keys | MK_LBUTTON, At(p));
    Send(WM_LBUTTONUP, keys, At(p));
  }
  void DoubleClick(POINT p) {
    Click(p);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(p));
    Send(WM_LBUTTONUP, 0, At(p));
  }
  POINT TextOf(int row) const {
    const RECT r = list_->RowRect(row);
    return {150, (r.top + r.bottom) / 2};
  }
  void ClickBox(int row) { Click(Middle(list_->CheckBoxRect(row))); }
  // Keys go through the thread's keyboard state, as the control reads Shift and Ctrl there.
  void Key(WPARAM key, bool shift = false, bool control = false) {
    BYTE state[256] = {};
    if (shift) state[VK_SHIFT] = 0x80;
    if (control) state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    Send(WM_KEYDOWN, key, 0);
    BYTE none[256] = {};
    SetKeyboardState(none);
  }

  std::vector<Item> items_;
  std::unique_ptr<Form> form_;
  TreeList* list_ = nullptr;
  int beta_ = -1, alpha_ = -1, empty_ = -1, loose_ = -1;
  std::vector<int> betaRows_, alphaRows_;
  std::vector<int> notified_;
};

TEST_F(TreeListTest, CategoryMarkFollowsItsRows) {
  struct Case {
    const char* what;
    std::vector<int> boxClicks;  // indices into betaRows_
    CheckState expected;
  };
  const Case cases[] = {
      {"nothing marked", {}, CheckState::Unchecked},
      {"one of three", {0}, CheckState::Mixed},
      {"all three", {0, 1, 2}, CheckState::Checked},
      {"all three, then one unmarked", {0, 1, 2, 1}, CheckState::Mixed},
      {"marked and unmarked again", {2, 2}, CheckState::Unchecked},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    UncheckNodes(*list_, false);
    notified_.clear();
    for (int index : c.boxClicks) ClickBox(betaRows_[index]);
    EXPECT_EQ(list_->StateOf(beta_), c.expected);
    EXPECT_EQ(notified_.size(), c.boxClicks.size()) << "each click reports its row";
    EXPECT_EQ(list_->StateOf(alpha_), CheckState::Unchecked) << "other categories stay as they were";
  }

  // A click on a mixed category's box marks all its rows, the next unmarks them.
  UncheckNodes(*list_, false);
  ClickBox(betaRows_[1]);
  notified_.clear();
  ClickBox(beta_);
  EXPECT_EQ(list_->StateOf(beta_), CheckState::Checked);
  for (int row : betaRows_) EXPECT_TRUE(list_->Checked(row));
  EXPECT_EQ(notified_, (std::vector<int>{betaRows_[0], betaRows_[2], beta_})) << "changed rows, then the category";
  ClickBox(beta_);
  for (int row : betaRows_) EXPECT_FALSE(list_->Checked(row));
  EXPECT_EQ(list_->StateOf(beta_), CheckState::Unchecked);

  // A category without rows keeps a mark of its own; a row without a box ignores clicks.
  ClickBox(empty_);
  EXPECT_TRUE(list_->Checked(empty_));
  list_->SetCheckKind(loose_, CheckKind::None);
  Click(TextOf(loose_));
  Key(VK_SPACE);
  EXPECT_FALSE(list_->Checked(loose_));
}

TEST_F(TreeListTest, DoubleClickAndSpaceToggleTheMark) {
  DoubleClick(TextOf(alphaRows_[0]));
  EXPECT_TRUE(list_->Checked(alphaRows_[0]));
  EXPECT_EQ(list_->StateOf(alpha_), CheckState::Mixed);
  DoubleClick(TextOf(alphaRows_[0]));
  EXPECT_FALSE(list_->Checked(alphaRows_[0]));

  DoubleClick(TextOf(beta_));
  for (int row : betaRows_) EXPECT_TRUE(list_->Checked(row));

  Click(TextOf(alphaRows_[1]));
  Key(VK_SPACE);
  EXPECT_TRUE(list_->Checked(alphaRows_[1]));
  Key(VK_SPACE);
  EXPECT_FALSE(list_->Checked(alphaRows_[1]));

  list_->toggleOnDoubleClick = false;
  DoubleClick(TextOf(alphaRows_[1]));
  EXPECT_FALSE(list_->Checked(alphaRows_[1]));
}

TEST_F(TreeListTest, MarkingHelpersAndCount) {
  // Rows with a box: 3 categories, 5 rows under them, the loose row.
  EXPECT_EQ(CountCheckedNodes(*list_), 0);
  CheckNodes(*list_, false);
  EXPECT_EQ(CountCheckedNodes(*list_), 9);
  EXPECT_TRUE(notified_.empty()) << "the helpers mark directly, without notification";
  UncheckNodes(*list_, false);
  EXPECT_EQ(CountCheckedNodes(*list_), 0);

  // Selected only: one row of Beta and the whole of Alpha.
  Click(TextOf(betaRows_[2]));
  Click(TextOf(alpha_), MK_CONTROL);
  CheckNodes(*list_, true);
  EXPECT_TRUE(list_->Checked(betaRows_[2]));
  EXPECT_FALSE(list_->Checked(betaRows_[0]));
  EXPECT_EQ(list_->StateOf(beta_), CheckState::Mixed);
  EXPECT_EQ(list_->StateOf(alpha_), CheckState::Checked);
  EXPECT_EQ(CountCheckedNodes(*list_), 4) << "b3, Alpha and its two rows; the mixed Beta does not count";

  CheckNodes(*list_, false);
  UncheckNodes(*list_, true);
  EXPECT_FALSE(list_->Checked(betaRows_[2]));
  EXPECT_FALSE(list_->Checked(alphaRows_[0]));
  EXPECT_EQ(CountCheckedNodes(*list_), 4) << "b1, b2, Empty and Loose; Beta is mixed now";
  EXPECT_TRUE(notified_.empty());

  list_->SetCheckKind(loose_, CheckKind::None);
  CheckNodes(*list_, false);
  EXPECT_EQ(CountCheckedNodes(*list_), 8) << "rows without a box are never counted";
}

TEST_F(TreeListTest, HeaderClickSortsWithinCategories) {
  HWND header = list_->HeaderHandle();
  const auto clickColumn = [&](int column) {
    RECT r;
    SendMessageW(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r));
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, At(Middle(r)));
    SendMessageW(header, WM_LBUTTONUP, 0, At(Middle(r)));
  };
  const auto sortMark = [&](int column) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
    return item.fmt & (HDF_SORTUP | HDF_SORTDOWN);
  };
  const std::vector<std::wstring> added = {L"Beta", L"b2", L"b1", L"b3", L"Alpha", L"a2", L"a1", L"Empty", L"Loose"};
  ASSERT_EQ(Names(list_->Rows()), added);

  list_->sortable = false;
  clickColumn(1);
  EXPECT_EQ(Names(list_->Rows()), added) << "a list that does not sort ignores the click";

  list_->sortable = true;
  struct Step {
    int column;
    std::vector<std::wstring> order;
    int mark;
  };
  const Step steps[] = {
      {1, {L"Alpha", L"a2", L"a1", L"Loose", L"Beta", L"b3", L"b2", L"b1", L"Empty"}, HDF_SORTUP},
      {1, {L"Empty", L"Beta", L"b1", L"b2", L"b3", L"Loose", L"Alpha", L"a1", L"a2"}, HDF_SORTDOWN},
      {0, {L"Alpha", L"a1", L"a2", L"Beta", L"b1", L"b2", L"b3", L"Empty", L"Loose"}, HDF_SORTUP},
  };
  for (const auto& step : steps) {
    clickColumn(step.column);
    EXPECT_EQ(Names(list_->Rows()), step.order);
    EXPECT_EQ(list_->SortColumn(), step.column);
    EXPECT_EQ(sortMark(step.column), step.mark);
    EXPECT_EQ(sortMark(1 - step.column), 0);
  }
  // What is shown follows the new order.
  EXPECT_EQ(list_->RowAt(150, list_->RowRect(alpha_).top + 1), alpha_);
  EXPECT_LT(list_->RowRect(alpha_).top, list_->RowRect(beta_).top);

  // A module with its own rule for header clicks takes them over.
  std::vector<int> clicked;
  list_->onHeaderClick = [&](int column) { clicked.push_back(column); };
  clickColumn(1);
  EXPECT_EQ(clicked, std::vector<int>{1});
  EXPECT_EQ(list_->SortColumn(), 0);
}

TEST_F(TreeListTest, MultiSelectWithMouseAndKeys) {
  // Display order: Beta b2 b1 b3 Alpha a2 a1 Empty Loose.
  const auto selected = [&] { return Names(list_->SelectedRows()); };
  Click(TextOf(betaRows_[0]));
  Click(TextOf(alpha_), MK_SHIFT);
  EXPECT_EQ(selected(), (std::vector<std::wstring>{L"b2", L"b1", L"b3", L"Alpha"}));
  Click(TextOf(betaRows_[1]), MK_CONTROL);
  EXPECT_EQ(selected(), (std::vector<std::wstring>{L"b2", L"b3", L"Alpha"}));
  Click(TextOf(loose_), MK_CONTROL);
  EXPECT_TRUE(list_->Selected(loose_));
  Click(TextOf(alphaRows_[0]));
  EXPECT_EQ(selected(), std::vector<std::wstring>{L"a2"}) << "a plain click selects one row";

  Key(VK_DOWN, true);
  Key(VK_DOWN, true);
  EXPECT_EQ(selected(), (std::vector<std::wstring>{L"a2", L"a1", L"Empty"}));
  Key(VK_UP);
  EXPECT_EQ(selected(), std::vector<std::wstring>{L"a1"});
  EXPECT_EQ(list_->FocusedRow(), alphaRows_[1]);
  Key(VK_HOME, true);
  EXPECT_EQ(selected().size(), 7u);
  Key(VK_END);
  EXPECT_EQ(selected(), std::vector<std::wstring>{L"Loose"});
  Key(VK_PRIOR);
  EXPECT_EQ(selected(), std::vector<std::wstring>{L"Beta"}) << "a page up from the end of a short list";
  Key('A', false, true);
  EXPECT_EQ(selected().size(), 9u);

  // Below the last row a click clears the selection.
  Click({150, list_->RowRect(loose_).bottom + 20});
  EXPECT_TRUE(list_->SelectedRows().empty());
}

TEST_F(TreeListTest, ExpandAndCollapse) {
  EXPECT_EQ(list_->VisibleRowCount(), 9);
  Click(Middle(list_->ExpandGlyphRect(beta_)));
  EXPECT_FALSE(list_->Expanded(beta_));
  EXPECT_EQ(list_->VisibleRowCount(), 6);
  EXPECT_EQ(list_->RowRect(betaRows_[0]).bottom, 0) << "hidden rows have no place";
  EXPECT_EQ(list_->RowAt(150, list_->RowRect(beta_).bottom + 1), alpha_);
  Click(Middle(list_->ExpandGlyphRect(beta_)));
  EXPECT_EQ(list_->VisibleRowCount(), 9);

  // Keys: Left on a row goes to its category, Left again collapses it, Right opens it.
  Click(TextOf(alphaRows_[1]));
  Key(VK_LEFT);
  EXPECT_EQ(list_->FocusedRow(), alpha_);
  Key(VK_LEFT);
  EXPECT_FALSE(list_->Expanded(alpha_));
  Key(VK_DOWN);
  EXPECT_EQ(list_->FocusedRow(), empty_) << "hidden rows are skipped";
  Key(VK_UP);
  Key(VK_RIGHT);
  EXPECT_TRUE(list_->Expanded(alpha_));
  Key(VK_RIGHT);
  EXPECT_EQ(list_->FocusedRow(), alphaRows_[0]);

  // Collapsing the category of the focused row moves the focus onto it.
  list_->SetExpanded(alpha_, false);
  EXPECT_EQ(list_->FocusedRow(), alpha_);
}

TEST_F(TreeListTest, RemovingRowsAndEmptyCategories) {
  list_->RemoveRow(alphaRows_[0]);
  EXPECT_EQ(list_->ChildCount(alpha_), 1);
  EXPECT_EQ(list_->RemoveEmptyHeaders(), 1) << "only Empty";
  EXPECT_FALSE(list_->IsValidRow(empty_));
  EXPECT_EQ(Names(list_->Rows()), (std::vector<std::wstring>{L"Beta", L"b2", L"b1", L"b3", L"Alpha", L"a1", L"Loose"}));

  // A marked category that loses its last row keeps showing its mark, and then counts as empty.
  ClickBox(alphaRows_[1]);
  list_->RemoveRow(alphaRows_[1]);
  EXPECT_TRUE(list_->Checked(alpha_));
  EXPECT_EQ(list_->RemoveEmptyHeaders(), 1);
  EXPECT_EQ(list_->RowCount(), 5);
  EXPECT_EQ(list_->RowAt(150, list_->RowRect(loose_).top + 1), loose_) << "rows below move up";

  // Removing a category takes its rows, marks and selection along.
  Click(TextOf(betaRows_[1]));
  CheckNodes(*list_, false);
  list_->RemoveRow(beta_);
  EXPECT_EQ(Names(list_->Rows()), std::vector<std::wstring>{L"Loose"});
  EXPECT_TRUE(list_->SelectedRows().empty());
  EXPECT_EQ(CountCheckedNodes(*list_), 1);
  EXPECT_EQ(list_->FocusedRow(), -1);

  list_->Clear();
  EXPECT_EQ(list_->RowCount(), 0);
  EXPECT_EQ(list_->RowAt(150, 30), -1);
}

TEST_F(TreeListTest, ColumnCaptionsFromTheLanguageFile) {
  const LanguageText saved = LanguageFile;
  LanguageFile = LanguageText::FromText(
      L"[TForm_TreeTest]\r\n"
      L"||VirtualDrawTree_Test=Description / File\r\nSize\r\n"
      L"||\r\n");
  TranslateColumns(L"TForm_TreeTest", *list_);
  EXPECT_EQ(list_->ColumnCaption(0), L"Description / File");
  EXPECT_EQ(list_->ColumnCaption(1), L"Size");
  wchar_t text[64] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(list_->HeaderHandle(), HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"Size") << "the header shows the new caption";

  TranslateColumns(L"TForm_Elsewhere", *list_);
  EXPECT_EQ(list_->ColumnCaption(0), L"Description / File") << "no section, no change";
  LanguageFile = saved;
}

// Paints the list's client area into a bitmap of our own.
class Snapshot {
 public:
  explicit Snapshot(HWND window) {
    GetClientRect(window, &client_);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), client_.right, -client_.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    SelectObject(dc_, bitmap_);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    GdiFlush();
  }
  ~Snapshot() {
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  std::vector<DWORD> Area(RECT r) const {
    std::vector<DWORD> pixels;
    for (int y = std::max<LONG>(r.top, 0); y < std::min(r.bottom, client_.bottom); ++y)
      for (int x = std::max<LONG>(r.left, 0); x < std::min(r.right, client_.right); ++x)
        pixels.push_back(bits_[y * client_.right + x] & 0xFFFFFF);
    return pixels;
  }
  int DarkPixels(RECT r) const {
    int count = 0;
    for (DWORD p : Area(r))
      if ((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF) < 3 * 128) ++count;
    return count;
  }

 private:
  RECT client_{};
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  DWORD* bits_ = nullptr;
};

TEST_F(TreeListTest, DrawsMarksAndCustomCells) {
  ClickBox(alphaRows_[1]);
  ClickBox(betaRows_[0]);
  // The same text for two rows; the module draws one of them in bold itself.
  items_[list_->Record(alphaRows_[0])].name = items_[list_->Record(alphaRows_[1])].name = L"same text";
  list_->onDrawCell = [&](DrawCellArgs& args) {
    if (args.row != alphaRows_[1] || args.column != 0) return false;
    args.Text(items_[args.record].name, 0, 3, true);
    return true;
  };
  Snapshot shot(list_->Handle());
  EXPECT_NE(shot.Area(list_->CheckBoxRect(alphaRows_[0])), shot.Area(list_->CheckBoxRect(alphaRows_[1])));
  EXPECT_NE(shot.Area(list_->CheckBoxRect(beta_)), shot.Area(list_->CheckBoxRect(empty_)))
      << "mixed and unmarked look different";
  const auto textArea = [&](int row) {
    RECT r = list_->RowRect(row);
    r.right = 300;
    r.left = list_->CheckBoxRect(row).right;
    return r;
  };
  const int plain = shot.DarkPixels(textArea(alphaRows_[0]));
  EXPECT_GT(plain, 10) << "the default drawing shows the text";
  EXPECT_GT(shot.DarkPixels(textArea(alphaRows_[1])), plain) << "bold text has more ink";

  // A selected row is highlighted across its width.
  Click(TextOf(loose_));
  Snapshot selected(list_->Handle());
  RECT r = list_->RowRect(loose_);
  EXPECT_NE(selected.Area({350, r.top + 2, 450, r.bottom - 2}), shot.Area({350, r.top + 2, 450, r.bottom - 2}));
}

TEST_F(TreeListTest, ContextMenuAndRightClick) {
  std::vector<POINT> menus;
  list_->onContextMenu = [&](POINT p) { menus.push_back(p); };
  Click(TextOf(betaRows_[0]));
  Click(TextOf(betaRows_[1]), MK_SHIFT);
  const POINT p = TextOf(betaRows_[1]);
  Send(WM_RBUTTONDOWN, MK_RBUTTON, At(p));
  EXPECT_EQ(list_->SelectedRows().size(), 2u) << "a right click inside the selection keeps it";
  Send(WM_RBUTTONDOWN, MK_RBUTTON, At(TextOf(alpha_)));
  EXPECT_EQ(list_->SelectedRows(), std::vector<int>{alpha_});
  Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list_->Handle()), MAKELPARAM(300, 200));
  Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list_->Handle()), -1);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[0].x, 300);
  EXPECT_EQ(menus[0].y, 200);
  POINT below{0, list_->RowRect(alpha_).bottom};
  ClientToScreen(list_->Handle(), &below);
  EXPECT_EQ(menus[1].y, below.y) << "from the keyboard: under the focused row";
}

TEST(TreeListScrolling, TallListsScrollToTheirEnd) {
  // Rows tall enough that the pixel height exceeds what a scroll bar holds.
  Form form(L"TForm_TreeTest", 400, 300, FormBorder::Sizeable);
  auto& list = form.Make<TreeList>(&form, L"VirtualDrawTree_Tall", RECT{0, 0, 400, 300});
  list.AddColumn(L"Name", 200);
  list.getCellText = [](int record, int) { return std::to_wstring(record); };
  list.BeginUpdate();
  const int header = list.AddHeader(0);
  int last = -1;
  for (int i = 1; i <= 40000; ++i) last = list.AddChild(header, i);
  list.SetDefaultRowHeight(60000);
  list.EndUpdate();
  form.Show();
  UpdateWindow(form.Handle());

  SendMessageW(list.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  RECT client;
  GetClientRect(list.Handle(), &client);
  EXPECT_EQ(list.RowAt(10, client.bottom - 1), last);
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(list.Handle(), SB_VERT, &info);
  EXPECT_GT(info.nMax, 0);
  EXPECT_GT(info.nMax, 0xFFFF) << "positions beyond 16 bits";
  EXPECT_NEAR(info.nPos + static_cast<int>(info.nPage), info.nMax, 2) << "the thumb sits at the end";

  SendMessageW(list.Handle(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(list.RowAt(10, client.bottom - 1), header);
  SendMessageW(list.Handle(), WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(list.FocusedRow(), last);
  EXPECT_EQ(list.RowAt(10, client.bottom - 1), last) << "End brings the last row into view";

  // The wheel moves by lines of the default height, up from the end.
  const auto before = list.ScrollY();
  SendMessageW(list.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_LT(list.ScrollY(), before);
}

TEST(FillGradient, BandsFromStartToEnd) {
  constexpr int kWidth = 40, kHeight = 300;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC dc = CreateCompatibleDC(nullptr);
  DWORD* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  SelectObject(dc, bitmap);
  const auto pixel = [&](int x, int y) {
    GdiFlush();
    const DWORD p = bits[y * kWidth + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  };
  const COLORREF from = RGB(201, 225, 245), to = RGB(255, 255, 255);
  const RECT all{0, 0, kWidth, kHeight};

  ASSERT_TRUE(FillGradient(dc, all, 256, from, to, 0));
  // Band 1 already has one step of the change; the last band is the end colour.
  EXPECT_EQ(pixel(5, 0), RGB(201, 225, 245));  // 201 + 54/256 and so on round down
  EXPECT_EQ(pixel(5, kHeight - 1), to);
  // Band 128 spans rows 149..150 and has the colour halfway.
  EXPECT_EQ(pixel(5, 149), RGB(228, 240, 250));
  EXPECT_EQ(pixel(0, 149), pixel(kWidth - 1, 149)) << "horizontal bands";

  ASSERT_TRUE(FillGradient(dc, all, 2, RGB(0, 0, 0), RGB(200, 100, 50), 1));
  EXPECT_EQ(pixel(0, 0), RGB(100, 50, 25));
  EXPECT_EQ(pixel(19, kHeight - 1), RGB(100, 50, 25));
  EXPECT_EQ(pixel(20, 0), RGB(200, 100, 50)) << "vertical bands, left to right";

  EXPECT_FALSE(FillGradient(dc, all, 0, RGB(1, 2, 3), RGB(1, 2, 3), 0));
  EXPECT_EQ(pixel(0, 0), RGB(100, 50, 25)) << "nothing drawn";
  DeleteDC(dc);
  DeleteObject(bitmap);
}

}  // namespace

}  // namespace vt::ui
