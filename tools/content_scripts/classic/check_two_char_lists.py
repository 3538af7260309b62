#!/usr/bin/env python3
"""Checks content/classic/boys_two.txt and girls_two.txt against the rules
the lists must keep: sizes, repeats, opening and closing names, encoding."""
import collections
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, '..', '..', '..', 'content', 'classic'))
EXPECT = {
    # sex: (names, different, {times: how many names occur that often})
    'boys': (2910, 2878, {2: 32}),
    'girls': (2134, 2091, {2: 41, 3: 1}),
}
MUST_REPEAT = {
    'boys': '博涛 浩南 泰宇 韵舟 沙欧 鸿涛 明杰 松德'.split(),
    'girls': '熙雯 幽兰 雅彤 雅静 茹雪 紫月 秋柏 紫蓝'.split(),
}
# The opening name 璟雯 is given as it is, though 璟 has a GBK form outside
# the GB2312 hanzi area (AD 5A).
KNOWN_OUTSIDE_GB2312 = {'璟'}


def fixed():
    result = collections.defaultdict(list)
    key = None
    for line in open(os.path.join(HERE, 'fixed_names.txt'), encoding='utf-8'):
        line = line.strip()
        if not line or line.startswith('#'):
            continue
        if line.startswith('['):
            key = line.strip('[]')
        else:
            result[key].append(line)
    return result


def main():
    ends = fixed()
    faults = []
    for sex, (total, distinct, shape) in EXPECT.items():
        path = os.path.join(OUT, f'{sex}_two.txt')
        raw = open(path, 'rb').read()
        text = raw.decode('utf-8')
        if not text.endswith('\n') or '\r' in text or ',' in text:
            faults.append(f'{sex}: line form')
        names = text.split('\n')[:-1]
        counts = collections.Counter(names)
        times = collections.Counter(v for v in counts.values() if v > 1)
        gaps = []
        last = {}
        for i, n in enumerate(names):
            if n in last:
                gaps.append(i - last[n])
            last[n] = i
        print(f'{sex}: {len(names)} names, {len(counts)} different, '
              f'repeats {dict(sorted(times.items()))}, '
              f'closest copies {min(gaps)} apart, '
              f'{len({n[0] for n in counts})} opening characters, '
              f'most used opening {collections.Counter(n[0] for n in counts).most_common(3)}')
        if len(names) != total or len(counts) != distinct or times != shape:
            faults.append(f'{sex}: sizes')
        if names[:40] != ends[f'{sex} first'] or names[-10:] != ends[f'{sex} last']:
            faults.append(f'{sex}: opening or closing names')
        for n in MUST_REPEAT[sex]:
            if counts[n] < 2:
                faults.append(f'{sex}: {n} occurs {counts[n]} times')
        if sex == 'girls' and counts['晓兰'] != 3:
            faults.append('girls: 晓兰 must occur three times')
        if min(gaps) < 2:
            faults.append(f'{sex}: a name follows itself')
        for n in counts:
            if len(n) != 2:
                faults.append(f'{sex}: {n!r} is not two characters')
                continue
            for c in n:
                gbk = c.encode('gbk')
                if not 0xB0 <= gbk[0] <= 0xF7 and c not in KNOWN_OUTSIDE_GB2312:
                    faults.append(f'{sex}: {c} outside the hanzi area')
                try:
                    c.encode('gb2312')
                except UnicodeEncodeError:
                    if c not in KNOWN_OUTSIDE_GB2312:
                        faults.append(f'{sex}: {c} not GB2312')
    for f in faults:
        print('FAULT', f)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
