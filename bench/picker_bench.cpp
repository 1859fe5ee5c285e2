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

#include "app/registry.h"
#include "bench/floors.h"
#include "bench/generator.h"
#include "bench/harness.h"
#include "screens/load_list_screen.h"
#include "screens/model_picker.h"

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

ModelPicker& open_picker() {
    ModelPicker& picker = registry().modelPicker();
    picker.setCategory(QStringLiteral("server"), QString(), QString());
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
    ModelPicker& picker = open_picker();
    for (auto _ : state) {
        picker.fillManufacturers();
        QApplication::processEvents();
    }
    check_no_message("getmanufs");
    const std::vector<std::string> expected = expected_makers();
    check(picker.manufacturerList->count() == static_cast<int>(expected.size()),
          "the picker lists " + std::to_string(picker.manufacturerList->count()) + " manufacturers");
    for (int row = 0; row < picker.manufacturerList->count(); ++row)
        check(picker.manufacturerList->item(row)->text().toStdString() ==
                  expected[static_cast<std::size_t>(row)],
              "manufacturer " + std::to_string(row) + " is \"" +
                  picker.manufacturerList->item(row)->text().toStdString() + "\", not \"" +
                  expected[static_cast<std::size_t>(row)] + "\"");
}
BENCHMARK(BM_Getmanufs)->Unit(benchmark::kMillisecond);

void BM_ModelFill(benchmark::State& state) {
    ModelPicker& picker = open_picker();
    picker.fillManufacturers();
    const QList<QListWidgetItem*> found =
        picker.manufacturerList->findItems(QString::fromStdString(BigMaker), Qt::MatchExactly);
    check(found.size() == 1, "the big manufacturer is not listed once");
    const int big_row = picker.manufacturerList->row(found.first());
    const int other_row = big_row == 0 ? 1 : 0;

    for (auto _ : state) {
        // Another manufacturer first, so each fill starts from a short list.
        state.PauseTiming();
        picker.manufacturerList->setCurrentRow(other_row);
        QApplication::processEvents();
        state.ResumeTiming();
        picker.manufacturerList->setCurrentRow(big_row);
        QApplication::processEvents();
    }

    check_no_message("the model fill");
    check(picker.modelList->count() == BigModels && picker.vaList->count() == BigModels,
          "the picker lists " + std::to_string(picker.modelList->count()) + " models");
    for (int row : {0, 1, BigModels - 1})
        check(picker.modelList->item(row)->text().toStdString() == big_model(row) &&
                  picker.vaList->item(row)->text().toStdString() == big_model_va(row),
              "model " + std::to_string(row) + " is out of order or has another VA");
    // The model chosen carries its own line's VA into the load list.
    picker.modelList->setCurrentRow(1);
    picker.addModel();
    check_no_message("Next");
    QListWidget* loads = registry().loadList().vaList;
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
