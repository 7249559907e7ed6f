"""Runs the code blocks of the module's guide in turn, as a reader would, in a folder the reader
may not write to, and fails if any block fails or leaves a file there.

    python3 tutorial.py GUIDE
"""
import os
import re
import sys
import tempfile
from pathlib import Path


def run_guide(guide):
    """Runs the guide's blocks and returns the names they made."""
    blocks = re.findall(r"```python\n(.*?)```", Path(guide).read_text(encoding="utf-8"), re.S)
    assert len(blocks) >= 7, f"only {len(blocks)} blocks in {guide}"
    start = os.getcwd()
    with tempfile.TemporaryDirectory() as parent:
        locked = Path(parent) / "locked"
        locked.mkdir(mode=0o500)
        os.chdir(locked)
        try:
            namespace = {"__name__": "__guide__"}
            for block in blocks:
                exec(compile(block, str(guide), "exec"), namespace)
            left = sorted(os.listdir(locked))
            assert not left, f"the guide left {left} in the current folder"
        finally:
            os.chdir(start)
    return namespace


if __name__ == "__main__":
    run_guide(sys.argv[1])
    print("the guide's blocks ran")
