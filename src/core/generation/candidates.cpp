#include "generation/candidates.h"

#include <utility>

#include "refdata/reference_db.h"
#include "text/gbk.h"

namespace babyname::generation {

uint32_t CandidateList::AddUnit(std::string text) {
  units_.push_back(std::move(text));
  return static_cast<uint32_t>(units_.size() - 1);
}

void CandidateList::AddProduct(std::vector<uint32_t> first, std::vector<uint32_t> second) {
  if (first.empty() || second.empty()) return;
  blocks_.push_back({true, std::move(first), std::move(second)});
}

void CandidateList::AddSequence(std::vector<uint32_t> first, std::vector<uint32_t> second) {
  if (first.empty()) return;
  if (!second.empty()) second.resize(first.size(), kNoUnit);
  blocks_.push_back({false, std::move(first), std::move(second)});
}

uint64_t CandidateList::size() const {
  uint64_t n = 0;
  for (const Block& block : blocks_)
    n += block.product ? uint64_t{block.first.size()} * block.second.size() : block.first.size();
  return n;
}

void CandidateList::TextOf(uint32_t a, uint32_t b, std::string& out) const {
  out.assign(units_[a]);
  if (b != kNoUnit) out.append(units_[b]);
}

std::vector<std::string> CandidateList::Texts() const {
  std::vector<std::string> texts;
  std::string text;
  ForEach([&](uint32_t a, uint32_t b) {
    TextOf(a, b, text);
    texts.push_back(text);
    return true;
  });
  return texts;
}

void RunState::Reset(std::vector<std::string> entries) {
  pool = std::move(entries);
  table.Reset(pool.size());
  candidates = CandidateList();
  candidates.SetUnits(pool);
  loaded.assign(pool.size(), false);
}

void CharacterLoader::Preload(const std::vector<std::string>& characters) {
  constexpr size_t kBatch = 500;  // well below the engine's limit of bound values
  std::vector<refdata::SqlValue> batch;
  auto flush = [&] {
    if (batch.empty()) return;
    // Only placeholders are joined into the text; the characters are bound.
    std::string sql = text::Gbk("select 1, 汉字, 简体笔画数, 繁体笔画数, 五行属性 from HM_CNWord where 汉字 in (");
    for (size_t i = 0; i < batch.size(); ++i) sql += i == 0 ? "?" : ",?";
    sql += ") order by rowid";
    refdata::StatementGuard row(db_, db_.Query(sql, batch));
    for (bool more = row.Int(0) == 1; more; more = row.Next()) {
      analysis::CharInfo info;
      info.character = row.Text(1);
      info.simplifiedStrokes = row.Int(2);
      info.traditionalStrokes = row.Int(3);
      info.element = row.Text(4);
      const std::string key = info.character;
      seen_.try_emplace(key, std::move(info));  // the first row of a character wins
    }
    batch.clear();
  };
  std::unordered_map<std::string, bool> asked;
  for (const std::string& character : characters) {
    if (character.empty() || seen_.count(character) || !asked.emplace(character, true).second) continue;
    batch.emplace_back(character);
    if (batch.size() == kBatch) flush();
  }
  flush();
}

analysis::CharInfo CharacterLoader::Load(const std::string& character) {
  if (auto it = seen_.find(character); it != seen_.end()) return it->second;
  static const std::string sql = text::Gbk("select * from HM_CNWord where 汉字=?");
  analysis::CharInfo info;
  info.character = character;
  {
    refdata::StatementGuard row(db_, db_.Query(sql, {character}));
    info.simplifiedStrokes = row.Int(refdata::kCharSimplifiedStrokes);
    info.traditionalStrokes = row.Int(refdata::kCharTraditionalStrokes);
    info.element = row.Text(refdata::kCharElement);
  }
  seen_.emplace(character, info);
  return info;
}

bool IsUsable(const analysis::CharInfo& info) { return !info.element.empty() && info.simplifiedStrokes != 0; }

bool LoadCharInfo(RunState& state, CharacterLoader& loader, size_t position) {
  analysis::CharInfo info = loader.Load(state.pool[position]);
  const bool usable = IsUsable(info);
  state.table.Set(position, std::move(info));
  state.loaded[position] = true;
  return usable;
}

void AddScoringLookup(RunState& state, CharacterLoader& loader, const std::string& character) {
  if (character.empty()) return;
  state.table.Append(loader.Load(character));
}

RunMessage OneCharacterMessage() {
  return {text::Gbk("一字名数理得分较低,所以软件自动降低评分标准!"), MessageIcon::kInformation};
}

bool BuildPairCandidates(RunState& state, CharacterLoader& loader, int count,
                         const GenerationCharacterSetting& generation, RunObserver& observer, RunControl& control) {
  if (count != 2) observer.OnMessage(OneCharacterMessage());
  loader.Preload(state.pool);
  std::vector<uint32_t> usable;
  for (size_t i = 0; i < state.pool.size(); ++i) {
    if (!control.Checkpoint()) return false;
    if (LoadCharInfo(state, loader, i)) usable.push_back(static_cast<uint32_t>(i));
  }
  CandidateList& list = state.candidates;
  if (count != 2) {
    list.AddSequence(std::move(usable));
  } else if (generation.SecondInForce()) {
    list.AddProduct({list.AddUnit(generation.secondCharacter)}, std::move(usable));
  } else if (generation.ThirdInForce()) {
    list.AddProduct(std::move(usable), {list.AddUnit(generation.thirdCharacter)});
  } else {
    std::vector<uint32_t> every(state.pool.size());
    for (size_t i = 0; i < every.size(); ++i) every[i] = static_cast<uint32_t>(i);
    list.AddProduct(std::move(usable), std::move(every));
  }
  return true;
}

}  // namespace babyname::generation
