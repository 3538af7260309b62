#!/usr/bin/env python3
"""The characters the element table must cover, in GBK order.

Usage: wanted.py POOLS_FILE  (the output of extract_pools.py)
"""
import sys

import surnames


def gbk_key(c):
    return c.encode("gbk")


def wanted(pools_file):
    chars = set()
    for line in open(pools_file, encoding="utf-8"):
        label, text = line.rstrip("\n").split("\t")
        chars |= set(text)
    chars |= set(surnames.characters())
    return sorted(chars, key=gbk_key)


if __name__ == "__main__":
    w = wanted(sys.argv[1])
    for i in range(0, len(w), 50):
        print("".join(w[i:i + 50]))
