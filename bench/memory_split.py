#!/usr/bin/env python3
"""Where a running program's resident memory is, from /proc/PID/smaps.

    bench/memory_split.py PID

Prints the resident MiB of: the GL driver's code and data (Mesa's and LLVM's
libraries), the other libraries (Qt, the C++ run-time, ...), the images
shared with the X server (the window's backing store, the frame on its way
to the screen), the heap and anonymous memory (the catalogues, the driver's
colour buffers and textures) and the rest (stacks, fonts, data files).
"""

import argparse
import re
import sys

DRIVER = re.compile(r"(swrast_dri|dri\.so|libgallium|libLLVM|libglapi|libGLX_mesa|libEGL_mesa|"
                    r"libdrm|libxshmfence|libsensors|libelf|libz3|libedit)")


def mappings(pid):
    """(path, resident kB) of each mapping."""
    current = None
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            head = line.split()
            if re.match(r"^[0-9a-f]+-[0-9a-f]+ ", line):
                if current:
                    yield current
                path = head[5] if len(head) > 5 else ""
                current = [path, 0]
            elif head[0] == "Rss:":
                current[1] = int(head[1])
    if current:
        yield current


def split(pid):
    parts = {"GL driver": 0, "other libraries": 0, "shared with X": 0,
             "heap and anonymous": 0, "stacks and other": 0}
    for path, rss in mappings(pid):
        if DRIVER.search(path):
            key = "GL driver"
        elif path.endswith(".so") or ".so." in path or path.endswith("/stellix"):
            key = "other libraries"
        elif path.startswith(("/SYSV", "/memfd:")):
            key = "shared with X"
        elif path in ("", "[heap]"):
            key = "heap and anonymous"
        else:
            key = "stacks and other"
        parts[key] += rss
    return parts


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("pid", type=int)
    args = parser.parse_args()
    try:
        parts = split(args.pid)
    except OSError as e:
        print(f"memory_split: cannot read process {args.pid}: {e.strerror}", file=sys.stderr)
        return 2
    total = sum(parts.values())
    for name, kb in parts.items():
        print(f"{name:20} {kb / 1024:7.1f} MiB")
    print(f"{'total':20} {total / 1024:7.1f} MiB")
    return 0


if __name__ == "__main__":
    sys.exit(main())
