#include "analysis/html_page.h"
#include "analysis/templates/templates.h"

namespace babyname::analysis {
namespace {

constexpr const char* kSurnamePage = R"(<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>百家姓_{姓氏}</title>
</head>
<body bgcolor="#FFFFEC" style="margin: 30px 30px 30px 30px">
<font color="#FF0000" size="5"><b>{姓氏}</b></font><br>
<br>
<b>姓氏起源</b>： <br>{姓氏起源}<br>
<br>
<b>分布地域</b>： <br>{聚集地}<br>
<br>
<b>历史名人</b>： <br>{历史名人}
</body>
</html>
)";

}  // namespace

const std::string& SurnamePageTemplate() {
  static const std::string page = GbkCrLf(kSurnamePage);
  return page;
}

}  // namespace babyname::analysis
