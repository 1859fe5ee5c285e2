// The family key rule and the product information scan on any model text
// and any product file, and the data checker's view of the same file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/product_info.h"
#include "datacheck/datacheck.h"
#include "fuzz_check.h"

using namespace vellimar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first line is the model text, the rest the product file.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t end = input.find('\n');
    const std::string_view model = input.substr(0, end);
    const std::string_view content =
        end == std::string_view::npos ? std::string_view() : input.substr(end + 1);

    const std::string key = family_key(model);
    LineReader lines;
    lines.open_text(content, "prod120.txt");
    const ProductSection section = find_product_section(lines, key);
    if (section.ok) {
        fuzz::require(section.error.empty(), "no error when the file is usable");
        fuzz::require(valid_utf8(section.text), "the section is UTF-8");
        if (!section.text.empty()) {
            fuzz::require(section.text.size() >= 2 &&
                              section.text.compare(section.text.size() - 2, 2, "\r\n") == 0,
                          "the section ends with CR LF");
            const std::string header = section.text.substr(0, section.text.find("\r\n"));
            fuzz::require(key.empty() ? !header.empty() : header.find(key) != std::string::npos,
                          "the header holds the key");
        }
    } else {
        fuzz::require(section.text.empty() && section.error.find("\"prod120.txt\"") != std::string::npos,
                      "a broken file gives an error naming it and no text");
    }

    for (const auto& finding : datacheck::check_product_file(content, "prod120.txt"))
        fuzz::require(valid_utf8(datacheck::format_finding(finding)), "findings are UTF-8");
    return 0;
}
