#!/usr/bin/env python3
"""Check content/char_elements.tsv: header, one row per character, elements,
GBK forms, GBK order, and coverage of the built-in pools, the family names and
the classic two-character name lists.

Usage: check_table.py TABLE POOLS_FILE [NAME_LIST ...]
"""
import collections
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wanted  # noqa: E402

ELEMENTS = "金木水火土"


def main():
    lines = open(sys.argv[1], encoding="utf-8").read().split("\n")
    errors = []
    if lines[0] != "汉字\t五行\t备注":
        errors.append(f"header: {lines[0]!r}")
    rows = [l for l in lines[1:] if l and not l.startswith("#")]
    seen = collections.Counter()
    elements = collections.Counter()
    notes = 0
    keys = []
    for l in rows:
        fields = l.split("\t")
        if len(fields) != 3:
            errors.append(f"fields: {l!r}")
            continue
        c, e, note = fields
        if len(c) != 1:
            errors.append(f"not one character: {c!r}")
        try:
            keys.append(c.encode("gbk"))
            note.encode("gbk")
        except UnicodeEncodeError:
            errors.append(f"no GBK form: {l!r}")
        if e not in ELEMENTS:
            errors.append(f"element: {l!r}")
        seen[c] += 1
        elements[e] += 1
        notes += bool(note)
    dups = [c for c, n in seen.items() if n > 1]
    if dups:
        errors.append("duplicates: " + "".join(dups))
    if keys != sorted(keys):
        errors.append("rows are not in GBK order")
    need = set(wanted.wanted(sys.argv[2]))
    for path in sys.argv[3:]:
        need |= {c for c in open(path, encoding="utf-8").read() if "\u3400" <= c <= "\u9fff"}
    missing = sorted(need - set(seen))
    if missing:
        errors.append("missing: " + "".join(missing))
    print(f"rows {len(rows)}, distinct {len(seen)}, notes {notes}")
    print(" ".join(f"{e} {elements[e]}" for e in ELEMENTS))
    print(f"covered {len(need)} required characters")
    for e in errors:
        print("ERROR", e)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
