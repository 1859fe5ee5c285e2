// The data checker against the viewer on any model text and any product
// file: a model text the checker says opens nothing opens nothing in the
// viewer, and every other model text opens a section there.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/product_info.h"
#include "core/runtime_table.h"
#include "core/suggestion.h"
#include "datacheck/datacheck.h"
#include "fuzz_check.h"

using namespace vellimar;

namespace {

// In the working directory, which the runner removes afterwards.
std::string scratch_file(const char* name, std::string_view content) {
    const std::string path = std::string("model_lookup_fuzz_") + std::to_string(::getpid()) + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    fuzz::require(file != nullptr, "the scratch file opens");
    fuzz::require(std::fwrite(content.data(), 1, content.size(), file) == content.size(),
                  "the file is written");
    std::fclose(file);
    return path;
}

// What the checker's findings on the model text say of it. Each quotes the
// model text first, and a model text may hold any words: only what
// follows the last end of such a quote is the checker's own verdict.
bool checker_says_opens_nothing(const std::vector<datacheck::Finding>& findings) {
    bool nothing = false;
    for (const datacheck::Finding& finding : findings) {
        if (finding.line != 1 || finding.message.rfind("the model text ", 0) != 0)
            continue; // another finding, of the table or the product file
        std::size_t verdict = 0;
        for (const char* after_quote : {"\" is shorter than three characters", "\" names no product family",
                                        "\" belongs to the family"}) {
            const std::size_t at = finding.message.rfind(after_quote);
            if (at != std::string::npos && at > verdict)
                verdict = at;
        }
        for (const char* phrase :
             {"opens nothing", "but no section header of", "shows no product information"})
            nothing = nothing || finding.message.find(phrase, verdict) != std::string::npos;
    }
    return nothing;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first line is the model text of a runtime table record, the rest
    // the product file.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t end = input.find('\n');
    if (end == std::string_view::npos || end == 0)
        return 0; // an empty model field is no model, and the checker passes it over
    std::string field(input.substr(0, end));
    for (char& c : field)
        if (c == '\t' || c == '\r')
            c = ' '; // a field holds neither
    const std::string_view products = input.substr(end + 1);
    const std::string table = "1-5000\thint\t" + field + "\t\t\t\t\t\r\n";

    // The viewer's side: the model the results screen shows for the record,
    // then the viewer's own two steps.
    std::vector<std::string> records;
    std::string error;
    fuzz::require(matching_records(scratch_file(".txt", table), 100, records, error), "the table reads");
    const std::string model = class_models(records, 0)[0];
    fuzz::require(!model.empty(), "the record gives the model");
    // A model text naming no family opens no section, only a line saying so.
    const bool viewer_opens =
        opens_product_information(model) && !family_key(model).empty() &&
        !read_product_section(scratch_file("prod.txt", products), family_key(model)).text.empty();

    const auto findings = datacheck::check_runtime_table(table, "120.txt", products, "prod120.txt");
    fuzz::require(checker_says_opens_nothing(findings) == !viewer_opens,
                  "the checker says a model text opens nothing exactly when the viewer opens nothing");
    return 0;
}
