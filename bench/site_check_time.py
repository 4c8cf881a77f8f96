#!/usr/bin/env python3
"""Times `tagsmith --check` over a generated site of 10,000 pages, on one core
(taskset) beside every core, and prints a table.

Usage: site_check_time.py TAGSMITH [PAGES]
Each page (about 4 KB, in folders of 100) has a title, text, links to its
neighbours with and without a #fragment, an image with its size, and one
link in fifty points nowhere; the images are small PNG files."""
import os
import struct
import subprocess
import sys
import tempfile
import time


def png(width, height):
    return b"\x89PNG\r\n\x1a\n" + struct.pack(">I", 13) + b"IHDR" + struct.pack(">II", width, height) + bytes(9)


def write_site(root, pages):
    os.makedirs(os.path.join(root, "img"))
    with open(os.path.join(root, "img", "logo.png"), "wb") as f:
        f.write(png(120, 40))
    for i in range(pages):
        folder = os.path.join(root, f"part{i // 100:03d}")
        os.makedirs(folder, exist_ok=True)
        nxt = (i + 1) % pages
        target = f"../part{nxt // 100:03d}/page{nxt:05d}.html"
        broken = '<a href="gone.html">gone</a>' if i % 50 == 0 else ""
        body = "".join(f'<p id="p{k}">Paragraph {k} of page {i}, with <b>bold</b> and <a href="{target}#p{k}">'
                       f"a link</a>.</p>\n" for k in range(20))
        with open(os.path.join(folder, f"page{i:05d}.html"), "w") as f:
            f.write(f'<!DOCTYPE html>\n<html><head><title>Page {i}</title></head><body>\n'
                    f'<img src="../img/logo.png" alt="logo" width="120" height="40">\n{body}{broken}\n'
                    f"</body></html>\n")


def timed(command):
    start = time.monotonic()
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    return time.monotonic() - start, done.stdout.decode().strip().splitlines()[-1]


def main(tagsmith, pages):
    with tempfile.TemporaryDirectory() as root:
        write_site(root, pages)
        one, summary = timed(["taskset", "-c", "0", tagsmith, "--check", root])
        every, summary_all = timed([tagsmith, "--check", root])
    print(f"\nThe page checker over a site of {pages} pages (tagsmith --check)")
    print(f"{'cores':<12} {'seconds':>8}  summary")
    print(f"{'one':<12} {one:>8.2f}  {summary}")
    print(f"{'every':<12} {every:>8.2f}  {summary_all}")
    return 0 if summary == summary_all else 1


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(f"usage: {sys.argv[0]} TAGSMITH [PAGES]")
    sys.exit(main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 10000))
