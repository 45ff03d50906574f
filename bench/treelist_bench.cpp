// Fills a shown tree list with a million rows under a thousand categories and
// times what a user does with a big result list; prints "<step>_ms <n>" lines
// and "max_ms <largest>".
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/tree_list.h"

namespace {

constexpr int kHeaders = 1000;
constexpr int kRowsPerHeader = 1000;

struct Record {
  std::int64_t size;
  int number;
};

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

// With "--hold <seconds>" the window stays open afterwards, scrolled to the top
// with a few marks and a selection, for a look or a screenshot.
int main(int argc, char** argv) {
  const int holdSeconds = argc > 2 && std::string(argv[1]) == "--hold" ? std::atoi(argv[2]) : 0;
  using namespace vt::ui;
  std::vector<Record> records;
  records.reserve(kHeaders * (kRowsPerHeader + 1));
  std::uint32_t seed = 12345;
  const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };

  Form form(L"TForm_Bench", 900, 650, FormBorder::Sizeable);
  auto& list = form.Make<TreeList>(&form, L"VirtualDrawTree_Bench", RECT{0, 0, 900, 650});
  list.checkBoxes = true;
  list.sortable = true;
  list.AddColumn(L"Beschreibung / Datei", 600);
  list.AddColumn(L"Grösse", 120, Alignment::Right);
  list.getCellText = [&records](int record, int column) {
    return column == 0 ? L"C:\\Daten\\Ordner\\Datei_" + std::to_wstring(records[record].number) + L".tmp"
                       : std::to_wstring(records[record].size);
  };
  list.compare = [&records](int a, int b, int column) {
    const Record &x = records[a], &y = records[b];
    if (column == 1) return x.size < y.size ? -1 : x.size > y.size ? 1 : 0;
    return x.number < y.number ? -1 : x.number > y.number ? 1 : 0;
  };
  form.Show();
  UpdateWindow(form.Handle());

  std::vector<std::pair<const char*, double>> results;
  const auto step = [&](const char* name, auto&& work) {
    const double start = Now();
    work();
    UpdateWindow(list.Handle());  // each step ends with the list painted
    results.emplace_back(name, Now() - start);
    std::printf("%s %.0f\n", name, results.back().second);
    std::fflush(stdout);
  };

  step("fill_ms", [&] {
    list.BeginUpdate();
    for (int h = 0; h < kHeaders; ++h) {
      records.push_back({static_cast<std::int64_t>(next() % 100000), static_cast<int>(records.size())});
      const int header = list.AddHeader(static_cast<int>(records.size()) - 1);
      for (int i = 0; i < kRowsPerHeader; ++i) {
        records.push_back({static_cast<std::int64_t>(next() % 100000000), static_cast<int>(records.size())});
        list.AddChild(header, static_cast<int>(records.size()) - 1);
      }
    }
    list.EndUpdate();
  });
  step("scroll_end_ms", [&] { SendMessageW(list.Handle(), WM_VSCROLL, SB_BOTTOM, 0); });
  step("mark_all_ms", [&] { CheckNodes(list, false); });
  step("sort_ms", [&] {
    // Through the column header, as a user sorts.
    RECT item;
    SendMessageW(list.HeaderHandle(), HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list.HeaderHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list.HeaderHandle(), WM_LBUTTONUP, 0, at);
  });
  int checked = 0;
  step("count_ms", [&] { checked = CountCheckedNodes(list); });

  bool ok = list.RowCount() == kHeaders * (kRowsPerHeader + 1) && checked == list.RowCount() &&
            list.SortColumn() == 1;
  if (!ok) std::printf("unexpected: rows %d, marked %d, sort column %d\n", list.RowCount(), checked, list.SortColumn());
  double worst = 0;
  for (const auto& result : results) worst = std::max(worst, result.second);
  std::printf("max_ms %.0f\n", worst);
  std::fflush(stdout);
  if (holdSeconds > 0) {
    SendMessageW(list.Handle(), WM_VSCROLL, SB_TOP, 0);
    // The end of the first category, then the others collapsed; the second one
    // fully unmarked, the first partly.
    const std::vector<int> rows = list.Rows();
    for (size_t i = 1; i < rows.size(); ++i)
      if (list.IsHeader(rows[i])) list.SetExpanded(rows[i], false);
    const int base = kRowsPerHeader - 12;
    for (int i : {2, 4, 5}) list.SetChecked(rows[base + i], false);
    list.SetChecked(rows[kRowsPerHeader + 1], false);
    for (int i : {3, 6, 7, 8}) list.SetSelected(rows[base + i], true);
    list.SetFocus();
    list.SetFocusedRow(rows[base + 8]);
    list.SetScrollY(static_cast<std::int64_t>(base) * list.DefaultRowHeight());
    const double end = Now() + holdSeconds * 1000.0;
    while (Now() < end) {
      ProcessPendingMessages();
      Sleep(20);
    }
  }
  return ok ? 0 : 1;
}
