#include "app/suggest_command.h"

#include <cstdio>

#include "app/command_line.h"
#include "core/data_folder.h"
#include "core/load_file.h"
#include "core/own_va.h"
#include "core/site_sizing.h"
#include "core/textfile.h"

namespace vellimar {

namespace {

int usageError(const std::string& message) {
    std::fprintf(stderr, "vellimar-ups-selector: %s\nTry 'vellimar-ups-selector --help'.\n", message.c_str());
    return 2;
}

} // namespace

int suggestFromCommandLine(const SuggestRequest& request, std::vector<SiteSizing>& sites) {
    const std::string format = request.format.toStdString();
    if (format != "" && format != "text" && format != "csv" && format != "json")
        return usageError("--format is text, csv or json, not " + in_quotes(format) + ".");
    if (request.volts != QString() && request.volts != QStringLiteral("120") &&
        request.volts != QStringLiteral("230"))
        return usageError("--volts is 120 or 230, not " + in_quotes(request.volts.toStdString()) + ".");
    const int runtimeIndex = runtime_item(request.runtime.toStdString());
    if (!request.runtime.isEmpty() && runtimeIndex < 0)
        return usageError("--runtime is one of 15, 30, 60, 120, 240 or 480 (minutes), not " +
                          in_quotes(request.runtime.toStdString()) + ".");
    if (request.vaGiven == !request.loadFiles.isEmpty())
        return usageError("--suggest sizes either one load given with --va or the load list files named.");
    if (request.onePage && request.loadFiles.size() > 1)
        return usageError("--pdf writes the page of one site; name one load list, or none with --va.");
    std::vector<LoadItem> vaItems;
    if (request.vaGiven) {
        const OwnVaEntry entry = own_va_entry(request.va.toStdString());
        if (!entry.item)
            return usageError("--va " + in_quotes(request.va.toStdString()) + ": " + entry.refusal);
        vaItems.push_back(*entry.item);
    }

    const DataFolderChoice choice = choose_data_folder(
        request.dataDir.isEmpty() ? data_folder_candidates()
                                  : std::vector<std::string>{argumentBytes(request.dataDir)});
    if (!choice.found)
        std::fprintf(stderr, "vellimar-ups-selector: %s\n", missing_data_message(choice).c_str());

    const auto size = [&](const std::string& site, const std::vector<LoadItem>& items, const LoadFile& file) {
        const bool volts120 =
            request.volts.isEmpty() ? file.volts120.value_or(true) : request.volts == QStringLiteral("120");
        if (!request.runtime.isEmpty())
            return size_site(site, items, volts120, RuntimeItems[static_cast<std::size_t>(runtimeIndex)],
                             runtimeIndex, choice.folder);
        return size_site(site, items, volts120, file.runtimeText.value_or(RuntimePrompt), file.runtimeIndex,
                         choice.folder);
    };
    if (request.vaGiven)
        sites.push_back(size("--va " + request.va.toStdString(), vaItems, LoadFile()));
    for (const QString& name : request.loadFiles) {
        const std::string path = argumentBytes(name);
        std::string error;
        const std::optional<LoadFile> file = read_load_file(path, error);
        sites.push_back(file ? size(path_in_message(path), file->items, *file)
                             : unreadable_site(path_in_message(path), error));
    }
    const SizingFormat output = format == "csv"    ? SizingFormat::Csv
                                : format == "json" ? SizingFormat::Json
                                                   : SizingFormat::Text;
    std::fputs(sizing_output(sites, output).c_str(), stdout);
    for (const SiteSizing& site : sites)
        if (!site.message.empty())
            return 1;
    return 0;
}

} // namespace vellimar
