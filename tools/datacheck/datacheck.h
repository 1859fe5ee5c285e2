#pragma once
// Checks the selector's data files with the selector's own readers, for the
// people who prepare them. Every problem is reported, not only the first.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vellimar::datacheck {

struct Finding {
    std::string file;
    std::size_t line = 0; // 0: the file as a whole
    bool warning = false; // warnings do not fail the check
    std::string message;
};

// Takes each finding as it is found.
using FindingSink = std::function<void(Finding&&)>;

// "file:line: message", "file:line: warning: message" or "file: message";
// bytes of the file's path that are not UTF-8 are written as \xHH.
std::string format_finding(const Finding& finding);

// A runtime table. Model texts are looked up in `products`, the product
// information file of the same voltage, named `products_file`, and held to
// the ratings it gives; with an empty `products_file` they are not.
std::vector<Finding> check_runtime_table(std::string_view content, const std::string& file,
                                         std::string_view products, const std::string& products_file);

std::vector<Finding> check_product_file(std::string_view content, const std::string& file);

std::vector<Finding> check_equipment_list(std::string_view content, const std::string& file);

// The files the selector reads from its data folder, in the order they are
// checked: for each voltage its product information and runtime table, then
// the equipment list of each category of the category table.
struct DataFile {
    std::string name;
    const char* kind; // "product-information", "runtime-table" or "equipment-list"
};
std::vector<DataFile> data_files();

// The data files of `folder`, named in findings as `folder`/name (bare name
// for "."): each product information file, then the runtime table held to
// it, then the equipment lists. A file's findings come in line order, those
// about the file as a whole (its load bands, its families) after them. Each
// file is read as the selector reads it, a block at a time within the same
// limits, and each finding goes to `sink` as it is found, so a file of any
// size is checked in little memory whatever it holds.
void check_data_folder(const std::string& folder, const FindingSink& sink);

} // namespace vellimar::datacheck
