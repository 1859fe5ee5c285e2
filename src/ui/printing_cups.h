#pragma once
// The part of libcups the printer uses. It is looked up only when something
// is printed: linked to the program, it and the score of libraries it needs
// were loaded at every start.
#include <cups/cups.h>

namespace vellimar {

struct Cups {
    decltype(&::cupsServer) server = nullptr;
    decltype(&::ippPort) port = nullptr;
    decltype(&::cupsEncryption) encryption = nullptr;
    decltype(&::httpConnect2) connect = nullptr;
    decltype(&::httpSetTimeout) setTimeout = nullptr;
    decltype(&::httpClose) close = nullptr;
    decltype(&::cupsGetNamedDest) namedDest = nullptr;
    decltype(&::cupsGetOption) option = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsCopyDestInfo) copyInfo = nullptr;
    decltype(&::cupsFreeDestInfo) freeInfo = nullptr;
    decltype(&::cupsFindDestDefault) findDefault = nullptr;
    decltype(&::cupsGetDestMediaByName) mediaByName = nullptr;
    decltype(&::cupsGetDestMediaBySize) mediaBySize = nullptr;
    decltype(&::cupsCreateDestJob) createJob = nullptr;
    decltype(&::cupsStartDestDocument) startDocument = nullptr;
    decltype(&::cupsWriteRequestData) write = nullptr;
    decltype(&::cupsGetResponse) response = nullptr;
    decltype(&::cupsLastError) lastError = nullptr;
    decltype(&::cupsCancelDestJob) cancelJob = nullptr;
    decltype(&::ippFindAttribute) findAttribute = nullptr;
    decltype(&::ippGetInteger) integer = nullptr;
    decltype(&::ippGetString) string = nullptr;
    decltype(&::ippDelete) deleteAnswer = nullptr;
    bool found = true; // until a function is missing
};

// libcups, loaded the first time it is asked for; `found` is false when the
// library or one of these functions is missing.
const Cups& cups();

} // namespace vellimar
