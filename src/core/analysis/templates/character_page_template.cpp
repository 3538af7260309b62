#include "analysis/html_page.h"
#include "analysis/templates/templates.h"

namespace babyname::analysis {
namespace {

constexpr const char* kCharacterPage = R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<meta http-equiv="Content-Language" content="zh-cn">
<title>{汉字}</title>
<style type="text/css">
body {
  font-size: 12px;
  font-family: 宋体;
  border-top: 2px solid #B9C6E3;
  margin: 0;
}
a:link, a:visited { color: #4a4a48; text-decoration: none; }
a:hover { color: #0482C6; text-decoration: underline; }
td {
  font-size: 14px;
  color: #3C3C3C;
  line-height: 20px;
}
.font_14 {
  font-size: 22px;
  line-height: 130%;
}
.font_22 {
  font-size: 52px;
  color: #FF0000;
  line-height: 130%;
}
hr { border: 0; border-top: 1px dashed #C9D2E6; height: 1px; }
</style>
</head>
<body bgcolor="#FFFFEC">
<table width="580" border="0" align="center" cellpadding="0" cellspacing="0">
  <tr>
    <td colspan="2" height="12"></td>
  </tr>
  <tr>
    <td width="90" align="center" valign="middle" class="font_22">{汉字}</td>
    <td valign="middle">
      <table width="100%" border="0" cellpadding="4" cellspacing="0" bgcolor="#E7ECF8">
        <tr>
          <td width="20%">拼音：</td>
          <td width="30%" class="font_14">{拼音}</td>
          <td width="20%">简体笔划：</td>
          <td width="30%">{简体笔划}</td>
        </tr>
        <tr>
          <td>部首：</td>
          <td>{部首}</td>
          <td>繁体笔划：</td>
          <td>{繁体笔划}</td>
        </tr>
      </table>
    </td>
  </tr>
  <tr>
    <td colspan="2">
      <br><b>基本解释</b>：
      <hr>
      {基本解释}
      <br><br><b>详细解释</b>：
      <hr>
      {详细解释}
      <br><br>
    </td>
  </tr>
</table>
</body>
</html>
)";

}  // namespace

const std::string& CharacterPageTemplate() {
  static const std::string page = GbkCrLf(kCharacterPage);
  return page;
}

}  // namespace babyname::analysis
