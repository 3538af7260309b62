// The working state of a scored run: the character pool, the run's character
// cache and the candidate given names, and the steps that fill them.
//
// Candidates are held as units rather than texts: a candidate is one unit or
// two units joined, and blocks of candidates are kept as the lists they are
// formed from (every a of one list followed by every b of another). A run over
// the whole boys' pool thus keeps two lists of about 1855 units instead of
// 3.4 million texts, and FillScoredList walks the candidates in the very order
// in which a list of texts would hold them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/numerology.h"
#include "generation/generation_character.h"
#include "generation/run_control.h"
#include "generation/run_observer.h"
#include "refdata/database.h"

namespace babyname::generation {

inline constexpr uint32_t kNoUnit = UINT32_MAX;

class CandidateList {
 public:
  // Units 0 .. n-1 are the pool entries of the run (same positions); further
  // units are fixed texts such as a generation character.
  void SetUnits(std::vector<std::string> units) { units_ = std::move(units); }
  uint32_t AddUnit(std::string text);
  const std::string& unit(uint32_t index) const { return units_[index]; }
  size_t unitCount() const { return units_.size(); }

  // Every unit of `first` followed by every unit of `second`, first-major.
  void AddProduct(std::vector<uint32_t> first, std::vector<uint32_t> second);
  // The candidates first[i] + second[i]; with `second` empty, first[i] alone.
  void AddSequence(std::vector<uint32_t> first, std::vector<uint32_t> second = {});

  uint64_t size() const;
  bool empty() const { return size() == 0; }

  // Calls visit(a, b) for every candidate in order; b is kNoUnit for a
  // one-unit candidate. Stops early when visit returns false.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    for (const Block& block : blocks_) {
      if (block.product) {
        for (uint32_t a : block.first)
          for (uint32_t b : block.second)
            if (!visit(a, b)) return;
      } else {
        for (size_t i = 0; i < block.first.size(); ++i)
          if (!visit(block.first[i], block.second.empty() ? kNoUnit : block.second[i])) return;
      }
    }
  }

  // The candidate's given name.
  void TextOf(uint32_t a, uint32_t b, std::string& out) const;
  // Every candidate as a text; for tests and small lists.
  std::vector<std::string> Texts() const;

 private:
  struct Block {
    bool product = false;
    std::vector<uint32_t> first;
    std::vector<uint32_t> second;
  };
  std::vector<std::string> units_;
  std::vector<Block> blocks_;
};

// The state of one scored run.
struct RunState {
  std::vector<std::string> pool;  // CharacterPool: the entries, normally one character each
  analysis::CharInfoTable table;  // one record per pool entry, then the extra lookups
  CandidateList candidates;       // units 0 .. pool.size()-1 are the pool entries
  std::vector<bool> loaded;       // per pool entry: LoadCharInfo has run

  // Starts a run over `entries`: blank cache records, one unit per entry.
  void Reset(std::vector<std::string> entries);
};

// Reads HM_CNWord rows for one run: each character is queried once, however
// often it occurs in the pool.
class CharacterLoader {
 public:
  explicit CharacterLoader(refdata::DatabaseClass& db) : db_(db) {}
  // Reads the rows of many characters with a few queries instead of one each.
  // Where the table holds a character twice, the first row in table order
  // counts, as for a single-row query. Characters without a row are left to Load.
  void Preload(const std::vector<std::string>& characters);
  // The row of `character` as the cache holds it: the character itself, the
  // two stroke counts and the element; 0 and empty when the table lacks it.
  analysis::CharInfo Load(const std::string& character);

 private:
  refdata::DatabaseClass& db_;
  std::unordered_map<std::string, analysis::CharInfo> seen_;
};

// An entry is usable when its element is not empty and its simplified strokes are not 0.
bool IsUsable(const analysis::CharInfo& info);

// Fills the cache record of pool entry `position` and tells whether it is usable.
bool LoadCharInfo(RunState& state, CharacterLoader& loader, size_t position);

// Adds a record for `character` after the pool records, so that ScoreName
// finds it, without making it a pool entry (the characters of a two-character
// family name, a generation character).
void AddScoringLookup(RunState& state, CharacterLoader& loader, const std::string& character);

// The pair rule of the high-score, combination and poem modes:
//   count 2, no generation character: every usable entry followed by every
//     entry (unusable ones, the family name and the entry itself included);
//   count 2, generation character second: the character + every usable entry;
//   count 2, generation character third: every usable entry + the character;
//   count 1: every usable entry alone, after the one-character message.
// Returns false when the run was stopped.
bool BuildPairCandidates(RunState& state, CharacterLoader& loader, int count,
                         const GenerationCharacterSetting& generation, RunObserver& observer, RunControl& control);

// The message of a one-character run: "一字名数理得分较低,所以软件自动降低评分标准!".
RunMessage OneCharacterMessage();

}  // namespace babyname::generation
