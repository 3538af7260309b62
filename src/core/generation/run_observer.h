// What a naming run tells the window. The run calls these on its own thread;
// a window implementation forwards them to its own thread (queued signals).
// Every text is GBK.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "generation/name_result_row.h"

namespace babyname::generation {

enum class MessageIcon { kNone, kInformation, kWarning };

// A message box to show, always with the caption 提示.
struct RunMessage {
  std::string text;
  MessageIcon icon = MessageIcon::kNone;
};

struct RunStats {
  uint64_t candidatesBuilt = 0;   // names the mode formed
  uint64_t candidatesScored = 0;  // of those, scored (not skipped for holding the family name)
  uint64_t rows = 0;              // rows in the final list
  double engineMilliseconds = 0;  // from the start of the run to its end
};

// The outcome of a run. Exactly one of the three results is used by a mode:
// the classic mode writes `classicText`, the English-name mode `englishRows`,
// every other mode `rows`.
struct RunResult {
  std::vector<NameResultRow> rows;          // sorted by score, best first, numbered 1, 2, ...
  std::vector<EnglishNameRow> englishRows;  // in table order, numbered 1, 2, ...
  std::string classicText;                  // the names laid out for the text box
  bool stopped = false;                     // ended by RunControl::Stop: the rows are those accepted so far, unsorted
  RunStats stats;
};

class RunObserver {
 public:
  virtual ~RunObserver() = default;
  virtual void OnMessage(const RunMessage& /*message*/) {}
  // The combination, nickname, poem and English-name modes have built their
  // candidates: the waiting window closes.
  virtual void OnCandidatesReady() {}
  // A row entered the list at row.number (1, 2, ... in acceptance order; the
  // final order comes with OnFinished).
  virtual void OnRowAccepted(const NameResultRow& /*row*/) {}
  // The first row of a list with a capacity (high-score, super-auspicious):
  // the waiting window closes and the pause button becomes usable.
  virtual void OnFirstRowAccepted() {}
  virtual void OnEnglishRow(const EnglishNameRow& /*row*/) {}
  // The last call of every run, also of a stopped one.
  virtual void OnFinished(const RunResult& /*result*/) {}
};

}  // namespace babyname::generation
