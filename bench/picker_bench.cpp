// The model picker on a 100,000-line equipment list: getmanufs next to
// reading and sorting the maker names with the standard library, and the
// model fill of a manufacturer with 10,000 models.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cctype>
#include <cstdio>

#include "bench/floors.h"
#include "bench/generator.h"
#include "bench/harness.h"
#include "entry/form2.h"
#include "loadlist/form1.h"
#include "shell/imagebutton.h"
#include "shell/screens.h"

namespace vellimar::bench {
namespace {

namespace fs = std::filesystem;

constexpr int SmallMakers = 9000;
constexpr int ModelsEach = 10;
constexpr int BigModels = 10000; // 90,000 + 10,000 = 100,000 lines
const std::string BigMaker = "Zentrix Networks";

EquipmentList written;

fs::path list_path() {
    return data_dir() / "server.txt";
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The manufacturers as the picker must list them: sorted ignoring case.
std::vector<std::string> expected_makers() {
    std::vector<std::string> makers = written.makers;
    std::stable_sort(makers.begin(), makers.end(),
                     [](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
    return makers;
}

Form2& open_picker() {
    Form2& picker = screens::form2();
    picker.Label1->setText(QStringLiteral("server"));
    picker.show();
    return picker;
}

void BM_ReadSortMakers(benchmark::State& state) {
    std::vector<std::string> makers;
    for (auto _ : state) {
        makers = sorted_unique_makers(list_path());
        benchmark::DoNotOptimize(makers.data());
    }
    check(makers.size() == written.makers.size(),
          "the standard-library floor found " + std::to_string(makers.size()) + " makers");
}
BENCHMARK(BM_ReadSortMakers)->Unit(benchmark::kMillisecond);

void BM_Getmanufs(benchmark::State& state) {
    Form2& picker = open_picker();
    for (auto _ : state) {
        picker.getmanufs();
        QApplication::processEvents();
    }
    check_no_message("getmanufs");
    const std::vector<std::string> expected = expected_makers();
    check(picker.manuf->count() == static_cast<int>(expected.size()),
          "the picker lists " + std::to_string(picker.manuf->count()) + " manufacturers");
    for (int row = 0; row < picker.manuf->count(); ++row)
        check(picker.manuf->item(row)->text().toStdString() == expected[static_cast<std::size_t>(row)],
              "manufacturer " + std::to_string(row) + " is \"" +
                  picker.manuf->item(row)->text().toStdString() + "\", not \"" +
                  expected[static_cast<std::size_t>(row)] + "\"");
}
BENCHMARK(BM_Getmanufs)->Unit(benchmark::kMillisecond);

void BM_ModelFill(benchmark::State& state) {
    Form2& picker = open_picker();
    picker.getmanufs();
    const QList<QListWidgetItem*> found =
        picker.manuf->findItems(QString::fromStdString(BigMaker), Qt::MatchExactly);
    check(found.size() == 1, "the big manufacturer is not listed once");
    const int big_row = picker.manuf->row(found.first());
    const int other_row = big_row == 0 ? 1 : 0;

    for (auto _ : state) {
        // Another manufacturer first, so each fill starts from a short list.
        state.PauseTiming();
        picker.manuf->setCurrentRow(other_row);
        QApplication::processEvents();
        state.ResumeTiming();
        picker.manuf->setCurrentRow(big_row);
        QApplication::processEvents();
    }

    check_no_message("the model fill");
    check(picker.model->count() == BigModels && picker.modelva->count() == BigModels,
          "the picker lists " + std::to_string(picker.model->count()) + " models");
    for (int row : {0, 1, BigModels - 1})
        check(picker.model->item(row)->text().toStdString() == big_model(row) &&
                  picker.modelva->item(row)->text().toStdString() == big_model_va(row),
              "model " + std::to_string(row) + " is out of order or has another VA");
    // The model chosen carries its own line's VA into the load list.
    picker.model->setCurrentRow(1);
    picker.Image7_Click();
    check_no_message("Next");
    QListWidget* loads = screens::form1().List2;
    check(loads->count() > 0 && loads->item(loads->count() - 1)->text().toStdString() == big_model_va(1),
          "the load list did not get the chosen model's VA");
}
BENCHMARK(BM_ModelFill)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vellimar::bench

int main(int argc, char** argv) {
    using namespace vellimar::bench;
    return run_benchmarks(
        argc, argv,
        [] {
            written = write_equipment_list(list_path(), SmallMakers, ModelsEach, BigMaker, BigModels);
            std::printf("equipment list server.txt: %zu lines, %zu manufacturers, %.1f MB\n", written.lines,
                        written.makers.size(), static_cast<double>(fs::file_size(list_path())) / 1e6);
        },
        {{"BM_Getmanufs", "BM_ReadSortMakers", 2.0}}, {{"BM_Getmanufs", 100}, {"BM_ModelFill", 100}});
}
