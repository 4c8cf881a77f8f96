#!/usr/bin/env python3
"""Times the batch mode on the 50 MB benchmark document beside the nearest
equivalent a shell offers (perl or sed), and prints a table with the ratio.

Usage: batch_time.py TAGSMITH QUILLON_BENCH [RUNS]
Each command runs RUNS times (default 3) on a fresh copy of the document
(copied outside the timing) and writes its result to a file; the median wall
time is reported. The equivalents do less than the batch mode: perl upper-cases
whole tags (also the address values the batch mode keeps) and writes numeric
references instead of entity names, sed works line by line, and neither checks
the file's encoding nor syncs what it writes."""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROWS = [
    # name, batch options, shell command (IN and OUT are replaced)
    ("tags upper case", ["--tags-upper"], ["perl", "-pe", r"s/(<[^>]*>)/\U$1/g", "IN"]),
    ("remove tags", ["--remove-tags"], ["sed", "s/<[^>]*>//g", "IN"]),
    ("to entities", ["--to-entities"],
     ["perl", "-CSD", "-pe", r's/([\x{A1}-\x{FF}])/sprintf("&#%d;", ord($1))/ge', "IN"]),
    ("replace all", ["--replace=editor=>Quillon"], ["sed", "s/editor/Quillon/gI", "IN"]),
]


def timed(command, stdout=None):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=stdout, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    tagsmith, bench = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    with tempfile.TemporaryDirectory() as work:
        source = os.path.join(work, "source.html")
        subprocess.run([bench, "--write-document", "50", source], check=True,
                       env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        page = os.path.join(work, "page.html")
        out = os.path.join(work, "out")
        os.mkdir(out)
        print(f"Batch mode on the 50 MB document ({os.path.getsize(source) / 1e6:.0f} MB), median of {runs}:")
        print(f"{'operation':<18}{'tagsmith --batch':>18}{'perl/sed':>12}{'ratio':>8}")
        for name, options, shell in ROWS:
            ours, theirs = [], []
            for _ in range(runs):
                shutil.copyfile(source, page)
                ours.append(timed([tagsmith, "--batch", *options, page], subprocess.DEVNULL))
                shutil.copyfile(source, page)
                with open(os.path.join(out, "page.html"), "wb") as result:
                    theirs.append(timed([page if a == "IN" else a for a in shell], result))
            a, b = statistics.median(ours), statistics.median(theirs)
            print(f"{name:<18}{a:>16.2f} s{b:>10.2f} s{a / b:>8.2f}")


if __name__ == "__main__":
    main()
