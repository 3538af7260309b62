#!/usr/bin/env python3
"""Builds content/classic/boys_two.txt and girls_two.txt.

Sources, all in this folder:
  fixed_names.txt      the names that open and close each list, in order
  boys_names.txt,
  girls_names.txt      hand-written names (first character, then seconds)
  combine_sets.txt     character groups that top the lists up to their size
  avoid.txt            names never to use
  pinyin.tsv           readings, so that no name pairs two equal syllables
  repeats.txt          the names that stand in a list more than once

The result is the same on every run (fixed seed).  Run from anywhere:
  python3 tools/content_scripts/classic/make_two_char_lists.py
"""
import collections
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..', '..'))
OUT = os.path.join(ROOT, 'content', 'classic')

SIZES = {  # sex: (names in the list, different names)
    'boys': (2910, 2878),
    'girls': (2134, 2091),
}
SEED = 20240611
CAP_PER_FIRST = {'boys': 32, 'girls': 30}   # names per opening character
CAP_PER_SECOND = {'boys': 70, 'girls': 60}  # names per closing character
MIN_GAP = 40  # least distance between two copies of one name

# Common family names: a generated name never opens with one of them, so
# that it does not read as a full name.
SURNAMES = set(
    '王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董'
    '袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟'
    '熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤常温康施文'
    '牛樊葛邢安齐易乔伍庞颜倪庄聂章鲁岳翟殷詹申欧耿关兰焦俞左柳甘祝包宁尚符'
    '舒阮柯纪梅童凌毕单季裴霍涂成苗谷盛曲翁冉骆蓝路游辛靳管柴蒙鲍华喻祁蒲房'
    '滕屈饶解牟艾尤阳时穆农司卓古吉缪简车项连芦麦褚娄窦戚岑景党宫费卜冷晏席'
    '卫米柏宗瞿桂全佟应臧闵苟邬边卞姬师和仇栾隋商刁沙荣巫寇桑郎甄丛仲虞敖巩'
    '明佘池查麻苑迟邝官封谈匡鞠惠荆乐冀郁胥南班储原栗燕楚鄢劳谌奚皮粟冼蔺楼'
    '盘满闻位厉伊仝区郜海阚花权强帅屠豆朴盖练廉禹井祖漆巴丰支卿国狄平计索宣'
    '晋相初门云容敬来扈晁芮都普阙浦戈伏鹿薄邸雍辜羊阿乌母裘亓修邰赫杭况那宿'
    '鲜印逯隆茹诸战慕危玉银亢嵇公哈湛宾戎勾茅利於呼居揭干但尉冶斯元束檀衣信'
    '展阴昝智幸奉植衡富尧闭由')

# Opening characters that may stand first in a generated name even though
# they are also family names: as first characters of given names they are
# everyday and the pair does not read as a full name.
SURNAME_OK = set('文明智嘉佳乐安宁景华云雨月晓修信敬展元容初惠若卓俊永正仁德怀英彦伯仲世君思志致崇弘承启立守知睿瑞鸿宏梓宇子奕逸皓昊晨旭昱晟煜炜烨辰星霖泽浩涵瀚澄沐润清熠曜朗晖晔灏暄锦婉静雅诗欣心语梦紫可书悦怡依芷雪秋春映慧美秀淑晴沁馨芳碧如冰凝念婧钰悠柔恬歆璇蕾菁芸芊莉蔓蕙婕姝妙希熙韵琴佩亦宛素筱颖艺昕湘彩灵雯露岚')


def data_lines(name):
    with open(os.path.join(HERE, name), encoding='utf-8') as f:
        for line in f:
            line = line.strip()
            if line and not line.startswith('#'):
                yield line


def read_fixed():
    fixed = collections.defaultdict(list)
    key = None
    for line in data_lines('fixed_names.txt'):
        if line.startswith('['):
            key = line.strip('[]')
        else:
            fixed[key].append(line)
    return fixed


def read_hand(sex):
    names = []
    for line in data_lines(f'{sex}_names.txt'):
        first, seconds = line.split()
        names.extend(first + c for c in seconds)
    return names


def read_groups():
    groups = collections.defaultdict(list)
    sex = None
    first = None
    for line in data_lines('combine_sets.txt'):
        if line.startswith('['):
            sex = line.strip('[]')
        elif line.startswith('first:'):
            first = line.split(':', 1)[1].strip()
        elif line.startswith('second:'):
            groups[sex].append((first, line.split(':', 1)[1].strip()))
    return groups


def read_repeats():
    repeats = collections.defaultdict(dict)
    for line in data_lines('repeats.txt'):
        sex, rest = line.split(':', 1)
        for item in rest.split():
            name, _, times = item.partition('*')
            repeats[sex.strip()][name] = int(times or 2)
    return repeats


def read_avoid():
    avoid = {'boys': set(), 'girls': set()}
    for line in data_lines('avoid.txt'):
        sex, colon, rest = line.partition(':')
        for name in (rest if colon else line).split():
            for key in ([sex.strip()] if colon else avoid):
                avoid[key].add(name)
    return avoid


def read_pinyin():
    table = {}
    for line in data_lines('pinyin.tsv'):
        char, reading = line.split('\t')
        table[char] = reading
    return table


def same_sound(name, pinyin):
    a, b = (pinyin.get(c) for c in name)
    return a is not None and a == b


def usable(name):
    if len(name) != 2:
        return False
    for c in name:
        try:
            c.encode('gb2312')
        except UnicodeEncodeError:
            return False
    return True


def build(sex, fixed, hand, groups, avoid, pinyin, repeats):
    rng = random.Random(f'{SEED}-{sex}')
    total, distinct = SIZES[sex]
    first_names = fixed[f'{sex} first']
    last_names = fixed[f'{sex} last']
    ends = set(first_names) | set(last_names)

    chosen = []
    seen = set(ends)
    for name in hand:
        if name in seen or name in avoid:
            continue
        if not usable(name):
            sys.exit(f'{sex}: hand-written name {name} is not two GB2312 hanzi')
        seen.add(name)
        chosen.append(name)
    for name in repeats:
        if name not in seen:
            sys.exit(f'{sex}: repeated name {name} is in no list')

    wanted = distinct - len(ends)
    if len(chosen) > wanted:
        sys.exit(f'{sex}: {len(chosen)} hand-written names, room for {wanted}')

    per_first = collections.Counter(n[0] for n in chosen)
    per_second = collections.Counter(n[1] for n in chosen)
    pool = []
    for firsts, seconds in groups:
        for a in firsts:
            if a in SURNAMES and a not in SURNAME_OK:
                continue
            for b in seconds:
                name = a + b
                if a == b or name in avoid or same_sound(name, pinyin):
                    continue
                pool.append(name)
    pool = sorted(set(pool) - seen)
    rng.shuffle(pool)
    # Take names in rounds, one per opening character a round, so that the
    # top-up spreads over all characters instead of exhausting the first ones.
    by_first = collections.defaultdict(list)
    for name in pool:
        by_first[name[0]].append(name)
    added = 0
    while len(chosen) < wanted:
        progress = False
        for a in sorted(by_first, key=lambda c: (per_first[c], c)):
            if len(chosen) >= wanted:
                break
            queue = by_first[a]
            while queue:
                name = queue.pop()
                if per_first[a] >= CAP_PER_FIRST[sex]:
                    queue.clear()
                    break
                if per_second[name[1]] >= CAP_PER_SECOND[sex]:
                    continue
                chosen.append(name)
                seen.add(name)
                per_first[a] += 1
                per_second[name[1]] += 1
                added += 1
                progress = True
                break
        if not progress:
            sys.exit(f'{sex}: ran out of names at {len(chosen)} of {wanted}')

    middle = list(chosen)
    for name, times in repeats.items():
        already = (first_names + last_names).count(name)
        if name not in ends:
            already = 1
        middle.extend([name] * (times - already))
    if len(first_names) + len(middle) + len(last_names) != total:
        sys.exit(f'{sex}: repeats give {len(first_names) + len(middle) + len(last_names)} names, want {total}')

    for _ in range(1000):
        rng.shuffle(middle)
        names = first_names + middle + last_names
        if min_gap(names) >= MIN_GAP:
            return names, added
    sys.exit(f'{sex}: could not keep repeats apart')


def min_gap(names):
    last = {}
    gap = len(names)
    for i, name in enumerate(names):
        if name in last:
            gap = min(gap, i - last[name])
        last[name] = i
    return gap


def main():
    fixed = read_fixed()
    groups = read_groups()
    avoid = read_avoid()
    pinyin = read_pinyin()
    repeats = read_repeats()
    os.makedirs(OUT, exist_ok=True)
    for sex in ('boys', 'girls'):
        names, added = build(sex, fixed, read_hand(sex), groups[sex], avoid[sex],
                             pinyin, repeats[sex])
        with open(os.path.join(OUT, f'{sex}_two.txt'), 'w', encoding='utf-8') as f:
            f.write(''.join(n + '\n' for n in names))
        print(f'{sex}: {len(names)} names, {len(set(names))} different, '
              f'{added} from the character groups')


if __name__ == '__main__':
    main()
