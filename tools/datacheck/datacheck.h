#pragma once
// Checks the selector's data files with the selector's own readers, for the
// people who prepare them. Every problem is reported, not only the first.
#include <cstddef>
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

// "file:line: message", "file:line: warning: message" or "file: message".
std::string format_finding(const Finding& finding);

// A runtime table. Model texts are looked up in `products`, the product
// information file of the same voltage, named `products_file`; with an empty
// `products_file` they are not looked up.
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

// The eight files of `folder`, named in findings as `folder`/name (bare name
// for "."), sorted by file and line. Each is read as the selector reads it,
// a block at a time within the same limits, so a file of any size is
// checked in little memory.
std::vector<Finding> check_data_folder(const std::string& folder);

} // namespace vellimar::datacheck
