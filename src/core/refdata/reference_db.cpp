#include "refdata/reference_db.h"

#include <utility>

#include "text/gbk.h"

namespace babyname::refdata {
namespace {

FieldDefinition Int(std::string_view name) { return {text::Gbk(name), kInteger, 10, 0, {}}; }
FieldDefinition Var(std::string_view name, int32_t size) { return {text::Gbk(name), kVarChar, size, 0, {}}; }

std::vector<TableDefinition> MakeTables() {
  std::vector<TableDefinition> t;
  t.push_back({"HM_CNWord",
               {Int("Id"), Int("code"), Var("汉字", 2), Var("简体", 2), Var("繁体", 2), Int("简体笔画数"),
                Int("繁体笔画数"), Var("拼音1", 20), Var("拼音2", 20), Var("声母", 1), Var("韵母", 3),
                Var("部首", 1), Var("五行属性", 2), Var("五笔", 4), Var("基本解释", 700), Var("详细解释", 700)}});
  t.push_back({text::Gbk("HM_三才配置"),
               {Int("Id"), Var("三才", 6), Var("吉凶", 4), Var("解释一", 140), Var("解释二", 80), Var("总论", 92),
                Var("性格", 200), Var("意志", 100), Var("事业", 100), Var("家庭", 100), Var("婚姻", 100),
                Var("子女", 100), Var("社交", 100), Var("精神", 100), Var("财运", 100), Var("健康", 100),
                Var("老运", 100), Var("对基础运的影响", 100), Var("对成功运的影响", 100),
                Var("对人际关系的影响", 100), Var("对性格的影响", 150)}});
  t.push_back({text::Gbk("HM_八一灵动数"),
               {Int("Id"), Var("吉凶", 4), Var("解释一", 100), Var("解释二", 100), Var("解释三", 1000),
                Var("基业", 1000), Var("家庭", 1000), Var("健康", 1000), Var("含义", 1000), Var("数理暗示", 1000)}});
  t.push_back({"HM_EName",
               {Int("Id"), Var("EIndex", 1), Var("EIndex2", 2), Var("Name", 20), Var("NameLength", 10), Int("Sex"),
                Var("Cnword", 50), Var("Morphology", 20), Var("Languag", 20), Var("Mean", 20)}});
  t.push_back({"HM_Poet", {Int("Id"), Var("Poet", 10), Var("PoemCount", 10), Int("OrderId")}});
  t.push_back({text::Gbk("HM_全唐诗"),
               {Int("Id"), Var("标题", 30), Var("作者", 10), Var("内容", 1000), Var("首字母", 400), Int("内容长度")}});
  // The two article libraries share one layout; their key is spelled "ID".
  const std::vector<FieldDefinition> articles = {Int("ID"), Var("分类ID", 50), Var("分类标题", 20), Var("标题", 100),
                                                 Var("内容", 2000)};
  t.push_back({text::Gbk("HM_育儿百科"), articles});
  t.push_back({text::Gbk("HM_算命风水"), articles});
  t.push_back({text::Gbk("HM_百家姓"),
               {Int("Id"), Var("姓", 8), Var("姓氏起源", 1000), Var("聚集地", 1000), Var("历史名人", 1000)}});
  return t;
}

}  // namespace

const std::vector<TableDefinition>& ReferenceTables() {
  static const std::vector<TableDefinition> tables = MakeTables();
  return tables;
}

Status LoadReferenceDatabase(DatabaseClass& db, const std::filesystem::path& dataFolder) {
  if (!db.Open()) return Status::Error(text::Gbk("打开内存数据库失败！"));

  std::string error;
  for (const TableDefinition& table : ReferenceTables()) {
    if (!db.CreateTable(table.name, table.fields, &error)) {
      db.Close();
      return Status::Error(error);
    }
  }

  // The connection was opened without the create flag, so a missing file
  // fails here instead of leaving an empty database behind.
  if (!db.Attach(dataFolder / kReferenceFileName, "new_db")) {
    db.Close();
    return Status::Error(text::Gbk("将磁盘数据库附加到内存数据库失败！"));
  }

  db.Begin();
  for (const TableDefinition& table : ReferenceTables()) {
    if (!db.Exec("insert into " + table.name + " select * from new_db." + table.name, &error)) {
      db.Rollback();
      db.Close();
      return Status::Error(error);
    }
  }
  db.Commit();
  db.Detach("new_db");

  // Indexes serve the per-character, per-number and per-key lookups; their
  // outcome does not matter for the load.
  db.Exec(text::Gbk("CREATE INDEX NewIndex1 on HM_CNWord(汉字 ASC)"));
  db.Exec(text::Gbk("CREATE INDEX NewIndex2 on HM_八一灵动数(Id ASC)"));
  db.Exec(text::Gbk("CREATE INDEX NewIndex3 on HM_三才配置(三才 ASC)"));
  return Status::Ok();
}

CharRecord LookupCharacter(DatabaseClass& db, std::string_view hanzi) {
  static const std::string sql = text::Gbk("select * from HM_CNWord where 汉字=?");
  StatementGuard row(db, db.Query(sql, {std::string(hanzi)}));
  CharRecord r;
  r.found = !row.Text(kCharHanzi).empty();
  if (!r.found) return r;
  r.id = row.Int(kCharId);
  r.code = row.Int(kCharCode);
  r.hanzi = row.Text(kCharHanzi);
  r.simplified = row.Text(kCharSimplified);
  r.traditional = row.Text(kCharTraditional);
  r.simplifiedStrokes = row.Int(kCharSimplifiedStrokes);
  r.traditionalStrokes = row.Int(kCharTraditionalStrokes);
  r.pinyin1 = row.Text(kCharPinyin1);
  r.pinyin2 = row.Text(kCharPinyin2);
  r.initial = row.Text(kCharInitial);
  r.final = row.Text(kCharFinal);
  r.radical = row.Text(kCharRadical);
  r.element = row.Text(kCharElement);
  r.wubi = row.Text(kCharWubi);
  r.basicExplanation = row.Text(kCharBasicExplanation);
  r.detailedExplanation = row.Text(kCharDetailedExplanation);
  return r;
}

}  // namespace babyname::refdata
