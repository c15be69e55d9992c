// The tree control with a long table: 3,000 rows of 9 columns, in a shown
// window. Filling it, and a click that moves the selection, each including
// the update of the widget and its repaint.
#include "BenchQt.h"
#include "platform/tree/TreeControl.h"
#include "platform/window/Application.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kRows = 3000, kColumns = 9;

void fill(TTreeControl& t) {
    t.DeleteAll();
    for (int r = 0; r < kRows; ++r) {
        const int row = t.AddItem("Zeile " + std::to_string(r));
        for (int c = 1; c < kColumns; ++c) t.SetCellText(row, c, std::to_string(r * c) + ",25");
    }
}

struct Table {
    TWindow host{nullptr, "Tabelle"};
    TTreeControl* tree = new TTreeControl(&host, 22, 0, 0, 900, 600);
    Table() {
        QtStarten();
        host.Attr().W = 900;
        host.Attr().H = 600;
        host.Create();
        host.ShowWindow(SW_SHOW);
        std::vector<TTreeColumn> columns(kColumns, TTreeColumn{90, TTreeColumn::Right, "Wert"});
        columns.back().width = -1;
        tree->SetColumns(columns);
    }
    // Runs the deferred update and paints the control.
    void show() {
        TApplication::PumpWaitingMessages();
        tree->UpdateWindow();
    }
};

void BM_TreeFill(benchmark::State& state) {
    Table table;
    for (auto _ : state) {
        fill(*table.tree);
        table.show();
    }
    state.counters["Zeilen"] = table.tree->GetCount();
}
BENCHMARK(BM_TreeFill)->Unit(benchmark::kMillisecond);

void BM_TreeSelectionClick(benchmark::State& state) {
    Table table;
    fill(*table.tree);
    table.show();
    int row = 0;
    for (auto _ : state) {
        row = row == 5 ? 6 : 5;
        const auto cell = table.tree->GetCellRect(row, 1);
        table.tree->SendMessage(WM_LBUTTONDOWN, 0,
                                MAKELPARAM(uint16_t(cell->left + 5), uint16_t(cell->top + 2)));
        table.tree->SendMessage(WM_LBUTTONUP, 0,
                                MAKELPARAM(uint16_t(cell->left + 5), uint16_t(cell->top + 2)));
        table.show();
    }
}
BENCHMARK(BM_TreeSelectionClick)->Unit(benchmark::kMillisecond);

} // namespace
