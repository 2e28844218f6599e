#!/usr/bin/env python3
"""Builds naming/data/poetry.dat: the classical line in which two name characters stand together.

The text comes from the MIT-licensed npm package chinese-poetry 2.0.1 (fetched with `npm pack`
into a temporary folder, or read from a tarball given with --tarball; its sha1 is checked). Five
works are read, in this order of preference: 诗经 (dist/shijing), 楚辞 (dist/chuci), 论语
(dist/lunyu), 唐诗, the complete Tang poems (dist/quantangshi/poet.tang.N.json by N), and 宋词
(dist/songci/ci.song.N.json by N, then ci.song.2019y.json). Everything is turned into
simplified characters with OpenCC (`opencc -c t2s.json`) and cut into sentences: a sentence
ends at 。！？； or at the end of a paragraph and keeps its punctuation (a closing quote after the
mark too). Editorial notes in brackets are dropped, as are the prefaces of modern editions among
the Tang poems and sentences with a lost or unencodable character (□, {…}). A sentence is cut
again into clauses at ，、：, the 句 of a poem (青青子衿); a clause is kept without its marks and
without quotation marks (and without 《 or 》 when it holds only one of them).

Which pairs are kept: for every ordered pair (a, b) of distinct characters of the character set
that stand in one clause with a before b, and in 诗经, 楚辞 and 论语 also in one sentence across
its clauses, the data gives one line: the clause when a and b stand in one, the whole sentence
when they stand in different clauses. The classics keep every pair of a sentence. In 唐诗 and
宋词 a pair counts only within one clause, at most --max-distance characters apart (default 1:
side by side; 0 for any distance), and only when it stands so in at least --min-lines different
clauses of the two (default 2): among some 400,000 sentences, two characters that meet once are
nearly always the end of one word and the start of the next (述廉 in 岂述廉蔺绩), not a word a
name could take.

Which line a pair gets: the best have a directly followed by b; failing that both in one clause;
failing that in one sentence. Among those, the earlier work in the order above wins. Among the
lines still equal, the lines are chosen together so that few are needed: again and again the
line that serves the most pairs still without a line is taken, on equal counts one of a poem
already taken, then the earlier in the package's file order. Only chosen lines are written.

The character set is every CJK character of the file given with --chars (by default
naming/namecandidates_data.h, of which only the character of each row counts). The same
package, character file and options give the same file byte for byte; the package's licence is
written beside it as chinese-poetry-LICENSE.

Format (all integers little-endian, every section starting at a multiple of 4):

  header, 72 bytes:
     0  8 bytes   magic "XMPOETRY"
     8  u32       format version (2)
    12  u32       file size in bytes
    16  u32       character count C      20  u32  pair count P
    24  u32       line count L           28  u32  poem count M
    32  u32       author count A         36  u32  work count W
    40  u32       string pool size S
    44  u32, u32  package name (pool offset, byte length)
    52  u32, u32  package version (pool offset, byte length)
    60  u32       longest distance in characters of a pair in a work without whole sentences (0: any)
    64  u32       fewest different clauses a pair of a work without whole sentences stands in
    68  u32       line bits B (1 .. 31): a pair entry is second << B | line; C <= 2^(32-B), L <= 2^B
  chars       u32[C]      code points of the character set, ascending
  pairStart   u32[C + 1]  the pairs whose first character is chars[i] are pairStart[i] .. pairStart[i+1]-1
  pairs       u32[P]      second << B | line: the index into chars of the pair's second character
                          (ascending within one first character) and the pair's line
  lineStart   u32[L + 1]  line i is pool[lineStart[i] .. lineStart[i+1]-1]
  poemStart   u32[M + 1]  the lines of poem j are poemStart[j] .. poemStart[j+1]-1 (at least one)
  poems       M x {u32 title offset, u16 title length, u16 author}
  authors     A x {u32 offset, u32 length}
  works       W x {u32 name offset, u32 name length, u32 first line, u32 lines, u32 pairs,
                   u32 whole sentences (1: pairs across clauses, whole sentences, any distance)};
                          the works follow one another and cover the lines
  pool        u8[S]       UTF-8 text: the lines in order, then titles, authors and work names

A lookup is binary searches in the blob as it is (the two characters, the pair, the poem of its
line); nothing has to be built at run time.
"""

import argparse
import hashlib
import heapq
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
FORMAT_VERSION = 2
HEADER_SIZE = 72
SIZE_GOAL = 6_000_000  # at most 6 MB compiled into the program

LINE_ENDS = set("。！？；")
CLAUSE_SEPARATORS = set("，、：")
# Dialogue quotes say nothing about a clause shown on its own.
QUOTES = set("“”‘’「」『』")
# The works that keep every pair of a sentence (the classics, quoted across their commas):
# the first this many of the order of preference.
WHOLE_SENTENCE_WORKS = 3
# How a pair stands in its line, best first.
ADJACENT, SAME_CLAUSE, SAME_SENTENCE = 0, 1, 2
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
    __slots__ = ("work", "title", "author", "paragraphs", "sentences")

    def __init__(self, work, title, author, paragraphs):
        self.work, self.title, self.author, self.paragraphs = work, title, author, paragraphs
        self.sentences = None  # the clean sentences, once cut


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


def clauses(sentence):
    """The clauses of a sentence as shown: without their marks and quotes; none left out."""
    out = []
    cur = []
    for ch in sentence:
        if ch in CLAUSE_SEPARATORS or ch in LINE_ENDS:
            out.append(clause_text(cur))
            cur = []
        elif ch not in QUOTES:
            cur.append(ch)
    if cur:
        out.append(clause_text(cur))
    return out


def clause_text(chars):
    text = "".join(chars)
    if ("《" in text) != ("》" in text):
        text = text.replace("《", "").replace("》", "")
    return text


class Line:
    """A line a pair may be given: a clause, or a whole sentence of a classic."""
    __slots__ = ("text", "poem", "pairs")

    def __init__(self, text, poem):
        self.text, self.poem, self.pairs = text, poem, []


def occurrences(works, char_index, max_distance, recurring=None):
    """Every line that holds a pair, in file order, and the pairs it holds.

    Yields (line, [(pair, how)]) where pair is first * C + second (indices into the character set)
    and how is ADJACENT, SAME_CLAUSE or SAME_SENTENCE; the work of the line is line.poem.work.
    With recurring, a pair of 唐诗 or 宋词 counts only when it is in that set."""
    C = len(char_index)
    for _, poems in works:
        for poem in poems:
            whole = poem.work < WHOLE_SENTENCE_WORKS
            if poem.sentences is None:
                poem.sentences = split_lines(poem.paragraphs)
            for sentence in poem.sentences:
                found = []  # (clause, character index) of the sentence, in order
                for k, text in enumerate(clauses(sentence)):
                    inside = [(pos, char_index[ch]) for pos, ch in enumerate(text) if ch in char_index]
                    pairs = []
                    for i, (pi, a) in enumerate(inside):
                        for pj, b in inside[i + 1:]:
                            if max_distance and not whole and pj - pi > max_distance:
                                break
                            if a != b and (whole or recurring is None or a * C + b in recurring):
                                pairs.append((a * C + b, ADJACENT if pj == pi + 1 else SAME_CLAUSE))
                    if pairs:
                        yield Line(text, poem), pairs
                    found += [(k, a) for _, a in inside]
                if whole:
                    pairs = [(a * C + b, SAME_SENTENCE) for i, (ka, a) in enumerate(found)
                             for kb, b in found[i + 1:] if kb != ka and a != b]
                    if pairs:
                        yield Line(sentence, poem), pairs


def recurring_pairs(works, char_index, max_distance, min_lines):
    """The pairs that stand in at least min_lines different clauses of 唐诗 and 宋词."""
    seen = set()
    count = {}
    for line, pairs in occurrences(works, char_index, max_distance):
        if line.poem.work < WHOLE_SENTENCE_WORKS or line.text in seen:
            continue
        seen.add(line.text)
        for pair in set(pair for pair, _ in pairs):
            count[pair] = count.get(pair, 0) + 1
    return set(pair for pair, n in count.items() if n >= min_lines)


def choose(works, chars, max_distance, min_lines):
    """The chosen lines in file order, and for each pair (first * C + second) its line there."""
    char_index = {c: i for i, c in enumerate(chars)}
    recurring = recurring_pairs(works, char_index, max_distance, min_lines) if min_lines > 1 else None
    # The best way each pair stands anywhere: (how, work), smaller is better.
    best = {}
    for line, pairs in occurrences(works, char_index, max_distance, recurring):
        work = line.poem.work
        for pair, how in pairs:
            old = best.get(pair)
            if old is None or (how, work) < old:
                best[pair] = (how, work)
    # The lines that stand best for some pair, with those pairs.
    lines = []
    for line, pairs in occurrences(works, char_index, max_distance, recurring):
        work = line.poem.work
        line.pairs = sorted(set(pair for pair, how in pairs if best[pair] == (how, work)))
        if line.pairs:
            lines.append(line)

    # Greedy cover: the line serving the most pairs still without one, then one of a poem
    # already taken, then the earliest. A line's count only falls as pairs get their lines,
    # and its poem only gets taken, so a line popped with its current key is the best one.
    poem_lines = {}
    for n, line in enumerate(lines):
        poem_lines.setdefault(id(line.poem), []).append(n)
    line_of = {}
    taken = [False] * len(lines)
    poems_taken = set()

    def key(n):
        gain = sum(1 for pair in lines[n].pairs if pair not in line_of)
        return (-gain, 0 if id(lines[n].poem) in poems_taken else 1, n)

    heap = [(-len(line.pairs), 1, n) for n, line in enumerate(lines)]
    heapq.heapify(heap)
    while heap:
        entry = heapq.heappop(heap)
        n = entry[2]
        if taken[n]:
            continue
        now = key(n)
        if now[0] == 0:
            continue
        if now > entry:
            heapq.heappush(heap, now)
            continue
        taken[n] = True
        for pair in lines[n].pairs:
            line_of.setdefault(pair, n)
        poem = id(lines[n].poem)
        if poem not in poems_taken:
            poems_taken.add(poem)
            for m in poem_lines[poem]:
                if not taken[m]:
                    heapq.heappush(heap, key(m))
    assert len(line_of) == len(best)

    kept = [n for n in range(len(lines)) if taken[n]]
    new_index = {old: new for new, old in enumerate(kept)}
    return [lines[n] for n in kept], {pair: new_index[n] for pair, n in line_of.items()}, best


def build(works, lines, line_of, best, chars, max_distance, min_lines):
    work_names = [name for name, _ in works]
    C = len(chars)

    pool = bytearray()
    strings = {}

    def intern(text):
        if text not in strings:
            data = text.encode("utf-8")
            strings[text] = (len(pool), len(data))
            pool.extend(data)
        return strings[text]

    line_start = []
    poem_start = []
    poem_list = []
    work_lines = [0] * len(works)
    for n, line in enumerate(lines):
        line_start.append(len(pool))
        pool.extend(line.text.encode("utf-8"))
        if not poem_list or poem_list[-1] is not line.poem:
            poem_start.append(n)
            poem_list.append(line.poem)
        work_lines[line.poem.work] += 1
    line_start.append(len(pool))
    poem_start.append(len(lines))

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

    second_bits = max(1, (C - 1).bit_length())
    line_bits = 32 - second_bits
    if len(lines) > 1 << line_bits:
        sys.exit(f"{len(lines)} lines and {C} characters do not fit a 32-bit pair entry")
    pairs = sorted(line_of.items())
    work_pairs = [0] * len(works)
    for _, n in pairs:
        work_pairs[lines[n].poem.work] += 1
    work_records = []
    first = 0
    for i, name in enumerate(work_names):
        whole = 1 if i < WHOLE_SENTENCE_WORKS else 0
        work_records.append((*intern(name), first, work_lines[i], work_pairs[i], whole))
        first += work_lines[i]
    package_name = intern(PACKAGE)
    package_version = intern(VERSION)

    pair_start = [0] * (C + 1)
    for pair, _ in pairs:
        pair_start[pair // C + 1] += 1
    for i in range(C):
        pair_start[i + 1] += pair_start[i]

    def u32s(values):
        return struct.pack(f"<{len(values)}I", *values)

    def pad4(data):
        return data + b"\0" * (-len(data) % 4)

    body = b"".join([
        u32s([ord(c) for c in chars]),
        u32s(pair_start),
        u32s([(pair % C) << line_bits | n for pair, n in pairs]),
        u32s(line_start),
        u32s(poem_start),
        b"".join(struct.pack("<IHH", *r) for r in poem_records),
        b"".join(struct.pack("<2I", *r) for r in author_records),
        b"".join(struct.pack("<6I", *r) for r in work_records),
        pad4(bytes(pool)),
    ])
    size = HEADER_SIZE + len(body)
    header = MAGIC + struct.pack("<16I", FORMAT_VERSION, size, C, len(pairs), len(lines), len(poem_list),
                                 len(authors), len(works), len(pool), *package_name, *package_version, max_distance,
                                 min_lines, line_bits)
    assert len(header) == HEADER_SIZE
    how = [0, 0, 0]
    for pair, _ in pairs:
        how[best[pair][0]] += 1
    stats = {"works": [(work_names[i], work_lines[i], work_pairs[i]) for i in range(len(works))],
             "lines": len(lines), "pairs": len(pairs), "poems": len(poem_list), "pool": len(pool), "how": how}
    return header + body, stats


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--chars", default=os.path.join(root, "naming", "namecandidates_data.h"),
                        help="file whose CJK characters form the character set (default: %(default)s)")
    parser.add_argument("--out", default=os.path.join(root, "naming", "data", "poetry.dat"),
                        help="data file to write (default: %(default)s); the licence is written beside it")
    parser.add_argument("--tarball", help=f"use this {PACKAGE}-{VERSION}.tgz instead of fetching it")
    parser.add_argument("--max-distance", type=int, default=1,
                        help="in 唐诗 and 宋词 keep only pairs at most this many characters apart in one clause, "
                        "0 for any distance (default: %(default)s, side by side)")
    parser.add_argument("--min-lines", type=int, default=2,
                        help="in 唐诗 and 宋词 keep only pairs that stand so in at least this many different "
                        "clauses (default: %(default)s; 1 keeps every pair)")
    args = parser.parse_args()
    if args.max_distance < 0 or args.min_lines < 1:
        parser.error("--max-distance must be 0 or more, --min-lines 1 or more")

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
    lines, line_of, best = choose(works, chars, args.max_distance, args.min_lines)
    data, stats = build(works, lines, line_of, best, chars, args.max_distance, args.min_lines)

    out_dir = os.path.dirname(os.path.abspath(args.out))
    os.makedirs(out_dir, exist_ok=True)
    with open(args.out, "wb") as f:
        f.write(data)
    with open(os.path.join(out_dir, f"{PACKAGE}-LICENSE"), "wb") as f:
        f.write(licence)

    adjacent, clause, sentence = stats["how"]
    print(f"{args.out}: {len(data)} bytes, {len(chars)} characters, {stats['pairs']} pairs "
          f"({adjacent} side by side, {clause} in one clause, {sentence} in one sentence), {stats['lines']} lines, "
          f"{stats['poems']} poems, {stats['pool']} bytes of text, {time.monotonic() - started:.0f} s")
    for name, n_lines, n_pairs in stats["works"]:
        print(f"  {name}: {n_lines} lines, {n_pairs} pairs")
    if len(data) > SIZE_GOAL:
        print(f"note: more than {SIZE_GOAL / 1e6:g} MB"
              + ("; --max-distance 1 keeps only characters side by side" if args.max_distance != 1 else ""),
              file=sys.stderr)


if __name__ == "__main__":
    main()
