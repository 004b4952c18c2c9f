#!/usr/bin/env python3
"""Runs one stored case of a tool and compares everything the run produced with expected/.

Usage: run_case.py <folder of the built tools> <case folder>
With UPDATE_CASES=1 in the environment, expected/ is rewritten from the run instead.

A case folder holds: why (what the case shows), cmd (the tool, then its arguments, shell
words), optionally stdin (the answers piped in), in/ (copied into a fresh working folder,
symlinks kept), optionally share (more files to copy in: a repository path per line, then
optionally the name of the copy), optionally links (symlinks to make there: a name and its
target per line, such as a link to /dev/full), and expected/: status, stdout, optionally stderr, and
files/<name> for every file the run creates or changes (<name>.sha256, the digest of a file
over 100 kB).
"""
import difflib
import hashlib
import os
import shlex
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

LIMIT = 100 * 1024  # bytes: larger outputs are stored as their digest
REPO = Path(__file__).resolve().parents[2]


def tree(root):
    """Every file and symlink under root: relative path -> its bytes (a link: its target)."""
    found = {}
    for entry in sorted(os.scandir(root), key=lambda e: e.name):
        if entry.is_symlink():
            found[entry.name] = b"symlink to " + os.readlink(entry.path).encode()
        elif entry.is_dir():
            for name, data in tree(entry.path).items():
                found[entry.name + "/" + name] = data
        elif entry.is_file():
            found[entry.name] = Path(entry.path).read_bytes()
    return found


def digest(data):
    return hashlib.sha256(data).hexdigest() + "\n"


def diff(label, want, got, cap=40):
    """A short unified diff of two outputs, or their digests when either is too large."""
    if len(want) > LIMIT or len(got) > LIMIT or label.endswith(".sha256"):
        return f"  {label}: expected {want[:64]!r}, got {got[:64]!r}\n"
    a = want.decode("latin-1").splitlines(keepends=True)
    b = got.decode("latin-1").splitlines(keepends=True)
    lines = [line[:160].rstrip("\n") + "\n" for line in difflib.unified_diff(a, b, label, label)]
    more = f"  ... {len(lines) - cap} more diff lines\n" if len(lines) > cap else ""
    return "".join(lines[:cap]) + more


def run(tools, case):
    words = shlex.split((case / "cmd").read_text())
    with tempfile.TemporaryDirectory(prefix="case-", ignore_cleanup_errors=True) as scratch:
        work = Path(scratch)
        if (case / "in").is_dir():
            shutil.copytree(case / "in", work, symlinks=True, dirs_exist_ok=True)
        if (case / "share").is_file():
            for line in (case / "share").read_text().splitlines():
                if line.split():  # a repository path, then optionally the name to give it
                    source, *name = line.split()
                    shutil.copy(REPO / source, work / (name[0] if name else Path(source).name))
        if (case / "links").is_file():
            for line in (case / "links").read_text().splitlines():
                if line.split():
                    name, target = line.split()
                    os.symlink(target, work / name)
        before = tree(work)
        stdin = case / "stdin" if (case / "stdin").is_file() else Path(os.devnull)
        env = dict(os.environ, LC_ALL="C")
        with open(stdin, "rb") as answers:
            try:
                r = subprocess.run(words, executable=tools / words[0], cwd=work,
                                   stdin=answers, capture_output=True, env=env, timeout=120)
                status = str(r.returncode)
                out, err = r.stdout, r.stderr
            except subprocess.TimeoutExpired as e:
                status, out, err = "timeout after 120 s", e.stdout or b"", e.stderr or b""
        after = tree(work)
    written = {name: data for name, data in after.items() if before.get(name) != data}
    removed = sorted(set(before) - set(after))
    return status, out, err, written, removed


def update(case, status, out, err, written):
    expected = case / "expected"
    expected.mkdir(exist_ok=True)
    (expected / "status").write_text(status + "\n")
    (expected / "stdout").write_bytes(out)
    if (expected / "stderr").is_file():
        (expected / "stderr").write_bytes(err)
    shutil.rmtree(expected / "files", ignore_errors=True)
    for name, data in written.items():
        path = expected / "files" / name
        path.parent.mkdir(parents=True, exist_ok=True)
        if len(data) > LIMIT:
            path.with_name(path.name + ".sha256").write_text(digest(data))
        else:
            path.write_bytes(data)


def compare(case, status, out, err, written, removed):
    """The differences from expected/, as (label, expected bytes, bytes of the run)."""
    expected = case / "expected"
    found = []
    want_status = (expected / "status").read_text().strip()
    if status != want_status:
        found.append(("status", want_status.encode() + b"\n", status.encode() + b"\n"))
    found += [(n, (expected / n).read_bytes(), got) for n, got in (("stdout", out), ("stderr", err))
              if (expected / n).is_file() and (expected / n).read_bytes() != got]
    want_files = tree(expected / "files") if (expected / "files").is_dir() else {}
    for name, want in want_files.items():
        plain = name[:-len(".sha256")] if name.endswith(".sha256") else name
        got = written.get(plain)
        if got is None:
            found.append((plain + " (not written by the run)", want, b""))
        elif plain != name and digest(got).encode() != want:
            found.append((name, want, digest(got).encode()))
        elif plain == name and got != want:
            found.append((name, want, got))
        written.pop(plain, None)
    found += [(name + " (written by the run, not expected)", b"", data)
              for name, data in written.items()]
    found += [(name + " (input removed)", b"", b"") for name in removed]
    return found


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    tools, case = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve()
    too_large = [p for p in case.rglob("*") if not p.is_symlink() and p.is_file()
                 and p.stat().st_size > LIMIT]
    status, out, err, written, removed = run(tools, case)
    if os.environ.get("UPDATE_CASES") == "1":
        update(case, status, out, err, written)
        print(f"updated {case}")
        return
    found = compare(case, status, out, err, written, removed)
    found += [(f"{p.relative_to(case)} (case data over 100 kB)", b"", b"") for p in too_large]
    why = (case / "why").read_text().strip() if (case / "why").is_file() else ""
    if not why:
        found.append(("why (missing: one line saying what the case shows)", b"", b""))
    if not found:
        return
    command = shlex.join(shlex.split((case / "cmd").read_text()))
    report = [f"FAILED {case}\n  {why.splitlines()[0] if why else ''}\n  {command}\n"]
    report += [f"  differs: {label}\n" for label, _, _ in found]
    report += [diff(label, want, got) for label, want, got in found[:3]]
    sys.stdout.write("".join(report))
    sys.exit(1)


if __name__ == "__main__":
    main()
