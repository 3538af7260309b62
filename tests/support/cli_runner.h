// Runs babyname-cli (the path in the environment variable BABYNAME_CLI) as a
// process, with standard input from a text and both outputs captured.
#pragma once

#include <filesystem>
#include <string>

namespace babyname::testing {

struct CliOutcome {
  int exitCode;  // -1 when the process did not exit normally
  std::string out;
  std::string err;
};

// `arguments` is appended to the command line as it is (shell-quoted by the caller).
CliOutcome RunCli(const std::string& arguments, const std::string& input = "");

// The whole content of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace babyname::testing
