#!/usr/bin/env python3
"""Writes content/three_talents.tsv from the phrase tables and verdicts here.

Usage: make_three_talents.py [output file]
Rerun after editing phrases.py or verdicts.py and commit the table with them.
"""
import itertools
import pathlib
import sys

import phrases
import verdicts

ELEMENTS = "金木水火土"
FEEDS = {"木": "火", "火": "土", "土": "金", "金": "水", "水": "木"}
RESTRAINS = {"木": "土", "土": "水", "水": "火", "火": "金", "金": "木"}
HEADER = ("三才 吉凶 解释一 解释二 总论 性格 意志 事业 家庭 婚姻 子女 社交 精神 "
          "财运 健康 老运 对基础运的影响 对成功运的影响 对人际关系的影响 对性格的影响").split()
ASPECTS = HEADER[5:]

# How favourable each relation is to the person; used only to choose the
# concessive closing words when the traditional verdict says otherwise.
TR_WEIGHT = {"gd": 2, "s": 1, "gu": 0, "cu": -1, "cd": -2}
RD_WEIGHT = {"fed": 2, "s": 1, "feed": 0, "rule": -1, "hit": -2}


def heaven_relation(t, r):
    if t == r:
        return "s"
    if FEEDS[t] == r:
        return "gd"
    if FEEDS[r] == t:
        return "gu"
    if RESTRAINS[t] == r:
        return "cd"
    return "cu"


def ground_relation(r, d):
    if r == d:
        return "s"
    if FEEDS[d] == r:
        return "fed"
    if FEEDS[r] == d:
        return "feed"
    if RESTRAINS[d] == r:
        return "hit"
    return "rule"


def row(t, r, d):
    key = t + r + d
    verdict = verdicts.verdict(key)
    tr, rd = heaven_relation(t, r), ground_relation(r, d)
    leaning = TR_WEIGHT[tr] + RD_WEIGHT[rd]
    against = (verdict in ("大吉", "吉") and leaning < 0) or (verdict in ("凶", "大凶") and leaning > 0)
    names = dict(T=t, R=r, D=d)

    summary = "，".join([phrases.SUMMARY_TR[tr], phrases.SUMMARY_RD[rd],
                        phrases.SUMMARY_TIER[verdict][against]]).format(**names)
    plain = f"人格属{r}，{phrases.NATURE[r]}；{phrases.PLAIN_TR[tr]}，{phrases.PLAIN_RD[rd]}。".format(**names)
    overall = ("天格与人格" + phrases.OVERALL_TR[tr] + "；人格与地格" + phrases.OVERALL_RD[rd] +
               "；" + phrases.OVERALL_TIER[verdict][against] + "。").format(**names)
    if tr == "s":
        overall = overall.replace("天格与人格天人同为", "天人同为", 1)
    if rd == "s":
        overall = overall.replace("人格与地格人地同为", "人地同为", 1)

    texts = [key, verdict, summary, plain, overall]
    for column in ASPECTS:
        table = phrases.COLUMNS[column]
        text = table["form"].format(EL=table["EL"][r], TR=table["TR"][tr], RD=table["RD"][rd])
        texts.append(text.format(**names))
    return texts


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                       pathlib.Path(__file__).resolve().parents[3] / "content" / "three_talents.tsv")
    lines = ["\t".join(HEADER)]
    for t, r, d in itertools.product(ELEMENTS, repeat=3):
        lines.append("\t".join(row(t, r, d)))
    out.write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(f"{out}: {len(lines) - 1} rows")


if __name__ == "__main__":
    main()
