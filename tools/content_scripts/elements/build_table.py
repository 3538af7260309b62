#!/usr/bin/env python3
"""Build content/char_elements.tsv from the authored batches.

A batch file holds tokens: a character, its element (金 木 水 火 土) and an
optional note in square brackets, e.g. `琦木 宝火[亦作水]`. White space and
lines starting with '#' are ignored.

Usage: build_table.py OUT_TSV [POOLS_FILE]
With POOLS_FILE (the output of extract_pools.py) it also reports the wanted
characters that have no row yet.
"""
import glob
import os
import sys

ELEMENTS = "金木水火土"
HERE = os.path.dirname(os.path.abspath(__file__))


def parse(path):
    rows = []
    text = "".join(
        line for line in open(path, encoding="utf-8") if not line.lstrip().startswith("#")
    )
    chars = [c for c in text if not c.isspace()]
    i = 0
    while i < len(chars):
        c = chars[i]
        if not ("\u3400" <= c <= "\u9fff"):
            raise SystemExit(f"{path}: unexpected {c!r} near {''.join(chars[max(0, i - 6):i + 6])}")
        if i + 1 >= len(chars) or chars[i + 1] not in ELEMENTS:
            raise SystemExit(f"{path}: no element after {c} near {''.join(chars[max(0, i - 6):i + 6])}")
        element = chars[i + 1]
        i += 2
        note = ""
        if i < len(chars) and chars[i] == "[":
            j = chars.index("]", i)
            note = "".join(chars[i + 1:j])
            i = j + 1
        rows.append((c, element, note))
    return rows


def main():
    table = {}
    problems = 0
    for path in sorted(glob.glob(os.path.join(HERE, "batches", "*.txt"))):
        for c, element, note in parse(path):
            if c in table:
                old = table[c]
                if old[:2] != (element, note):
                    print(f"conflict: {c} {old[0]}{old[1]} vs {element}{note} in {os.path.basename(path)}")
                    problems += 1
                continue
            try:
                c.encode("gbk")
            except UnicodeEncodeError:
                print(f"no GBK form: {c}")
                problems += 1
                continue
            table[c] = (element, note)
    rows = sorted(table.items(), key=lambda kv: kv[0].encode("gbk"))
    with open(sys.argv[1], "w", encoding="utf-8", newline="\n") as out:
        out.write("汉字\t五行\t备注\n")
        for c, (element, note) in rows:
            out.write(f"{c}\t{element}\t{note}\n")
    print(f"{len(rows)} rows written")
    if len(sys.argv) > 2:
        sys.path.insert(0, HERE)
        import wanted

        missing = [c for c in wanted.wanted(sys.argv[2]) if c not in table]
        print(f"{len(missing)} wanted characters without a row")
        for i in range(0, len(missing), 50):
            print("".join(missing[i:i + 50]))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
