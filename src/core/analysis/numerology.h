// The numerology of a name: the five grids (天格, 人格, 地格, 总格, 外格) from the
// traditional (Kangxi) stroke counts, their verdicts in the 81-number table,
// the three-talent configuration (三才) and the score of 0 to 100.
//
// Two stroke sources share one formula set: ScoreName takes strokes from the
// run's CharInfoTable (the generation engine calls it once per candidate and
// never touches HM_CNWord), the report takes them from HM_CNWord through
// LookupStrokeSource and then calls ComputeGrids.
//
// Every text is GBK. Nothing here shows a message; a missing row reads as
// empty texts and 0 and the computation goes on.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "refdata/database.h"
#include "refdata/reference_db.h"

namespace babyname::analysis {

// Positions of the characters of a name: first and second character of the
// family name (姓氏1, 姓氏2) and of the given name (名字1, 名字2).
enum NamePosition : int { kFamily1 = 0, kFamily2 = 1, kGiven1 = 2, kGiven2 = 3, kPositionCount = 4 };

// The six verdicts of a name, in score order.
enum VerdictKind : int {
  kVerdictHeaven = 0,  // 天格
  kVerdictPerson,      // 人格
  kVerdictEarth,       // 地格
  kVerdictTotal,       // 总格
  kVerdictOuter,       // 外格
  kVerdictTalent,      // 三才
  kVerdictCount
};

// The numerology of one name. Every field starts at 0 or empty; the caller owns
// the record.
struct FiveGrid {
  std::vector<std::string> familyCharacters;  // the family name, split into characters
  std::vector<std::string> givenCharacters;   // the given name, split into characters
  // Per position (NamePosition): 0 and empty for a position that is absent or not found.
  std::array<int32_t, kPositionCount> simplifiedStrokes{};   // 简体笔画数
  std::array<int32_t, kPositionCount> traditionalStrokes{};  // 繁体笔画数
  std::array<std::string, kPositionCount> elements;          // 五行属性
  int32_t heaven = 0;  // 天格
  int32_t person = 0;  // 人格
  int32_t earth = 0;   // 地格
  int32_t total = 0;   // 总格
  int32_t outer = 0;   // 外格
  int32_t simplifiedTotal = 0;  // sum of the four simplified counts
  std::string elementText;      // the four elements joined in position order, e.g. 金木水
  std::string talentKey;        // 三才 key: elements of 天格, 人格, 地格 by last digit, e.g. 木土水
  std::array<std::string, kVerdictCount> verdicts;  // 吉凶 texts, VerdictKind order
  float score = 0;         // Σ weight × factor, accumulated in single precision
  int32_t scoreValue = 0;  // score truncated toward zero: the number shown and compared
};

// "天格,人格,地格,总格,外格" in decimal, e.g. "12,15,10,21,7".
std::string GridText(const FiveGrid& grid);

// Element of a number's last digit: 1,2 木; 3,4 火; 5,6 土; 7,8 金; 9,0 水;
// anything else (negative numbers, 10 and above) the empty text. Callers pass
// a grid number modulo 10. The reference stays valid for the whole run.
const std::string& ElementOfNumber(int32_t digit);

// Score factor of a verdict: 大吉 and 吉 1.0, 中 0.85, 凶 0.6, 大凶 0.3; any
// other text (半吉, the empty text ...) 0.
double VerdictFactor(std::string_view verdict);

// Score weights per VerdictKind (天格 5, 人格 30, 地格 20, 总格 20, 外格 10,
// 三才 15; they sum to 100).
inline constexpr std::array<int, kVerdictCount> kVerdictWeights = {5, 30, 20, 20, 10, 15};

// The verdict of a grid number in HM_八一灵动数 (column 吉凶), looked up
// unchanged (no reduction above 81), and of a 三才 key in HM_三才配置. No row:
// the empty text. One bound single-row query each.
std::string NumberVerdict(refdata::DatabaseClass& db, int32_t number);
std::string TalentVerdict(refdata::DatabaseClass& db, std::string_view key);

// Hashes short texts (characters, 三才 keys: up to eight bytes) by packing
// their bytes into one word; longer texts by the standard hash.
struct ShortTextHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const {
    if (s.size() > 8) return std::hash<std::string_view>{}(s);
    uint64_t word = s.size();
    for (char c : s) word = (word << 8) | static_cast<unsigned char>(c);
    word ^= word >> 29;
    word *= 0xBF58476D1CE4E5B9ull;
    return static_cast<size_t>(word ^ (word >> 32));
  }
};

// Where ScoreName and the report take their verdicts from. Both implementations
// give identical answers for the same database.
class VerdictSource {
 public:
  virtual ~VerdictSource() = default;
  std::string NumberVerdict(int32_t number) const {
    std::string verdict;
    LookUpNumber(number, verdict);
    return verdict;
  }
  std::string TalentVerdict(std::string_view key) const {
    std::string verdict;
    LookUpTalent(key, verdict);
    return verdict;
  }
  // The same lookups writing into `verdict` (replacing its content), so that a
  // reused record costs no allocation.
  virtual void LookUpNumber(int32_t number, std::string& verdict) const = 0;
  virtual void LookUpTalent(std::string_view key, std::string& verdict) const = 0;
};

// Asks the database on every lookup. The connection must outlive the object;
// safe from any thread the connection accepts.
class DatabaseVerdicts final : public VerdictSource {
 public:
  explicit DatabaseVerdicts(refdata::DatabaseClass& db) : db_(db) {}
  void LookUpNumber(int32_t number, std::string& verdict) const override;
  void LookUpTalent(std::string_view key, std::string& verdict) const override;

 private:
  refdata::DatabaseClass& db_;
};

// Every verdict of HM_八一灵动数 and HM_三才配置 read once; lookups never touch
// the database afterwards. Where the tables hold the same Id or key twice, the
// first row in table order wins, as in a single-row query. Read-only after
// Load, so one table may serve several threads.
class VerdictTable final : public VerdictSource {
 public:
  // Reads both tables whole. A database that is not open gives an empty table
  // (every verdict empty).
  static VerdictTable Load(refdata::DatabaseClass& db);

  // Adds a row unless the number or key is already present.
  void AddNumber(int32_t number, std::string verdict);
  void AddTalent(std::string key, std::string verdict);

  void LookUpNumber(int32_t number, std::string& verdict) const override;
  void LookUpTalent(std::string_view key, std::string& verdict) const override;

 private:
  static constexpr int32_t kDenseNumbers = 256;  // grid numbers of real names stay far below
  std::array<std::string, kDenseNumbers> dense_;
  std::array<bool, kDenseNumbers> densePresent_{};
  std::unordered_map<int32_t, std::string> sparse_;
  std::unordered_map<std::string, std::string, ShortTextHash, std::equal_to<>> talents_;
};

// The engine's cached view of one HM_CNWord row.
struct CharInfo {
  std::string character;           // 汉字
  int32_t simplifiedStrokes = 0;   // 简体笔画数
  int32_t traditionalStrokes = 0;  // 繁体笔画数
  std::string element;             // 五行属性
};

// The run's character cache: a list of CharInfo records, found by character
// with the first record (from the front) whose character equals the wanted
// text byte for byte. Lookups go through a hash index, so they cost the same
// whatever the size. Not synchronized: fill it first, then read it from as
// many threads as needed.
class CharInfoTable {
 public:
  CharInfoTable() = default;
  // `count` blank records (empty character, 0 strokes, empty element).
  explicit CharInfoTable(size_t count) { Reset(count); }

  // Replaces the content with `count` blank records.
  void Reset(size_t count);
  // Sets the record at `position` (< size()).
  void Set(size_t position, CharInfo info);
  void Append(CharInfo info);

  // The first record holding `character`, or nullptr. Blank records are never found.
  const CharInfo* Find(std::string_view character) const;
  const CharInfo& at(size_t position) const { return records_.at(position); }
  size_t size() const { return records_.size(); }

 private:
  void RebuildIndex();

  std::vector<CharInfo> records_;
  std::unordered_map<std::string, size_t, ShortTextHash, std::equal_to<>> firstIndex_;
};

// Computes the grids, verdicts and score of `grid` from its character lists
// and the per-position values already filled in. Only the first two characters
// of each part count. 外格 by the character counts: 1+1 → 2; 1+2 and 2+1 →
// 总格 − 人格 + 1; 2+2 → 总格 − 人格. Parts of more than two characters are
// counted as two (the nearest row of that table); an empty part follows the
// two-character rules with its absent positions at 0.
void ComputeGrids(FiveGrid& grid, const VerdictSource& verdicts);

// The numerology of a name with strokes and elements from `table` (a character
// it does not hold counts 0 strokes and no element). The first form reuses the
// storage of `grid`, so a caller scoring many names with one record allocates
// nothing per name; every field is overwritten.
void ScoreName(std::string_view family, std::string_view given, const CharInfoTable& table,
               const VerdictSource& verdicts, FiveGrid& grid);
FiveGrid ScoreName(std::string_view family, std::string_view given, const CharInfoTable& table,
                   const VerdictSource& verdicts);

// The 81-number verdict of the 天格 of the family name alone (one character:
// its strokes + 1; two or more: the first two characters' strokes), strokes
// from `table`.
std::string SurnameSkyVerdict(std::string_view family, const CharInfoTable& table, const VerdictSource& verdicts);

// The report's stroke source: the HM_CNWord row of one character. The row
// counts (`valid`) only when its 五行属性 is not empty and its 简体笔画数 is not
// 0; otherwise the strokes are 0 and the element empty. `record` is the row as
// read (found == false when there is none), for the report's further columns.
struct StrokeSource {
  int32_t simplifiedStrokes = 0;
  int32_t traditionalStrokes = 0;
  std::string element;
  bool valid = false;
  refdata::CharRecord record;
};
StrokeSource LookupStrokeSource(refdata::DatabaseClass& db, std::string_view character);

// The report's numerology: strokes by LookupStrokeSource for each position,
// with one rule of the report alone: when the family name is exactly 于 its
// traditional count is replaced by its simplified count. `sources`, when given,
// receives the four positions' rows (absent positions stay default).
FiveGrid ComputeReportGrid(refdata::DatabaseClass& db, std::string_view family, std::string_view given,
                           const VerdictSource& verdicts,
                           std::array<StrokeSource, kPositionCount>* sources = nullptr);

}  // namespace babyname::analysis
