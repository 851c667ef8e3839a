#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The user's guide docs/guide-ja.md against the program it describes.

    guide_test.py SOURCE_DIR PROBEL_CLI

- Every line of the guide's ```sh blocks that calls probel-cli runs and exits 0. The lines run
  in the guide's order, with bash (they may use pipes and loops), in a temporary folder that
  holds a copy of examples/: the guide names its inputs examples/... and its outputs as plain
  names, as a user who follows it in the source tree would, and nothing lands in the tree.
  PROBEL_CLI's folder comes first on PATH.
- A ```text block right after a ```sh block of one command is that command's standard output,
  to the byte.
- Every picture the guide shows exists under docs/, is a PNG small enough for the repository, and
  is made by scripts/make-guide-pictures.sh; every picture in docs/guide/ is shown by the guide.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

SOURCE = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2]
CLI = Path(sys.argv[2]) if len(sys.argv) > 2 else SOURCE / "build/src/cli/probel-cli"
GUIDE = SOURCE / "docs/guide-ja.md"
PICTURE_SCRIPT = SOURCE / "scripts/make-guide-pictures.sh"
MAX_PICTURE_BYTES = 300 * 1024
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
COMMANDS = ("stats", "plot", "render", "dump", "convert")


def code_blocks(text):
    """The fenced blocks of a Markdown text, in order, as matches: group 1 the language, group 2
    the body."""
    return list(re.finditer(r"^```(\w*)\n(.*?)^```[ \t]*$", text, flags=re.M | re.S))


def command_lines(body):
    """The probel-cli lines of a shell block, continuation lines joined."""
    joined = re.sub(r"[ \t]*\\\n\s*", " ", body)
    lines = [line.strip() for line in joined.splitlines()]
    return [line for line in lines if re.search(r"\bprobel-cli\b", line) and not line.startswith("#")]


def examples(text):
    """(command, expected output or None) for every probel-cli line of the guide."""
    found = []
    blocks = code_blocks(text)
    for block, following in zip(blocks, blocks[1:] + [None]):
        if block.group(1) != "sh":
            continue
        lines = command_lines(block.group(2))
        expected = None
        # A text block is the output only right after a block of one command, blanks between.
        if (len(lines) == 1 and following is not None and following.group(1) == "text"
                and text[block.end():following.start()].strip() == ""):
            expected = following.group(2)
        found += [(line, expected if line == lines[-1] else None) for line in lines]
    return found


def pictures(text):
    return re.findall(r"!\[[^\]]*\]\(([^)\s]+)\)", text)


class GuideTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.text = GUIDE.read_text(encoding="utf-8")

    def test_every_probel_cli_example_runs_as_written(self):
        found = examples(self.text)
        # A parser that found nothing would pass any guide: every command must be shown.
        for command in COMMANDS:
            self.assertTrue(any(f"probel-cli {command}" in line for line, _ in found), f"no {command} example")
        environment = dict(os.environ)
        environment["PATH"] = f"{CLI.resolve().parent}{os.pathsep}{environment.get('PATH', '')}"
        environment.setdefault("QT_QPA_PLATFORM", "offscreen")
        with tempfile.TemporaryDirectory() as folder:
            shutil.copytree(SOURCE / "examples", Path(folder) / "examples")
            for line, expected in found:
                with self.subTest(command=line):
                    result = subprocess.run(["bash", "-o", "pipefail", "-c", line], cwd=folder, env=environment,
                                            capture_output=True, text=True, timeout=120)
                    self.assertEqual(result.returncode, 0, f"{line}\n{result.stderr}")
                    if expected is not None:
                        self.assertEqual(result.stdout, expected, line)

    def test_shown_outputs_are_checked(self):
        # The stats example's output is the one users compare their first run with.
        checked = [line for line, expected in examples(self.text) if expected is not None]
        self.assertTrue(any("stats" in line for line in checked), "no stats output checked")

    def test_every_picture_exists_and_is_made_by_the_script(self):
        shown = pictures(self.text)
        self.assertGreater(len(shown), 10, "the guide shows hardly any pictures")
        script = PICTURE_SCRIPT.read_text(encoding="utf-8")
        for name in shown:
            with self.subTest(picture=name):
                path = GUIDE.parent / name
                self.assertTrue(path.is_file(), f"{name} is missing; run make guide")
                self.assertTrue(name.startswith("guide/") and name.endswith(".png"), name)
                self.assertEqual(path.read_bytes()[:8], PNG_SIGNATURE, f"{name} is not a PNG")
                self.assertLessEqual(path.stat().st_size, MAX_PICTURE_BYTES, f"{name} is too large")
                self.assertIn(Path(name).name, script, f"{name} is not made by {PICTURE_SCRIPT.name}")

    def test_every_picture_in_the_folder_is_shown(self):
        shown = {Path(name).name for name in pictures(self.text)}
        for path in sorted((GUIDE.parent / "guide").glob("*.png")):
            with self.subTest(picture=path.name):
                self.assertIn(path.name, shown, f"docs/guide/{path.name} is not shown by the guide")


class ParserTest(unittest.TestCase):
    """The extraction itself: a wrong parser would let a broken example through."""

    def test_commands_outputs_and_pictures_are_found(self):
        text = (
            "![a](guide/a.png)\n```sh\nprobel-cli stats \\\n  x.txt\n```\n\n```text\nn : 1\n```\n"
            "```sh\n# probel-cli in a comment\necho hi | probel-cli dump y.pbl\nls\nprobel-cli render y.pbl -o y.png\n```\n"
            "```text\nnot an output: two commands above\n```\n"
        )
        self.assertEqual(
            examples(text),
            [
                ("probel-cli stats x.txt", "n : 1\n"),
                ("echo hi | probel-cli dump y.pbl", None),
                ("probel-cli render y.pbl -o y.png", None),
            ],
        )
        self.assertEqual(pictures(text), ["guide/a.png"])

    def test_a_text_block_after_prose_is_no_output(self):
        text = "```sh\nprobel-cli stats x.txt\n```\n\nSome words.\n\n```text\nn : 1\n```\n"
        self.assertEqual(examples(text), [("probel-cli stats x.txt", None)])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
