// babyname-cli chart Y M D H: the birth-chart report of a date and hour, exactly
// as the chart page shows it (UTF-8, lines separated by CR LF pairs, no final
// line break). Needs no reference data. Exit 1 for a date that does not exist
// or is outside the supported range; the report then says so.
#include "chart/birth_chart.h"
#include "cli/cli_context.h"

namespace babyname::cli {

namespace {

int RunChart(const CliContext&, const Arguments& args) {
  if (args.size() != 4) {
    PrintError("usage: babyname-cli chart YEAR MONTH DAY HOUR");
    return kExitUsage;
  }
  std::string gbk[4];
  for (int i = 0; i < 4; ++i) {
    const auto converted = ArgumentToGbk(args[i]);
    if (!converted) return kExitUsage;
    gbk[i] = *converted;
  }
  const chart::BirthChart result = chart::CastBirthChart(gbk[0], gbk[1], gbk[2], gbk[3]);
  PrintGbk(result.report);
  return result.valid ? kExitOk : kExitFailure;
}

const CommandRegistration kRegistration{"chart", RunChart,
                                        "chart Y M D H      the birth chart of a date and hour (0-23)"};

}  // namespace
}  // namespace babyname::cli
