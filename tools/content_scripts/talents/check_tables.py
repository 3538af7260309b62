#!/usr/bin/env python3
"""Checks content/numbers81.tsv and content/three_talents.tsv.

Every row present (Ids 1-81, the 125 element keys), verdicts only from the
five that score, no empty field, no text repeated within a column, every
text encodable in GBK, no TAB or line break inside a field. Prints the
verdict distribution of each table. Exit status 1 on any fault.

Usage: check_tables.py [content folder]
"""
import collections
import itertools
import pathlib
import sys

VERDICTS = ["大吉", "吉", "中", "凶", "大凶"]
ELEMENTS = "金木水火土"
NUMBERS_HEADER = "Id 吉凶 解释一 解释二 解释三 基业 家庭 健康 含义 数理暗示".split()
TALENTS_HEADER = ("三才 吉凶 解释一 解释二 总论 性格 意志 事业 家庭 婚姻 子女 社交 精神 "
                  "财运 健康 老运 对基础运的影响 对成功运的影响 对人际关系的影响 对性格的影响").split()


def read_tsv(path, header):
    if not path.exists():
        return [], [f"{path.name}: missing"]
    lines = path.read_text(encoding="utf-8").split("\n")
    faults = []
    if lines[0].split("\t") != header:
        faults.append(f"{path.name}: header is not {' '.join(header)}")
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != len(header):
            faults.append(f"{path.name}:{number}: {len(fields)} fields, expected {len(header)}")
            continue
        if any("\r" in f for f in fields):
            faults.append(f"{path.name}:{number}: carriage return inside a field")
        rows.append((number, fields))
    return rows, faults


def check_fields(path, header, rows, text_from):
    faults = []
    seen = collections.defaultdict(dict)
    for number, fields in rows:
        for column, value in zip(header, fields):
            if not value.strip():
                faults.append(f"{path.name}:{number}: {column} is empty")
            try:
                value.encode("gbk")
            except UnicodeEncodeError as error:
                faults.append(f"{path.name}:{number}: {column} has no GBK form ({error.object[error.start:error.end]})")
        if fields[1] not in VERDICTS:
            faults.append(f"{path.name}:{number}: verdict {fields[1]} is not one of the five")
        for column, value in list(zip(header, fields))[text_from:]:
            if value in seen[column]:
                faults.append(f"{path.name}:{number}: {column} repeats line {seen[column][value]}")
            seen[column][value] = number
    return faults


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                          pathlib.Path(__file__).resolve().parents[3] / "content")
    faults = []

    path = folder / "numbers81.tsv"
    rows, read_faults = read_tsv(path, NUMBERS_HEADER)
    faults += read_faults + check_fields(path, NUMBERS_HEADER, rows, 2)
    ids = [fields[0] for _, fields in rows]
    if sorted(ids, key=lambda s: int(s) if s.isdigit() else -1) != [str(n) for n in range(1, 82)]:
        faults.append(f"{path.name}: Ids are not exactly 1 to 81")
    for number, fields in rows:
        if len([h for h in fields[9].split("|") if h.strip()]) < 2:
            faults.append(f"{path.name}:{number}: 数理暗示 holds fewer than two hints")
    print(f"{path.name}: {len(rows)} rows, verdicts",
          dict(collections.Counter(f[1] for _, f in rows)))

    path = folder / "three_talents.tsv"
    rows, read_faults = read_tsv(path, TALENTS_HEADER)
    faults += read_faults + check_fields(path, TALENTS_HEADER, rows, 2)
    keys = sorted(fields[0] for _, fields in rows)
    expected = sorted("".join(k) for k in itertools.product(ELEMENTS, repeat=3))
    if keys != expected:
        faults.append(f"{path.name}: keys are not exactly the 125 element triples")
    print(f"{path.name}: {len(rows)} rows, verdicts",
          dict(collections.Counter(f[1] for _, f in rows)))

    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
