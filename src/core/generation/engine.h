// GenerateNames: one naming run of any of the seven modes.
//
// The run takes its inputs as one value, builds the mode's character pool,
// loads each pool character once from HM_CNWord into the run's cache (the
// verdicts of the 81 numbers and the three talents are read once as well),
// forms the candidates, scores them and fills the mode's list; the classic
// mode lays out a text and the English-name mode lists HM_EName rows instead.
//
// Threads: call it on a worker thread (or directly, as the command line does).
// The observer is called on that thread; `control` may pause or stop the run
// from any other. The database connection must stay open for the whole run
// and may be used by other threads meanwhile.
#pragma once

#include "generation/run_control.h"
#include "generation/run_input.h"
#include "generation/run_observer.h"
#include "refdata/database.h"

namespace babyname::generation {

// Capacities of the lists that have one.
inline constexpr uint32_t kHighScoreCapacity = 10000;
inline constexpr uint32_t kSuperAuspiciousCapacity = 100000;

// The messages of a run (shown with the caption 提示).
RunMessage EnterSurnameMessage();        // 请输入姓氏, no icon: the run goes on
RunMessage GenerationShowsAllMessage();  // 设定辈份后,产生的名字较少,所以系统将显示全部名字, warning

// Runs the mode of `input` to its end (or until `control` stops it) and
// returns the result, which OnFinished has also received.
RunResult GenerateNames(refdata::DatabaseClass& db, const RunInput& input, RunObserver& observer, RunControl& control);

}  // namespace babyname::generation
