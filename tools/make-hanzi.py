#!/usr/bin/env python3
"""Writes naming/hanzi_data.cpp: readings and radical/stroke data of every CJK ideograph.

  tools/make-hanzi.py [--unihan DIR] [--out FILE]

Reads Unicode's Unihan database as Debian's package unicode-data installs it
(/usr/share/unicode/Unihan_*.txt.bz2):
  - readings: kMandarin (the common reading first), then kXHC1983; kHanyuPinyin only for a
    character neither gives;
  - several readings: more than one in kXHC1983, or else in kMandarin;
  - radical and residual strokes: kRSKangXi, or else the first value of kRSUnicode.
The output is committed; run this again only to move to a newer Unihan.
"""
import argparse
import bz2
import os
import re
import sys

# The blocks of CJK unified and compatibility ideographs, as (first, last).
BLOCKS = [
    (0x3400, 0x4DBF),
    (0x4E00, 0x9FFF),
    (0xF900, 0xFAFF),
    (0x20000, 0x2A6DF),
    (0x2A700, 0x2B73F),
    (0x2B740, 0x2B81F),
    (0x2B820, 0x2CEAF),
    (0x2CEB0, 0x2EBEF),
    (0x2F800, 0x2FA1F),
    (0x30000, 0x3134F),
    (0x31350, 0x323AF),
]


def read_fields(path, wanted):
    out = {}
    with bz2.open(path, 'rt', encoding='utf-8') as f:
        for line in f:
            if not line.startswith('U+'):
                continue
            code, field, value = line.rstrip('\n').split('\t', 2)
            if field in wanted:
                out.setdefault(int(code[2:], 16), {})[field] = value
    return out


def hanyu_readings(value):
    # "31626.010:hào,gǎo,gé 31627.020:hào" -> every reading in order
    out = []
    for item in value.split():
        out.extend(item.split(':', 1)[1].split(','))
    return out


def xhc_readings(value):
    # "0447.060:hào" or "1010.040,1010.050:cháng" or "0447.060:hào 1234.010:gǎo"
    return [item.split(':', 1)[1] for item in value.split()]


def unique(seq):
    seen, out = set(), []
    for x in seq:
        if x and x not in seen:
            seen.add(x)
            out.append(x)
    return out


def radical_strokes(value):
    # "85.7" or "120'.3" or "213''.0"; the first of several
    m = re.match(r"(\d+)('*)\.(-?\d+)", value.split()[0])
    if not m:
        return None
    return int(m.group(1)), int(m.group(3))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--unihan', default='/usr/share/unicode')
    ap.add_argument('--out', default=os.path.join(os.path.dirname(__file__), '..', 'naming', 'hanzi_data.cpp'))
    args = ap.parse_args()

    readings = read_fields(os.path.join(args.unihan, 'Unihan_Readings.txt.bz2'),
                           {'kMandarin', 'kHanyuPinyin', 'kXHC1983'})
    rs = read_fields(os.path.join(args.unihan, 'Unihan_RadicalStrokeCounts.txt.bz2'), {'kRSKangXi'})
    irg = read_fields(os.path.join(args.unihan, 'Unihan_IRGSources.txt.bz2'), {'kRSUnicode'})
    radical_chars = {}
    with open(os.path.join(args.unihan, 'CJKRadicals.txt'), encoding='utf-8') as f:
        for line in f:
            if line.startswith('#') or not line.strip():
                continue
            number, _, ideograph = [x.strip() for x in line.split(';')]
            if "'" not in number:
                radical_chars[int(number)] = chr(int(ideograph, 16))
    if sorted(radical_chars) != list(range(1, 215)):
        sys.exit('CJKRadicals.txt does not list the 214 radicals')

    pool = ['']  # index 0: no reading known
    pool_index = {'': 0}
    blocks = []
    stats = {'chars': 0, 'readings': 0, 'several': 0, 'kangxi': 0, 'unicode_rs': 0}
    for first, last in BLOCKS:
        rad, res, rd = [], [], []
        for cp in range(first, last + 1):
            r = readings.get(cp, {})
            mandarin = r.get('kMandarin', '').split()
            xhc = xhc_readings(r['kXHC1983']) if 'kXHC1983' in r else []
            hanyu = hanyu_readings(r['kHanyuPinyin']) if 'kHanyuPinyin' in r else []
            # The modern readings; the historical ones of the Hanyu Da Zidian only where
            # nothing modern is known.
            all_readings = unique(mandarin + xhc) or unique(hanyu)
            several = len(unique(xhc)) > 1 if xhc else len(unique(mandarin)) > 1
            text = ' '.join(all_readings)
            if text not in pool_index:
                pool_index[text] = len(pool)
                pool.append(text)
            idx = pool_index[text]
            if idx >= 0x8000:
                sys.exit('too many distinct reading lists')
            rd.append(idx | (0x8000 if several else 0))
            value = None
            if cp in rs:
                value = radical_strokes(rs[cp]['kRSKangXi'])
                if value:
                    stats['kangxi'] += 1
            if value is None and cp in irg:
                value = radical_strokes(irg[cp]['kRSUnicode'])
                if value:
                    stats['unicode_rs'] += 1
            radical, residual = value if value else (0, 0)
            rad.append(radical)
            res.append(residual)
            if all_readings or value:
                stats['chars'] += 1
            if all_readings:
                stats['readings'] += 1
            if several:
                stats['several'] += 1
        # trim the unassigned tail of the block
        while rad and rad[-1] == 0 and rd[-1] == 0:
            rad.pop()
            res.pop()
            rd.pop()
        blocks.append((first, rad, res, rd))

    out = []
    w = out.append
    w('// Generated by tools/make-hanzi.py from the Unihan database of Unicode 15.0 (Debian\'s\n')
    w('// unicode-data): kMandarin, kXHC1983, kHanyuPinyin, kRSKangXi, kRSUnicode,\n')
    w('// CJKRadicals.txt. Do not edit;\n')
    w('// run the script again instead.\n')
    w('// %d ideographs with data, %d with a reading, %d with several readings;\n' %
      (stats['chars'], stats['readings'], stats['several']))
    w('// radicals from kRSKangXi for %d, from kRSUnicode for %d.\n' % (stats['kangxi'], stats['unicode_rs']))
    w('#include "naming/hanzi_data.h"\n\n')
    w('// clang-format off\n')
    w('namespace xingming::naming::hanzidata {\n\n')

    def array(ctype, name, values, per_line=24):
        w('const %s %s[] = {\n' % (ctype, name))
        for i in range(0, len(values), per_line):
            w(','.join(str(v) for v in values[i:i + per_line]) + ',\n')
        w('};\n\n')

    for n, (first, rad, res, rd) in enumerate(blocks):
        array('std::uint8_t', 'kRadical%d' % n, rad or [0])
        array('std::int8_t', 'kResidual%d' % n, res or [0])
        array('std::uint16_t', 'kReading%d' % n, rd or [0])
    w('const Block kBlocks[] = {\n')
    for n, (first, rad, res, rd) in enumerate(blocks):
        w('    {0x%X, %d, kRadical%d, kResidual%d, kReading%d},\n' % (first, len(rad), n, n, n))
    w('};\n')
    w('const std::size_t kBlockCount = %d;\n\n' % len(blocks))
    w('const std::string_view kRadicalCharacters = "%s";\n\n' % ''.join(radical_chars[i] for i in range(1, 215)))
    w('const std::string_view kReadingLists[] = {\n')
    for text in pool:
        w('"%s",\n' % text)
    w('};\n')
    w('const std::size_t kReadingListCount = %d;\n\n' % len(pool))
    w('} // namespace xingming::naming::hanzidata\n')
    w('// clang-format on\n')
    with open(args.out, 'w', encoding='utf-8') as f:
        f.write(''.join(out))
    print('%s: %d ideographs, %d reading lists' % (args.out, stats['chars'], len(pool)))


if __name__ == '__main__':
    main()
