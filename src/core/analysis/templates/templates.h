// The fixed page templates, as GBK texts with CR LF lines declaring charset
// gb2312. Placeholders are words in braces ({天格}, {汉字} ...) that the page
// builders replace. Each text is made once and stays valid for the run.
#pragma once

#include <string>

namespace babyname::analysis {

// The name report: 64 placeholders, filled by FillReportTemplate.
const std::string& ReportTemplate();
// A character's dictionary page: {汉字} (twice), {拼音}, {简体笔划}, {部首},
// {繁体笔划}, {基本解释}, {详细解释}.
const std::string& CharacterPageTemplate();
// A family name's page: {姓氏} (twice), {姓氏起源}, {聚集地}, {历史名人}.
const std::string& SurnamePageTemplate();

}  // namespace babyname::analysis
