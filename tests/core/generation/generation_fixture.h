// Shared by the generation tests: a reference database made from a fixture,
// loaded the way the program loads it, and an observer that records a run.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "generation/engine.h"
#include "generation/pools.h"
#include "refdata/reference_db.h"
#include "support/fixture_db.h"
#include "support/gbk_literal.h"
#include "text/characters.h"

namespace babyname::testing {

// Fills every grid number 1..200 and every three-talent key with one verdict,
// so that every name whose characters are found scores alike.
inline void AddUniformVerdicts(FixtureDb& f, std::string_view verdict, int from = 1, int to = 200) {
  for (int n = from; n <= to; ++n) f.AddNumber(n, verdict);
  const char* elements[] = {"金", "木", "水", "火", "土"};
  for (const char* a : elements)
    for (const char* b : elements)
      for (const char* c : elements) f.AddTalent(std::string(a) + b + c, verdict);
}

// Every character of both built-in pools, with strokes and elements spread by
// position, and verdicts that vary with the number (every 9th 凶, every 11th
// 中; three-talent keys 中 when the first and last element agree, else 吉), so
// that scores spread too.
struct PoolCharacter {
  int traditional;
  std::string element;  // UTF-8
};

inline std::map<std::string, PoolCharacter> FillPoolCharacters(FixtureDb& f) {
  static const std::vector<std::string> kElements = {"金", "木", "水", "火", "土"};
  std::map<std::string, PoolCharacter> characters;
  int i = 0;
  for (const std::string& c : text::SplitCharacters(generation::NicknamePool())) {
    const std::string utf8 = U(c);
    if (characters.count(utf8)) continue;
    const int traditional = 3 + (i * 7) % 22;
    const std::string& element = kElements[static_cast<size_t>(i) % kElements.size()];
    f.AddCharacter(utf8, traditional - 1, traditional, element);
    characters[utf8] = {traditional, element};
    ++i;
  }
  for (int n = 1; n <= 200; ++n) f.AddNumber(n, n % 9 == 0 ? "凶" : n % 11 == 0 ? "中" : "大吉");
  for (const auto& a : kElements)
    for (const auto& b : kElements)
      for (const auto& c : kElements) f.AddTalent(a + b + c, a == c ? "中" : "吉");
  return characters;
}

class LoadedFixture {
 public:
  explicit LoadedFixture(const std::function<void(FixtureDb&)>& fill) {
    {
      FixtureDb fixture(folder_.path());
      fixture.Exec("begin");  // one write instead of one per row
      fill(fixture);
      fixture.FillEmptyTables();
      fixture.Exec("commit");
    }
    const Status status = refdata::LoadReferenceDatabase(db_, folder_.path());
    EXPECT_TRUE(status.ok()) << U(status.message());
  }
  refdata::DatabaseClass& db() { return db_; }

 private:
  TempFolder folder_;
  refdata::DatabaseClass db_;
};

class RecordingObserver : public generation::RunObserver {
 public:
  void OnMessage(const generation::RunMessage& message) override { messages.push_back(U(message.text)); }
  void OnCandidatesReady() override { ++candidatesReady; }
  void OnRowAccepted(const generation::NameResultRow& row) override { accepted.push_back(row); }
  void OnFirstRowAccepted() override {
    ++firstRow;
    acceptedBeforeFirstRow = accepted.size();
  }
  void OnFinished(const generation::RunResult&) override { ++finished; }

  std::vector<std::string> messages;  // UTF-8
  std::vector<generation::NameResultRow> accepted;
  int candidatesReady = 0;
  int firstRow = 0;
  size_t acceptedBeforeFirstRow = 0;
  int finished = 0;
};

// The 姓名 column of every row, as UTF-8.
inline std::vector<std::string> Names(const std::vector<generation::NameResultRow>& rows) {
  std::vector<std::string> names;
  for (const auto& row : rows) names.push_back(U(row.name));
  return names;
}

inline generation::RunResult Run(refdata::DatabaseClass& db, const generation::RunInput& input,
                                 RecordingObserver& observer) {
  generation::RunControl control;
  return generation::GenerateNames(db, input, observer, control);
}

}  // namespace babyname::testing
