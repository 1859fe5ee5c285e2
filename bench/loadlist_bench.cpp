// "Suggest a UPS" against a runtime table of a million lines, next to only
// reading that table's lines; and va_update over a long load list.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <cstdio>

#include "app/registry.h"
#include "bench/floors.h"
#include "bench/generator.h"
#include "bench/harness.h"
#include "core/runtime_table.h"
#include "screens/load_list_screen.h"
#include "screens/results_screen.h"

namespace vellimar::bench {
namespace {

namespace fs = std::filesystem;

constexpr int Bands = 142858; // seven records each: 1,000,006 lines
constexpr std::size_t TableLines = static_cast<std::size_t>(Bands) * 7;
constexpr int Total = 2500;     // its band is the last in the file
constexpr int RuntimeIndex = 2; // "60 min./ 1 hour", field 4
constexpr int LoadListItems = 10000;

fs::path table_path() {
    return data_dir() / "230.txt";
}

void BM_ReadTableLines(benchmark::State& state) {
    LinesRead read;
    for (auto _ : state) {
        read = read_lines(table_path());
        benchmark::DoNotOptimize(read);
    }
    check(read.lines == TableLines, "the runtime table has " + std::to_string(read.lines) + " lines");
}
BENCHMARK(BM_ReadTableLines)->Unit(benchmark::kMillisecond);

void BM_ReadTableBytes(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = read_bytes(table_path());
        benchmark::DoNotOptimize(bytes);
    }
    check(bytes == fs::file_size(table_path()), "the runtime table was not read whole");
}
BENCHMARK(BM_ReadTableBytes)->Unit(benchmark::kMillisecond);

// The reader alone, without the screens: how much of a suggestion is Qt's.
void BM_MatchingRecords(benchmark::State& state) {
    std::vector<std::string> records;
    std::string error;
    for (auto _ : state) {
        check(matching_records(table_path().string(), Total, records, error), error);
        benchmark::DoNotOptimize(records.data());
    }
    check(records.size() == 7, std::to_string(records.size()) + " records matched");
}
BENCHMARK(BM_MatchingRecords)->Unit(benchmark::kMillisecond);

void BM_Suggest(benchmark::State& state) {
    registry().reset();
    LoadListScreen& list = registry().loadList();
    list.appendItem({"Item", std::to_string(Total)});
    list.volts230Option->setChecked(true);
    list.runtimeBox->setCurrentIndex(RuntimeIndex);
    // The results screen is made by the first suggestion; that is not measured.
    list.suggest();
    check_no_message("Suggest a UPS");
    ResultsScreen& results = registry().results();
    for (QLabel* label : results.modelLabels)
        label->clear();

    for (auto _ : state) {
        list.suggest();
        QApplication::processEvents();
    }

    check_no_message("Suggest a UPS");
    for (int k = 0; k < 7; ++k) {
        const std::string shown = results.modelLabels[k]->text().toStdString();
        const std::string expected = table_field(Total, k, RuntimeIndex + 2);
        check(shown == expected,
              "class " + std::to_string(k) + " shows \"" + shown + "\", not \"" + expected + "\"");
    }
    check(results.totalLabel->text() == QStringLiteral(" 2500"), "the results show another total");
    check(results.isVisible() && !list.isVisible(), "the results screen is not the one shown");
}
BENCHMARK(BM_Suggest)->Unit(benchmark::kMillisecond);

void BM_VaUpdate(benchmark::State& state) {
    registry().reset();
    LoadListScreen& list = registry().loadList();
    // Every kind of VA text the entry screens write or a file may hold; each
    // run of four adds 752 (250 + 250 + 250 + 1.5, rounded half to even).
    const char* const texts[] = {"250", " 250", "250 VA", "1.5"};
    for (int i = 0; i < LoadListItems; ++i)
        list.appendItem({"Item " + std::to_string(i), texts[i % 4]});
    list.totalBox->clear();

    for (auto _ : state)
        list.updateTotal();

    const QString expected = QStringLiteral(" %1").arg(LoadListItems / 4 * 752);
    check(list.totalText() == expected, "the total is \"" + list.totalText().toStdString() + "\"");
}
BENCHMARK(BM_VaUpdate)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vellimar::bench

int main(int argc, char** argv) {
    using namespace vellimar::bench;
    return run_benchmarks(argc, argv,
                          [] {
                              const std::size_t lines = write_runtime_table(table_path(), Bands, Total);
                              std::printf("runtime table 230.txt: %zu lines, %.1f MB\n", lines,
                                          static_cast<double>(fs::file_size(table_path())) / 1e6);
                          },
                          {{"BM_Suggest", "BM_ReadTableLines", 1.5},
                           {"BM_Suggest", "BM_ReadTableBytes", 0},
                           {"BM_MatchingRecords", "BM_ReadTableLines", 0}},
                          {{"BM_VaUpdate", 0}});
}
