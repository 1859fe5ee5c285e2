#pragma once
// The command line and the data folder search, shared by the selector and the
// data checker (which links Qt Core only).
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

class QCommandLineParser;

namespace vellimar {

// Parses `arguments` (the program's name first) with `parser`, after adding
// --help and --version to it; more than `mostPositional` arguments beside the
// options is an error. Gives the exit status when the program is to
// end here: 0 after printing the help or the version on standard output, 2
// after printing the error and the usage on standard error. Needs no
// display, so it runs before any window can open.
std::optional<int> handleCommandLine(QCommandLineParser& parser, const QStringList& arguments,
                                     int mostPositional);

// The program's arguments as QStrings that give back their bytes: each is
// read as UTF-8, and a byte that is not UTF-8 (a folder named in another
// encoding) becomes a lone surrogate, U+DC00 plus the byte, which
// argumentBytes() turns back into that byte.
QStringList commandLineArguments(int argc, char** argv);
std::string argumentBytes(const QString& argument);

// The folders the data files are looked for in, in order: the working
// directory ("."), the vellimar-ups-selector folder of each generic data
// location ($XDG_DATA_HOME, then each of $XDG_DATA_DIRS), then the data
// folder of the prefix the program is installed in.
std::vector<std::string> data_folder_candidates();

} // namespace vellimar
