#pragma once

// kubato-cli: checks and computes a job from files, without windows. The program's
// main() only hands its arguments here, so tests drive the same code in-process.

#include <ostream>
#include <string>
#include <vector>

namespace kubato {

// Exit codes: 0 success, 1 a faulty input (the messages are printed), 2 unusable call or a
// file that cannot be read or written, 3 a run in which coordinates were missing.
int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace kubato
