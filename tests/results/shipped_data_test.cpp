// The shipped data files agree: every model the runtime tables can propose
// finds its own family's section in the product information of its voltage.
#include <gtest/gtest.h>
#include <set>

#include "common/textfile.h"
#include "results/productinfo.h"

using namespace vellimar;

namespace {

std::vector<std::string> split_tabs(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

void expect_every_model_has_its_section(const std::string& voltage) {
    const std::string data = VELLIMAR_DATA_DIR;
    const std::string table_path = data + "/" + voltage + ".txt";
    const std::string product_path = data + "/prod" + voltage + ".txt";
    std::string table, error;
    ASSERT_TRUE(read_data_file(table_path, table, error)) << error;
    std::string products;
    ASSERT_TRUE(read_data_file(product_path, products, error)) << error;

    std::set<std::string> checked;
    LineCursor cursor(table);
    std::string_view line;
    while (cursor.next(line)) {
        const std::vector<std::string> fields = split_tabs(line);
        ASSERT_GE(fields.size(), 8u) << table_path << " line " << cursor.line_number();
        for (std::size_t field = 2; field <= 7; ++field) {
            const std::string& model = fields[field];
            if (model.empty() || !checked.insert(model).second)
                continue;
            const std::string key = family_key(model);
            ASSERT_FALSE(key.empty()) << model << " in " << table_path << " names no product family";
            const ProductSection section = find_product_section(products, key, product_path);
            ASSERT_TRUE(section.ok) << section.error;
            // Its own family's header starts with the family name.
            EXPECT_EQ(section.text.rfind(key + " - ", 0), 0u)
                << model << " (" << key << ") shows: " << section.text.substr(0, section.text.find('\r'));
        }
    }
    EXPECT_GT(checked.size(), 20u);
}

} // namespace

TEST(ShippedData, EveryModelOf120VoltsFindsItsProductSection) {
    expect_every_model_has_its_section("120");
}

TEST(ShippedData, EveryModelOf230VoltsFindsItsProductSection) {
    expect_every_model_has_its_section("230");
}
