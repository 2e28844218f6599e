#!/usr/bin/env python3
"""Builds naming/data/poetry.dat: the classical line in which two name characters stand together.

The text comes from the MIT-licensed npm package chinese-poetry 2.0.1 (fetched with `npm pack`
into a temporary folder, or read from a tarball given with --tarball; its sha1 is checked). Five
works are read, in this order of preference: 诗经 (dist/shijing), 楚辞 (dist/chuci), 论语
(dist/lunyu), 唐诗, the complete Tang poems (dist/quantangshi/poet.tang.N.json by N), and 宋词
(dist/songci/ci.song.N.json by N, then ci.song.2019y.json). Everything is turned into
simplified characters with OpenCC (`opencc -c t2s.json`) and cut into lines: a line ends at
。！？； or at the end of a paragraph and keeps its punctuation (a closing quote after the mark
too). Editorial notes in brackets are dropped, as are the prefaces of modern editions among the
Tang poems and lines with a lost or unencodable character (□, {…}).

Then the lines are reduced: for every ordered pair (a, b) of distinct characters of the
character set that stand in one line with a before b, at most --max-distance characters apart
(default 4: with any distance the file outgrows its 4 MB), exactly one line is kept. The best
line has a directly followed by b; failing that both in one comma-separated half (，、：);
failing that anywhere in the line. Ties go to the earlier work in the order above, then to the
earlier line in the package's file order. Only lines that some pair chose are written.

The character set is every CJK character of the file given with --chars (by default
naming/namecandidates_data.h). The same package, character file and options give the same
file byte for byte; the package's licence is written beside it as chinese-poetry-LICENSE.

Format (all integers little-endian, every section starting at a multiple of 4):

  header, 64 bytes:
     0  8 bytes   magic "XMPOETRY"
     8  u32       format version (1)
    12  u32       file size in bytes
    16  u32       character count C      20  u32  pair count P
    24  u32       line count L           28  u32  poem count M
    32  u32       author count A         36  u32  work count W
    40  u32       string pool size S
    44  u32, u32  package name (pool offset, byte length)
    52  u32, u32  package version (pool offset, byte length)
    60  u32       longest distance of a kept pair in characters (0: any)
  chars       u32[C]      code points of the character set, ascending
  pairStart   u32[C + 1]  the pairs whose first character is chars[i] are pairStart[i] .. pairStart[i+1]-1
  pairLine    u32[P]      line of each pair
  pairSecond  u16[P]      index into chars of each pair's second character, ascending within one first
                          character (padded to a multiple of 4 bytes)
  lineStart   u32[L + 1]  line i is pool[lineStart[i] .. lineStart[i+1]-1]
  linePoem    u32[L]      poem of each line
  poems       M x {u32 title offset, u16 title length, u16 author}
  authors     A x {u32 offset, u32 length}
  works       W x {u32 name offset, u32 name length, u32 first line, u32 lines, u32 pairs}; the works
                          follow one another and cover the lines
  pool        u8[S]       UTF-8 text: the lines in order, then titles, authors and work names

A lookup is two binary searches in the blob as it is; nothing has to be built at run time.
"""

import argparse
import hashlib
import io
import json
import os
import re
import struct
import subprocess
import sys
import tarfile
import tempfile
import time

PACKAGE = "chinese-poetry"
VERSION = "2.0.1"
# sha1 of the tarball the registry serves for this version (npm's "shasum").
TARBALL_SHA1 = "b6e7e60d0accac7c723d066a5c360549aab8299d"

MAGIC = b"XMPOETRY"
FORMAT_VERSION = 1
HEADER_SIZE = 64
SIZE_GOAL = 4_200_000  # about 4 MB compiled into the program

LINE_ENDS = set("。！？；")
HALF_SEPARATORS = set("，、：")
# Closing marks that belong to the line before them (子曰：“…乎？” keeps its ”).
TRAILING_CLOSERS = set("”’」』》")
# ASCII punctuation as some texts of the package write it, as the rest of the text writes it.
ASCII_PUNCTUATION = str.maketrans({"?": "？", "!": "！", ";": "；", ",": "，", ":": "："})
# Editorial notes (variant readings, commentary) stand in these brackets and are dropped.
NOTE_OPEN = set("（(〖")
NOTE_CLOSE = set("）)〗")
# Brackets around characters the editors supplied: the characters stay, the brackets go.
SUPPLIED = set("[]")
# Punctuation a kept line may have; a line with anything else (□ for a lost character, {…} for a
# character described by its parts, digits, Latin letters) is not kept.
ALLOWED_PUNCTUATION = set("，。！？；、：“”‘’「」『』《》·…—")
# The Tang poems of the package include the prefaces and afterwords of modern editions.
EDITORIAL_TITLES = {"前言", "后记", "自序", "敦煌唐人诗集残卷考释"}


def is_cjk(ch):
    o = ord(ch)
    return (0x3400 <= o <= 0x4DBF or 0x4E00 <= o <= 0x9FFF or 0xF900 <= o <= 0xFAFF
            or 0x20000 <= o <= 0x323AF)


def numbered(names, prefix):
    """The files prefix<N>.json among names, in the order of N."""
    pattern = re.compile(re.escape(prefix) + r"(\d+)\.json$")
    found = [(int(m.group(1)), n) for n in names if (m := pattern.match(n))]
    return [n for _, n in sorted(found)]


def fetch_tarball(folder):
    subprocess.run(["npm", "pack", "--silent", f"{PACKAGE}@{VERSION}", "--pack-destination", folder],
                   check=True, stdout=subprocess.DEVNULL)
    return os.path.join(folder, f"{PACKAGE}-{VERSION}.tgz")


class Package:
    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        digest = hashlib.sha1(data).hexdigest()
        if digest != TARBALL_SHA1:
            sys.exit(f"{path}: sha1 {digest}, expected {TARBALL_SHA1} ({PACKAGE} {VERSION})")
        self.tar = tarfile.open(fileobj=io.BytesIO(data), mode="r:gz")
        self.names = [m.name for m in self.tar.getmembers() if m.isfile()]

    def read(self, name):
        return self.tar.extractfile("package/" + name).read()

    def json(self, name):
        return json.loads(self.read(name))

    def files(self, prefix):
        return [n[len("package/"):] for n in numbered(self.names, "package/" + prefix)]


# A poem as read: its work, title, author and paragraphs, still in the package's characters.
class Poem:
    __slots__ = ("work", "title", "author", "paragraphs")

    def __init__(self, work, title, author, paragraphs):
        self.work, self.title, self.author, self.paragraphs = work, title, author, paragraphs


def read_works(pkg):
    """The poems of every work, in the order of preference and in the package's file order."""
    works = []

    poems = []
    for p in pkg.json("dist/shijing/shijing.json"):
        # 国风 poems are cited by their state (郑风·子衿), the others by their part (小雅·鹿鸣).
        part = p["section"] if p["chapter"] == "国风" else p["chapter"]
        poems.append(Poem(0, f"{part}·{p['title']}", "", p["content"]))
    works.append(("诗经", poems))

    poems = [Poem(1, p["title"], p["author"], p["content"]) for p in pkg.json("dist/chuci/chuci.json")]
    works.append(("楚辞", poems))

    poems = [Poem(2, p["chapter"], "", p["paragraphs"]) for p in pkg.json("dist/lunyu/lunyu.json")]
    works.append(("论语", poems))

    poems = []
    for name in pkg.files("dist/quantangshi/poet.tang."):
        poems += [Poem(3, p["title"], p["author"], p["paragraphs"]) for p in pkg.json(name)]
    works.append(("唐诗", poems))

    poems = []
    for name in pkg.files("dist/songci/ci.song.") + ["dist/songci/ci.song.2019y.json"]:
        poems += [Poem(4, p["rhythmic"], p["author"], p["paragraphs"]) for p in pkg.json(name)]
    works.append(("宋词", poems))
    return works


def to_simplified(works):
    """Every title, author and paragraph through OpenCC t2s, in one run of the command."""
    texts = []
    for _, poems in works:
        for p in poems:
            texts.append(p.title)
            texts.append(p.author)
            texts.extend(p.paragraphs)
    # One text a line: any line break inside a text becomes nothing.
    flat = [re.sub(r"[\r\n\u2028\u2029\x85\x0b\x0c]", "", t) for t in texts]
    result = subprocess.run(["opencc", "-c", "t2s.json"], input="\n".join(flat) + "\n", capture_output=True,
                            text=True, encoding="utf-8", check=True)
    out = result.stdout.split("\n")
    if out and out[-1] == "":
        out.pop()
    if len(out) != len(flat):
        sys.exit(f"opencc gave {len(out)} lines for {len(flat)}")
    it = iter(out)
    for _, poems in works:
        for p in poems:
            p.title = without_notes(next(it))
            p.author = next(it).strip()
            p.paragraphs = [next(it) for _ in p.paragraphs]
        poems[:] = [p for p in poems if p.title not in EDITORIAL_TITLES]


def without_notes(title):
    """A title without its bracketed notes; an unclosed note runs to the end."""
    out = []
    depth = 0
    for ch in title:
        if ch in NOTE_OPEN:
            depth += 1
        elif ch in NOTE_CLOSE:
            depth = max(0, depth - 1)
        elif not depth:
            out.append(ch)
    return "".join(out).strip()


def is_clean(line):
    return any(is_cjk(c) for c in line) and all(is_cjk(c) or c in ALLOWED_PUNCTUATION for c in line)


def split_lines(paragraphs):
    """The clean lines of a poem. Notes in brackets are dropped, across paragraphs too."""
    lines = []
    depth = 0
    for para in paragraphs:
        para = para.translate(ASCII_PUNCTUATION)
        cur = []
        ended = False  # the last line of this paragraph ended at a mark just now

        def flush():
            text = "".join(cur).strip()
            cur.clear()
            lines.append(text)

        for ch in para:
            if ch in NOTE_OPEN:
                depth += 1
                continue
            if ch in NOTE_CLOSE:
                depth = max(0, depth - 1)
                continue
            if depth or ch in SUPPLIED or ch.isspace():
                continue
            if ended and not cur and ch in TRAILING_CLOSERS:
                lines[-1] += ch
                continue
            ended = False
            cur.append(ch)
            if ch in LINE_ENDS:
                flush()
                ended = True
        if cur:
            flush()
    return [line for line in lines if is_clean(line)]


def read_chars(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if path.endswith(".h"):
        # The candidate list: the character of each row ({"德", NameSex::…), not its gloss.
        text = "".join(re.findall(r'\{"(.)", NameSex::', text))
    return sorted(set(c for c in text if is_cjk(c)))


def choose(works, charset, max_distance):
    """Every line in order, and for each pair its chosen line: {(a, b): (class, line index)}."""
    best = {}
    lines = []  # (text, poem)
    for _, poems in works:
        for poem in poems:
            for text in split_lines(poem.paragraphs):
                index = len(lines)
                lines.append((text, poem))
                half = 0
                found = []  # (position, half, character)
                for pos, ch in enumerate(text):
                    if ch in HALF_SEPARATORS:
                        half += 1
                    elif ch in charset:
                        found.append((pos, half, ch))
                for i, (pi, hi, a) in enumerate(found):
                    for pj, hj, b in found[i + 1:]:
                        if a == b:
                            continue
                        if max_distance and pj - pi > max_distance:
                            break
                        cls = 0 if pj == pi + 1 else 1 if hi == hj else 2
                        key = (a, b)
                        old = best.get(key)
                        if old is None or cls < old[0]:
                            best[key] = (cls, index)
    return lines, best


def build(works, lines, best, chars, max_distance):
    work_names = [name for name, _ in works]
    char_index = {c: i for i, c in enumerate(chars)}

    kept = sorted(set(index for _, index in best.values()))
    new_index = {old: new for new, old in enumerate(kept)}

    pool = bytearray()
    strings = {}

    def intern(text):
        if text not in strings:
            data = text.encode("utf-8")
            strings[text] = (len(pool), len(data))
            pool.extend(data)
        return strings[text]

    line_start = []
    line_poem = []
    poem_index = {}
    poem_list = []
    work_lines = [0] * len(works)
    for old in kept:
        text, poem = lines[old]
        line_start.append(len(pool))
        pool.extend(text.encode("utf-8"))
        if id(poem) not in poem_index:
            poem_index[id(poem)] = len(poem_list)
            poem_list.append(poem)
        line_poem.append(poem_index[id(poem)])
        work_lines[poem.work] += 1
    line_start.append(len(pool))

    authors = {}
    poem_records = []
    for poem in poem_list:
        title = intern(poem.title)
        if title[1] > 0xFFFF:
            sys.exit(f"title of {title[1]} bytes: {poem.title[:20]}")
        author = authors.setdefault(poem.author, len(authors))
        poem_records.append((title[0], title[1], author))
    if len(authors) > 0xFFFF:
        sys.exit(f"{len(authors)} authors, at most 65535")
    author_records = [intern(name) for name in authors]  # dicts keep their order
    work_pairs = [0] * len(works)
    pairs = sorted((char_index[a], char_index[b], new_index[index]) for (a, b), (_, index) in best.items())
    for _, _, line in pairs:
        work_pairs[poem_list[line_poem[line]].work] += 1
    work_records = []
    first = 0
    for i, name in enumerate(work_names):
        work_records.append((*intern(name), first, work_lines[i], work_pairs[i]))
        first += work_lines[i]
    package_name = intern(PACKAGE)
    package_version = intern(VERSION)

    pair_start = [0] * (len(chars) + 1)
    for a, _, _ in pairs:
        pair_start[a + 1] += 1
    for i in range(len(chars)):
        pair_start[i + 1] += pair_start[i]

    def u32s(values):
        return struct.pack(f"<{len(values)}I", *values)

    def pad4(data):
        return data + b"\0" * (-len(data) % 4)

    body = b"".join([
        u32s([ord(c) for c in chars]),
        u32s(pair_start),
        u32s([line for _, _, line in pairs]),
        pad4(struct.pack(f"<{len(pairs)}H", *[b for _, b, _ in pairs])),
        u32s(line_start),
        u32s(line_poem),
        b"".join(struct.pack("<IHH", *r) for r in poem_records),
        b"".join(struct.pack("<2I", *r) for r in author_records),
        b"".join(struct.pack("<5I", *r) for r in work_records),
        pad4(bytes(pool)),
    ])
    size = HEADER_SIZE + len(body)
    header = MAGIC + struct.pack("<14I", FORMAT_VERSION, size, len(chars), len(pairs), len(kept), len(poem_list),
                                 len(authors), len(works), len(pool), *package_name, *package_version, max_distance)
    assert len(header) == HEADER_SIZE
    stats = {"works": [(work_names[i], work_lines[i], work_pairs[i]) for i in range(len(works))],
             "lines": len(kept), "pairs": len(pairs), "poems": len(poem_list), "pool": len(pool)}
    return header + body, stats


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--chars", default=os.path.join(root, "naming", "namecandidates_data.h"),
                        help="file whose CJK characters form the character set (default: %(default)s)")
    parser.add_argument("--out", default=os.path.join(root, "naming", "data", "poetry.dat"),
                        help="data file to write (default: %(default)s); the licence is written beside it")
    parser.add_argument("--tarball", help=f"use this {PACKAGE}-{VERSION}.tgz instead of fetching it")
    parser.add_argument("--max-distance", type=int, default=4,
                        help="keep only pairs at most this many characters apart, 0 for any distance "
                        "(default: %(default)s, which keeps the file near 4 MB)")
    args = parser.parse_args()

    started = time.monotonic()
    chars = read_chars(args.chars)
    if not chars:
        sys.exit(f"{args.chars}: no CJK characters")
    if len(chars) > 0xFFFF:
        sys.exit(f"{args.chars}: {len(chars)} characters, at most 65535")

    with tempfile.TemporaryDirectory() as folder:
        pkg = Package(args.tarball or fetch_tarball(folder))
        works = read_works(pkg)
        licence = pkg.read("LICENSE")
    to_simplified(works)
    lines, best = choose(works, set(chars), args.max_distance)
    data, stats = build(works, lines, best, chars, args.max_distance)

    out_dir = os.path.dirname(os.path.abspath(args.out))
    os.makedirs(out_dir, exist_ok=True)
    with open(args.out, "wb") as f:
        f.write(data)
    with open(os.path.join(out_dir, f"{PACKAGE}-LICENSE"), "wb") as f:
        f.write(licence)

    print(f"{args.out}: {len(data)} bytes, {len(chars)} characters, {stats['pairs']} pairs, "
          f"{stats['lines']} lines of {len(lines)}, {stats['poems']} poems, {stats['pool']} bytes of text, "
          f"{time.monotonic() - started:.0f} s")
    for name, n_lines, n_pairs in stats["works"]:
        print(f"  {name}: {n_lines} lines, {n_pairs} pairs")
    if len(data) > SIZE_GOAL:
        print(f"note: more than {SIZE_GOAL // 1000000} MB; a smaller --max-distance keeps fewer pairs "
              "(1: only characters side by side)", file=sys.stderr)


if __name__ == "__main__":
    main()
