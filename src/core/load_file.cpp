#include "core/load_file.h"

#include <algorithm>
#include <cctype>

#include "core/numbers.h"
#include "core/suggestion.h"
#include "core/textfile.h"

namespace vellimar {

namespace {

// A load list is typed by hand or saved from a spreadsheet; anything larger
// is not one, and the screen would stall showing it.
constexpr std::uint64_t LargestLoadFile = 4 << 20;

std::string trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The fields of a CSV line: a field in double quotes may hold commas, and a
// doubled quote stands for one. False when a quote is left open or stray
// text follows a closing quote.
bool split_csv(std::string_view line, std::vector<std::string>& fields) {
    fields.assign(1, {});
    bool quoted = false;
    const auto endField = [&] {
        if (!quoted)
            fields.back() = trimmed(fields.back());
        quoted = false;
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ',') {
            endField();
            fields.emplace_back();
        } else if (line[i] == '"' && !quoted && trimmed(fields.back()).empty()) {
            quoted = true;
            fields.back().clear();
            for (++i;; ++i) {
                if (i >= line.size())
                    return false;
                if (line[i] == '"' && (i + 1 >= line.size() || line[i + 1] != '"'))
                    break;
                if (line[i] == '"')
                    ++i;
                fields.back() += line[i];
            }
            while (i + 1 < line.size() && (line[i + 1] == ' ' || line[i + 1] == '\t'))
                ++i;
            if (i + 1 < line.size() && line[i + 1] != ',')
                return false;
        } else {
            fields.back() += line[i];
        }
    }
    endField();
    return true;
}

bool plain_number(const std::string& text) {
    const std::size_t point = text.find('.');
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](unsigned char c) { return std::isdigit(c); });
    };
    const std::string_view whole = std::string_view(text).substr(0, point);
    const std::string_view fraction =
        point == std::string::npos ? std::string_view() : std::string_view(text).substr(point + 1);
    return !whole.empty() && whole.size() <= 9 && digits(whole) && digits(fraction) &&
           (point == std::string::npos || !fraction.empty());
}

struct Columns {
    int description = -1, va = -1, quantity = -1;
};

// Why a line is not an item, or the empty text; fills `item` when it is one.
std::string read_item(const std::vector<std::string>& fields, const Columns& columns, LoadItem& item) {
    const auto field = [&](int column) {
        return column >= 0 && static_cast<std::size_t>(column) < fields.size() ? fields[column]
                                                                               : std::string();
    };
    item.description = field(columns.description);
    item.va_text = field(columns.va);
    const std::string quantity = field(columns.quantity);
    if (trimmed(item.description).empty())
        return "it has no description.";
    if (!plain_number(item.va_text))
        return "its VA " + in_quotes(visible_text(item.va_text)) +
               " is not a plain number of VA (digits, perhaps with a decimal point).";
    item.quantity = 1;
    if (!quantity.empty()) {
        const bool digits =
            quantity.size() <= 4 && plain_number(quantity) && quantity.find('.') == std::string::npos;
        item.quantity = digits ? std::stoi(quantity) : 0;
        if (item.quantity < 1)
            return "its quantity " + in_quotes(visible_text(quantity)) + " is not a whole number from 1 to " +
                   std::to_string(LargestQuantity) + ".";
    }
    return {};
}

std::string read_setting(const std::vector<std::string>& fields, LoadFile& file) {
    const std::string name = lower(fields[0]);
    const std::string value = fields.size() > 1 ? fields[1] : std::string();
    if (name == "#volts") {
        if (value != "120" && value != "230")
            return "the voltage " + in_quotes(visible_text(value)) + " is neither 120 nor 230.";
        file.volts120 = value == "120";
    } else if (name == "#runtime") {
        file.runtimeIndex = runtime_item(value);
        if (file.runtimeIndex < 0)
            return "the runtime " + in_quotes(visible_text(value)) +
                   " is not one of 15, 30, 60, 120, 240 or 480 minutes.";
        file.runtimeText = RuntimeItems[static_cast<std::size_t>(file.runtimeIndex)];
    } else if (name == "#typed runtime") {
        if (value.empty())
            return "the typed runtime is empty.";
        file.runtimeText = value;
        file.runtimeIndex = -1;
    }
    return {};
}

std::optional<LoadFile> read_lines(LineReader& lines, std::string& error) {
    LoadFile file;
    std::optional<Columns> columns;
    std::vector<std::string> fields;
    std::string scratch;
    std::string reason;
    for (std::string_view raw; reason.empty() && lines.next(raw);) {
        const std::string_view line = decoded_view(raw, scratch);
        if (trimmed(line).empty())
            continue;
        if (!split_csv(line, fields)) {
            reason = "a quote is not closed, or text follows a closing quote.";
        } else if (line.front() == '#') {
            reason = read_setting(fields, file);
        } else if (!columns) {
            columns = Columns{};
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const std::string name = lower(fields[i]);
                for (auto [known, column] :
                     {std::pair{"description", &Columns::description}, std::pair{"va", &Columns::va},
                      std::pair{"quantity", &Columns::quantity}})
                    if (name == known && (*columns).*column < 0)
                        (*columns).*column = static_cast<int>(i);
            }
            if (columns->description < 0 || columns->va < 0)
                reason = "the header line names no description and VA columns (description,VA,quantity).";
        } else if (std::any_of(fields.begin(), fields.end(),
                               [](const std::string& f) { return !f.empty(); })) {
            LoadItem item;
            reason = read_item(fields, *columns, item);
            if (reason.empty())
                file.items.push_back(item);
        }
    }
    if (!reason.empty()) {
        error = "The load list " + in_quotes(path_in_message(lines.name())) + " cannot be used: line " +
                std::to_string(lines.line_number()) + ": " + reason;
        return std::nullopt;
    }
    if (!lines.error().empty()) {
        error = lines.error();
        return std::nullopt;
    }
    if (!columns) {
        error = "The load list " + in_quotes(path_in_message(lines.name())) +
                " cannot be used: it has no header line (description,VA,quantity).";
        return std::nullopt;
    }
    return file;
}

} // namespace

std::string csv_field(const std::string& text) {
    const bool plain = !text.empty() && text.find_first_of(",\"\r\n#") == std::string::npos &&
                       text.front() != ' ' && text.back() != ' ';
    if (plain)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

int runtime_item(std::string_view text) {
    for (std::size_t i = 0; i < RuntimeItems.size(); ++i) {
        const std::string& item = RuntimeItems[i];
        if (text == item || text == item.substr(0, item.find(' ')))
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<LoadFile> read_load_file(const std::string& path, std::string& error) {
    LineReader lines;
    if (!lines.open(path, error, LargestLoadFile))
        return std::nullopt;
    return read_lines(lines, error);
}

std::optional<LoadFile> read_load_text(std::string_view text, const std::string& name, std::string& error) {
    LineReader lines;
    lines.open_text(text, name);
    return read_lines(lines, error);
}

std::string load_file_text(const std::vector<LoadItem>& items, bool volts120, const std::string& runtimeText,
                           int runtimeIndex) {
    const std::string end = "\r\n";
    std::string text = "# Vellimar UPS Selector load list" + end;
    text += std::string("#volts,") + (volts120 ? "120" : "230") + end;
    if (runtimeIndex >= 0 && static_cast<std::size_t>(runtimeIndex) < RuntimeItems.size()) {
        const std::string& item = RuntimeItems[static_cast<std::size_t>(runtimeIndex)];
        text += "#runtime," + item.substr(0, item.find(' ')) + end;
    } else if (runtimeText != RuntimePrompt && !trimmed(runtimeText).empty()) {
        text += "#typed runtime," + csv_field(runtimeText) + end;
    }
    text += "description,VA,quantity" + end;
    for (const LoadItem& item : items) {
        // What the total counts, in a form the reader takes back.
        std::string va = trimmed(item.va_text);
        if (!plain_number(va))
            va = trimmed(number_to_text(std::max(0.0, lenient_parse(item.va_text))));
        std::string description = item.description;
        std::replace_if(
            description.begin(), description.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        text += csv_field(description) + "," + va + "," + std::to_string(item.quantity) + end;
    }
    return text;
}

} // namespace vellimar
