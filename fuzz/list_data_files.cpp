// Prints the data files the selector reads, one a line with its kind, as
// vellimar-datacheck --list-files does, for the fuzz script's seeds: a fuzz
// build has no Qt, so no vellimar-datacheck.
#include <cstdio>

#include "datacheck/datacheck.h"

int main() {
    for (const vellimar::datacheck::DataFile& file : vellimar::datacheck::data_files())
        std::printf("%s %s\n", file.name.c_str(), file.kind);
}
