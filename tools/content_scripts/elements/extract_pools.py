#!/usr/bin/env python3
"""Extract the four built-in character pools and the sample names from the design document.

Usage: extract_pools.py DESIGN_TEXT > pools.txt
Writes one line per pool: a label, a TAB, the characters.
"""
import re
import sys

text = open(sys.argv[1], encoding="utf-8").read()
paras = [p.strip() for p in text.split("\n\n")]

labels = [
    ("boys", "The boys' character pool, in stored order:"),
    ("girls", "The girls' character pool, in stored order:"),
    ("classic_boys_one", "The classic boys' one-character pool:"),
    ("classic_girls_one", "The classic girls' one-character pool:"),
]
for label, intro in labels:
    i = paras.index(intro)
    print(label + "\t" + paras[i + 1])

names = []
for p in paras:
    if p.startswith("The classic boys' two-character list begins") or p.startswith(
        "The classic girls' two-character list begins"
    ):
        names += re.findall(r"[\u4e00-\u9fff]{2}", p)
print("classic_two_names\t" + "".join(names))
