#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/fixture_db.h"

namespace babyname::testing {

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

CliOutcome RunCli(const std::string& arguments, const std::string& input) {
  TempFolder io;
  const auto in = io.path() / "in", out = io.path() / "out", err = io.path() / "err";
  std::ofstream(in, std::ios::binary) << input;
  const char* cli = std::getenv("BABYNAME_CLI");
  const std::string command = std::string(cli ? cli : "babyname-cli") + " " + arguments + " <" + in.string() +
                              " >" + out.string() + " 2>" + err.string();
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(out), ReadWholeFile(err)};
}

}  // namespace babyname::testing
