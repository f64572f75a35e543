#!/usr/bin/env python3
"""scripts/with-xvfb.sh: servers started at the same moment each get a display
of their own, a client holding the cookie is let in and one without it is
refused, a client that connects just as the last one left is let in too (an
X server that resets when its last client leaves refuses a third of them),
and the command's exit status is the script's.

usage: with_xvfb_test.py SCRIPT      (exit 77, skipped, without Xvfb/xauth/mcookie)
"""
import os
import shutil
import socket
import struct
import subprocess
import sys
import tempfile

SKIP = 77
PARALLEL = 6


def cookie(display, xauthority):
    """The MIT-MAGIC-COOKIE-1 that xauth holds for the display, as bytes."""
    out = subprocess.run(["xauth", "-f", xauthority, "list", display], capture_output=True, text=True,
                         check=True).stdout.split()
    return bytes.fromhex(out[2]) if len(out) >= 3 else b""


def admitted(display, secret):
    """Whether the server at :N accepts an X11 connection set-up with that cookie."""
    name = b"MIT-MAGIC-COOKIE-1" if secret else b""
    pad = lambda b: b + b"\0" * (-len(b) % 4)
    request = struct.pack("<cxHHHHxx", b"l", 11, 0, len(name), len(secret)) + pad(name) + pad(secret)
    with socket.socket(socket.AF_UNIX) as s:
        s.connect("/tmp/.X11-unix/X" + display.lstrip(":"))
        s.sendall(request)
        try:
            return s.recv(1) == b"\x01"
        except ConnectionResetError:  # refused and closed before the reply was read
            return False


CHILD = r"""
import os, sys
sys.path.insert(0, os.path.dirname(sys.argv[1]))
from with_xvfb_test import admitted, cookie
d = os.environ["DISPLAY"]
secret = cookie(d, os.environ["XAUTHORITY"])
print(d, all(admitted(d, secret) for _ in range(300)), admitted(d, b""))
sys.exit(int(sys.argv[2]))
"""


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    if any(shutil.which(t) is None for t in ("Xvfb", "xauth", "mcookie")):
        print("skipped: needs Xvfb, xauth and mcookie")
        return SKIP
    script = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as tmp:
        child = os.path.join(tmp, "child.py")
        with open(child, "w") as f:
            f.write(CHILD)
        runs = [subprocess.Popen([script, sys.executable, child, os.path.abspath(__file__), str(i)],
                                 stdout=subprocess.PIPE, text=True) for i in range(PARALLEL)]
        results = [(r.communicate()[0].split(), r.returncode) for r in runs]
    failures = []
    for i, (words, status) in enumerate(results):
        if status != i:
            failures.append("run %d: exit %d, expected %d" % (i, status, i))
        if words[1:] != ["True", "False"]:
            failures.append("run %d: with cookie / without: %s" % (i, words[1:]))
    displays = [words[0] for words, _ in results if words]
    if len(set(displays)) != PARALLEL:
        failures.append("displays shared: %s" % displays)
    for failure in failures:
        print("FAIL " + failure)
    print("%d servers at once, %d failure(s)" % (PARALLEL, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
