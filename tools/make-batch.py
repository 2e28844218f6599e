#!/usr/bin/env python3
"""Writes N random name-test cases (tab-separated, one a line) for `score --batch`.

  tools/make-batch.py N > names.tsv

Characters are drawn from the character table as `xingming-cli char` reports it, so the
file needs a built xingming-cli (first argument after N, default build/release/cli/xingming-cli).
"""
import json
import random
import subprocess
import sys

n = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
cli = sys.argv[2] if len(sys.argv) > 2 else 'build/release/cli/xingming-cli'
probe = '一乙人丁王吴李周明芳张伟黄杨华赵刘陈欧阳玉思远司马相如滢恋骉鹂爨'
chars = [c['char'] for c in json.loads(subprocess.run([cli, 'char', probe, '--json'], capture_output=True,
                                                      text=True, check=True).stdout)]
random.seed(7)
out = sys.stdout
for _ in range(n):
    surname = ''.join(random.choice(chars) for _ in range(random.choice((1, 1, 1, 2))))
    given = ''.join(random.choice(chars) for _ in range(random.choice((1, 2, 2))))
    out.write('\t'.join((surname, given, random.choice(('男', '女')), random.choice(('公历', '农历')),
                         str(random.randint(1901, 2050)), str(random.randint(1, 12)), str(random.randint(1, 28)),
                         str(random.randint(0, 23)))) + '\n')
