#include "analysis/html_page.h"
#include "analysis/templates/templates.h"

namespace babyname::analysis {
namespace {

// The name report. Blocks, top to bottom: characters and grids, the note, the
// five grids, the three talents, their influences, the hints of the grid
// numbers and the summary; each a centred table, a spacer between them.
constexpr const char* kReportPage = R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>名字评分</title>
<style type="text/css">
body { margin: 8px 0; padding: 0; background: #FFFFFF; }
div, td { font-size: 14px; color: #000000; line-height: 26px; }
.tablebgcolor { background: #BBAC85; width: 96%; }
.tablebgcolor1 { background: #C9BE9E; width: 96%; }
.tablebgcolor2 { background: #D8CFB4; width: 96%; }
.tablebgcolor3 { background: #A8C2DA; width: 96%; }
.tablebgcolor4 { background: #B7D3A8; width: 96%; }
.tablebgcolor5 { background: #E0B4A8; width: 96%; }
.tablebgcolor6 { background: #CCCCCC; width: 96%; }
.tablebgcolor7 { background: #E8E0C8; width: 100%; }
.tdbgcolor { background: #FDFBF2; padding-left: 5px; }
.tdbgcolor1 { background: #F6F1E0; padding-left: 5px; }
.tdbgcolor2 { background: #EEF4FA; padding-left: 5px; }
.tdbgcolor3 { background: #FFFFFF; padding-left: 5px; }
.fontcolor1 { color: #000000; font-size: 18px; font-weight: bold; }
.fontcolor2 { color: #8C7A4B; font-weight: bold; }
.fontcolor3 { color: #FF0000; }
.div1 { width: 96%; margin: 0 auto; text-align: left; }
.input1 { border: 1px solid #BBAC85; height: 20px; font-size: 14px; }
.divh { height: 8px; font-size: 1px; line-height: 1px; overflow: hidden; }
.divh1 { height: 4px; font-size: 1px; line-height: 1px; overflow: hidden; }
.divh2 { height: 12px; font-size: 1px; line-height: 1px; overflow: hidden; }
.sy { display: inline; font-size: 1px; float: right; overflow: hidden; width: 1px; height: 1px; color: #f6f6f6; }
.red12 { font-size: 12px; color: #CC0000; }
.gray12 { font-size: 12px; color: #888888; }
.blue12 { font-size: 12px; color: #1F4E96; }
.red14 { font-size: 14px; color: #CC0000; }
.gray14 { font-size: 14px; color: #888888; }
.blue14 { font-size: 14px; color: #1F4E96; }
</style>
</head>
<body>
<table class="tablebgcolor" align="center" cellspacing="1" cellpadding="0">
  <tr class="tdbgcolor">
    <td width="58%">
      <table width="100%" border="0" cellspacing="0" cellpadding="0">
        <tr style="color: #ababab">
          <td></td><td>繁体</td><td>拼音</td><td>简体笔划</td><td>康熙笔划</td><td>字意五行</td>
        </tr>
        <tr>
          <td class="fontcolor1">{简体姓氏1}</td><td style="color: #aaaaaa">{繁体姓氏1}</td><td style="color: #aaaaaa">{姓氏1拼音}</td><td>{简体姓氏1笔划}</td><td>{繁体姓氏1笔划}</td><td>{姓氏1五行}</td>
        </tr>
        <tr>
          <td class="fontcolor1">{简体姓氏2}</td><td style="color: #aaaaaa">{繁体姓氏2}</td><td style="color: #aaaaaa">{姓氏2拼音}</td><td>{简体姓氏2笔划}</td><td>{繁体姓氏2笔划}</td><td>{姓氏2五行}</td>
        </tr>
        <tr>
          <td class="fontcolor1">{简体名字1}</td><td style="color: #aaaaaa">{繁体名字1}</td><td style="color: #aaaaaa">{名字1拼音}</td><td>{简体名字1笔划}</td><td>{繁体名字1笔划}</td><td>{名字1五行}</td>
        </tr>
        <tr>
          <td class="fontcolor1">{简体名字2}</td><td style="color: #aaaaaa">{繁体名字2}</td><td style="color: #aaaaaa">{名字2拼音}</td><td>{简体名字2笔划}</td><td>{繁体名字2笔划}</td><td>{名字2五行}</td>
        </tr>
      </table>
    </td>
    <td width="21%">
      <p>天格-&gt; {天格}({天格五行})</p>
      <p>人格-&gt; {人格}({人格五行})</p>
      <p>地格-&gt; {地格}({地格五行})</p>
    </td>
    <td width="21%">
      <p>外格-&gt; {外格}({外格五行})</p>
      <p>　</p>
      <p>总格-&gt; {总格}({总格五行})</p>
    </td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" align="center" cellspacing="1" cellpadding="0">
  <tr class="tdbgcolor">
    <td style="color: #ababab; font-size: 12px">说明：五格剖象法所用字的笔划以《康熙字典》为准,不能按简体字的笔画数去计算。特别注意的是,如果名字分数低或评价为凶,一旦使用,能冲破命象则能异于常人、大富大贵、高高在上,如冲不破,则可能一生坎坷,能冲破的人毕竟是少数,这就是为什么个别“名人”的名字测下来分数反而很低的原因,他们靠后天的不断努力及机遇压制了命理的限制.而分数高,命理好,则能少走很多弯路,更容易成功。本方法测命理只供参考,切勿影响生活!<span class="sy">[ 结果来源于： 安芽宝宝取名软件 ]</span></td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" align="center" cellspacing="1" cellpadding="0">
  <tr class="tdbgcolor">
    <td><span class="fontcolor1">天格{天格}的解析：</span>天格数是先祖留传下来的，其数理对人影响不大。（由于姓是固定的，所以天格也是固定的，不论凶吉都无法改)</td>
  </tr>
  <tr class="tdbgcolor">
    <td>{天格总论}（<font color="#FF0000">{天格吉凶}</font>）</td>
  </tr>
  <tr class="tdbgcolor">
    <td> → 详细解释：<br>{天格释义}</td>
  </tr>
  <tr class="tdbgcolor">
    <td><span class="fontcolor1">人格{人格}的解析：</span>人格数又称主运，是整个姓名的中心点，影响人的一生命运。</td>
  </tr>
  <tr class="tdbgcolor">
    <td>{人格总论}（<font color="#FF0000">{人格吉凶}</font>）</td>
  </tr>
  <tr class="tdbgcolor">
    <td> → 详细解释：<br>{人格释义}</td>
  </tr>
  <tr class="tdbgcolor">
    <td><span class="fontcolor1">地格{地格}的解析：</span>地格数又称前运，影响人中年（36岁）以前的活动力。</td>
  </tr>
  <tr class="tdbgcolor">
    <td>{地格总论}（<font color="#FF0000">{地格吉凶}</font>）</td>
  </tr>
  <tr class="tdbgcolor">
    <td> → 详细解释：<br>{地格释义}</td>
  </tr>
  <tr class="tdbgcolor">
    <td><span class="fontcolor1">总格{总格}的解析：</span>总格又称后运，影响人中年（36岁）以后的命运。</td>
  </tr>
  <tr class="tdbgcolor">
    <td>{总格总论}（<font color="#FF0000">{总格吉凶}</font>）</td>
  </tr>
  <tr class="tdbgcolor">
    <td> → 详细解释：<br>{总格释义}</td>
  </tr>
  <tr class="tdbgcolor">
    <td><span class="fontcolor1">外格{外格}的解析：</span>外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。</td>
  </tr>
  <tr class="tdbgcolor">
    <td>{外格总论}（<font color="#FF0000">{外格吉凶}</font>）</td>
  </tr>
  <tr class="tdbgcolor">
    <td> → 详细解释：<br>{外格释义}</td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" align="center" cellspacing="1" cellpadding="0">
  <tr class="tdbgcolor">
    <td><span class="fontcolor1">对三才数理的影响：</span>您的姓名三才配置为：{三才}。它具有如下数理诱导力，据此会对人生产生一定的影响。</td>
  </tr>
  <tr class="tdbgcolor">
    <td>{三才总论}（<font color="#FF0000">{三才吉凶}</font>）</td>
  </tr>
  <tr class="tdbgcolor">
    <td> → 详细解释：<br>{三才释义}<br></td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" align="center" cellspacing="1" cellpadding="0">
  <tr class="tdbgcolor">
    <td>对基础运的影响</td><td>{基础运}</td>
  </tr>
  <tr class="tdbgcolor">
    <td>对成功运的影响</td><td>{成功运}</td>
  </tr>
  <tr class="tdbgcolor">
    <td>对人际关系的影响</td><td>{人际关系}</td>
  </tr>
  <tr class="tdbgcolor">
    <td width="20%">对性格的影响</td><td>{性格}</td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" align="center" cellspacing="1" cellpadding="0">
  <tr class="tdbgcolor">
    <td width="20%">天格{天格}有以下数理暗示</td><td>{天格数理暗示}</td>
  </tr>
  <tr class="tdbgcolor">
    <td width="20%">人格{人格}有以下数理暗示</td><td>{人格数理暗示}</td>
  </tr>
  <tr class="tdbgcolor">
    <td>地格{地格}有以下数理暗示</td><td>{地格数理暗示}</td>
  </tr>
  <tr class="tdbgcolor">
    <td>总格{总格}有以下数理暗示</td><td>{总格数理暗示}</td>
  </tr>
  <tr class="tdbgcolor">
    <td>外格{外格}有以下数理暗示</td><td>{外格数理暗示}</td>
  </tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" align="center" cellspacing="1" cellpadding="0">
  <tr class="tdbgcolor">
    <td>总评及建议：<br>&nbsp;&nbsp;{总分建议}</td>
    <td width="40%">姓名五格评分：<span class="fontcolor3" style="font-size: 24px; font-family: Arial"><b>{评分总分}</b> 分</span></td>
  </tr>
</table>
<div class="divh"></div>
</body>
</html>
)";

}  // namespace

const std::string& ReportTemplate() {
  static const std::string page = GbkCrLf(kReportPage);
  return page;
}

}  // namespace babyname::analysis
