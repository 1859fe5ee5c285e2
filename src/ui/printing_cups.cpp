#include "ui/printing_cups.h"

#include <QLibrary>

namespace vellimar {

namespace {

template <typename Function>
void lookUp(QLibrary& library, const char* name, Function& function, bool& found) {
    function = reinterpret_cast<Function>(library.resolve(name));
    found = found && function;
}

} // namespace

const Cups& cups() {
    static const Cups found = [] {
        Cups c;
        QLibrary library(QStringLiteral("cups"), 2);
        lookUp(library, "cupsServer", c.server, c.found);
        lookUp(library, "ippPort", c.port, c.found);
        lookUp(library, "cupsEncryption", c.encryption, c.found);
        lookUp(library, "httpConnect2", c.connect, c.found);
        lookUp(library, "httpSetTimeout", c.setTimeout, c.found);
        lookUp(library, "httpClose", c.close, c.found);
        lookUp(library, "cupsGetNamedDest", c.namedDest, c.found);
        lookUp(library, "cupsGetOption", c.option, c.found);
        lookUp(library, "cupsFreeDests", c.freeDests, c.found);
        lookUp(library, "cupsCopyDestInfo", c.copyInfo, c.found);
        lookUp(library, "cupsFreeDestInfo", c.freeInfo, c.found);
        lookUp(library, "cupsFindDestDefault", c.findDefault, c.found);
        lookUp(library, "cupsGetDestMediaByName", c.mediaByName, c.found);
        lookUp(library, "cupsGetDestMediaBySize", c.mediaBySize, c.found);
        lookUp(library, "cupsCreateDestJob", c.createJob, c.found);
        lookUp(library, "cupsStartDestDocument", c.startDocument, c.found);
        lookUp(library, "cupsWriteRequestData", c.write, c.found);
        lookUp(library, "cupsGetResponse", c.response, c.found);
        lookUp(library, "cupsLastError", c.lastError, c.found);
        lookUp(library, "cupsCancelDestJob", c.cancelJob, c.found);
        lookUp(library, "ippFindAttribute", c.findAttribute, c.found);
        lookUp(library, "ippGetInteger", c.integer, c.found);
        lookUp(library, "ippGetString", c.string, c.found);
        lookUp(library, "ippDelete", c.deleteAnswer, c.found);
        return c;
    }();
    return found;
}

} // namespace vellimar
