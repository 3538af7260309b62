#!/usr/bin/env python3
"""Checks content/surnames.tsv: header, classic list order, the common modern
family names, no duplicates, no empty field, no TAB or line break, GBK-encodable
texts, origin length 40-150 characters.

Usage: check_surnames.py [path-to-surnames.tsv]
Exit code 0 when every check passes.
"""
import sys
from pathlib import Path

HEADER = ["姓", "姓氏起源", "聚集地", "历史名人"]

# The classic family-name list, in its order (single names, then the compound
# section, which also holds some single names).
CLASSIC_SINGLE = (
    "赵钱孙李周吴郑王冯陈褚卫蒋沈韩杨朱秦尤许何吕施张孔曹严华金魏陶姜"
    "戚谢邹喻柏水窦章云苏潘葛奚范彭郎鲁韦昌马苗凤花方俞任袁柳酆鲍史唐"
    "费廉岑薛雷贺倪汤滕殷罗毕郝邬安常乐于时傅皮卞齐康伍余元卜顾孟平黄"
    "和穆萧尹姚邵湛汪祁毛禹狄米贝明臧计伏成戴谈宋茅庞熊纪舒屈项祝董梁"
    "杜阮蓝闵席季麻强贾路娄危江童颜郭梅盛林刁钟徐邱骆高夏蔡田樊胡凌霍"
    "虞万支柯昝管卢莫经房裘缪干解应宗丁宣贲邓郁单杭洪包诸左石崔吉钮龚"
    "程嵇邢滑裴陆荣翁荀羊於惠甄曲家封芮羿储靳汲邴糜松井段富巫乌焦巴弓"
    "牧隗山谷车侯宓蓬全郗班仰秋仲伊宫宁仇栾暴甘钭厉戎祖武符刘景詹束龙"
    "叶幸司韶郜黎蓟薄印宿白怀蒲邰从鄂索咸籍赖卓蔺屠蒙池乔阴鬱胥能苍双"
    "闻莘党翟谭贡劳逄姬申扶堵冉宰郦雍郤璩桑桂濮牛寿通边扈燕冀郏浦尚农"
    "温别庄晏柴瞿阎充慕连茹习宦艾鱼容向古易慎戈廖庾终暨居衡步都耿满弘"
    "匡国文寇广禄阙东欧殳沃利蔚越夔隆师巩厍聂晁勾敖融冷訾辛阚那简饶空"
    "曾毋沙乜养鞠须丰巢关蒯相查后荆红游竺权逯盖益桓公"
)
CLASSIC_TAIL = (
    "万俟 司马 上官 欧阳 夏侯 诸葛 闻人 东方 赫连 皇甫 尉迟 公羊 澹台 公冶 "
    "宗政 濮阳 淳于 单于 太叔 申屠 公孙 仲孙 轩辕 令狐 钟离 宇文 长孙 慕容 "
    "鲜于 闾丘 司徒 司空 亓官 司寇 仉 督 子车 颛孙 端木 巫马 公西 漆雕 乐正 "
    "壤驷 公良 拓跋 夹谷 宰父 谷梁 晋 楚 闫 法 汝 鄢 涂 钦 段干 百里 东郭 "
    "南门 呼延 归海 羊舌 微生 岳 帅 缑 亢 况 郈 有 琴 梁丘 左丘 东门 西门 "
    "商 牟 佘 佴 伯 赏 南宫 墨 哈 谯 笪 年 爱 阳 佟 第五 言 福"
).split()
CLASSIC = list(CLASSIC_SINGLE) + CLASSIC_TAIL

# The family names most common today (about the first hundred by
# household register counts).
MODERN_TOP = (
    "王李张刘陈杨黄赵吴周徐孙马朱胡郭何林高罗郑梁谢宋唐许韩邓冯曹彭曾肖田"
    "董潘袁蔡蒋余于杜叶程魏苏吕丁任卢姚沈钟姜崔谭陆范汪廖石金韦贾夏付方"
    "邹熊白孟秦邱侯江尹薛闫段雷龙黎史陶贺毛郝顾龚邵万覃武钱戴严欧莫孔向"
    "常汤康易乔赖文"
)


def main():
    path = Path(sys.argv[1]) if len(sys.argv) > 1 else \
        Path(__file__).resolve().parents[3] / "content" / "surnames.tsv"
    errors = []
    rows = []
    header = None
    for n, raw in enumerate(path.read_text(encoding="utf-8").split("\n"), 1):
        line = raw.rstrip("\r")
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if header is None:
            header = fields
            if fields != HEADER:
                errors.append(f"line {n}: header {fields}")
            continue
        if len(fields) != 4:
            errors.append(f"line {n}: {len(fields)} fields")
            continue
        for name, value in zip(HEADER, fields):
            if not value.strip():
                errors.append(f"line {n}: empty {name}")
            try:
                value.encode("gbk")
            except UnicodeEncodeError as e:
                errors.append(f"line {n}: {name} not GBK: {value[e.start:e.end]!r}")
        length = len(fields[1])
        if not 40 <= length <= 150:
            errors.append(f"line {n} {fields[0]}: origin has {length} characters")
        rows.append(fields)

    names = [r[0] for r in rows]
    seen = set()
    for name in names:
        if name in seen:
            errors.append(f"duplicate {name}")
        seen.add(name)
    if names[:len(CLASSIC)] != CLASSIC[:len(names)]:
        for i, (a, b) in enumerate(zip(names, CLASSIC)):
            if a != b:
                errors.append(f"row {i + 1}: {a} where the classic list has {b}")
                break
    missing_classic = [c for c in CLASSIC if c not in seen]
    missing_modern = [c for c in MODERN_TOP if c not in seen]
    uncertain = sum(1 for r in rows if "说法不一" in r[1] or "不详" in r[1]
                    or "不明" in r[1] or "待考" in r[1])

    print(f"rows: {len(rows)} (classic list {len(CLASSIC)}, "
          f"common modern names {len(set(MODERN_TOP))})")
    print(f"origin marked uncertain: {uncertain}")
    if missing_classic:
        print(f"classic names missing ({len(missing_classic)}): "
              + " ".join(missing_classic))
    if missing_modern:
        print(f"modern names missing ({len(missing_modern)}): "
              + " ".join(missing_modern))
    for e in errors:
        print("ERROR", e)
    return 1 if errors or missing_classic or missing_modern else 0


if __name__ == "__main__":
    sys.exit(main())
