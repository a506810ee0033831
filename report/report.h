// zapt-report: the program's comparison tables on standard output, for
// scripts (R, Python) rather than windows.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zapt::report {

// Exit codes: 0 done, 1 the output could not be written, 2 a wrong command
// line (unknown command, option, family or format) or a corpus that cannot be
// read, as the window programs end when theirs cannot be.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;
inline constexpr int kNoCorpus = 2;

// Runs the command line `args` (without the program name), writing the table
// to `out` and any message to `err`; returns the exit code.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// `zapt-report lexicon` (report/lexicon_command.cpp): the exit code when the
// command line names that command, nothing otherwise.
std::optional<int> run_lexicon_command(const std::vector<std::string>& args, std::ostream& out,
                                       std::ostream& err);

} // namespace zapt::report
