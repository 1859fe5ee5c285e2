#pragma once
// "--suggest": sizing sites from the command line, with no display.
#include <QString>
#include <QStringList>
#include <vector>

#include "core/site_sizing.h"

namespace vellimar {

struct SuggestRequest {
    QString volts;   // "120", "230" or empty: the load list's, else 120 as the screens start
    QString runtime; // minutes or a runtime box item, or empty: the load list's
    QString va;      // a figure as "Enter Your Own VA" takes it, when vaGiven
    bool vaGiven = false;
    QString format; // "text" (also when empty), "csv" or "json"
    QStringList loadFiles;
    QString dataDir;
    bool onePage = false; // a printed page is asked for: one site only
};

// Sizes each site and prints the results on standard output. The exit
// status: 0 when every site was sized, 1 when one was not (its message says
// why), 2 for a request that cannot be carried out (said on standard error).
// The sites sized, in order, are put in `sized`.
int suggestFromCommandLine(const SuggestRequest& request, std::vector<SiteSizing>& sized);

} // namespace vellimar
