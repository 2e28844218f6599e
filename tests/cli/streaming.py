#!/usr/bin/env python3
"""streaming.py CLI: the batch conversions write as they go. 734 000 dates go through
solar-to-lunar --batch; every line must come back and the program's resident memory must
stay far below the 35 MB its whole output takes."""
import resource
import subprocess
import sys
import threading

LINES = 734_000
BOUND_KIB = 24 * 1024

cli = sys.argv[1]
proc = subprocess.Popen([cli, "solar-to-lunar", "--batch", "-"], stdin=subprocess.PIPE, stdout=subprocess.PIPE)


def feed():
    for start in range(0, LINES, 10_000):
        chunk = "".join(f"{i % 12 + 1}-{i % 28 + 1}-{1901 + i % 150}\n" for i in range(start, min(LINES, start + 10_000)))
        proc.stdin.write(chunk.encode())
    proc.stdin.close()


writer = threading.Thread(target=feed)
writer.start()
count = sum(chunk.count(b"\n") for chunk in iter(lambda: proc.stdout.read(1 << 16), b""))
writer.join()
rc = proc.wait()
peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
print(f"{count} lines, exit {rc}, peak resident memory {peak} KiB (bound {BOUND_KIB})")
sys.exit(0 if rc == 0 and count == LINES and peak < BOUND_KIB else 1)
