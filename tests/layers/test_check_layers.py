#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The include-order check on small planted trees: each row is a tree, whether the
check passes, and what its report must name."""

import pathlib
import subprocess
import sys
import tempfile
import unittest

CHECK = pathlib.Path(sys.argv.pop(1))

# files of the planted game tree, whether the check passes, text the report must hold
CASES = {
    "layered tree": (
        {"board/Rules.h": '#include <QString>\n',
         "board/ui/Panel.h": '#include "board/Rules.h"\n#include <QWidget>\n',
         "main/Flow.h": '#include "board/Rules.h"\n',
         "main/ui/Window.cpp": '#include "board/ui/Panel.h"\n#include "main/Flow.h"\n'},
        True, ""),
    "rules include a widget header": (
        {"board/Rules.cpp": '#include <QWidget>\n'},
        False, "board/Rules.cpp: includes Qt window header <QWidget>"),
    "rules include a gui module path": (
        {"net/Flow.cpp": '#include <QtGui/QPixmap>\n'},
        False, "net/Flow.cpp: includes Qt window header <QtGui/QPixmap>"),
    "flow includes a window file": (
        {"board/ui/Panel.h": "", "board/Flow.cpp": '#include "board/ui/Panel.h"\n'},
        False, "board/Flow.cpp: includes window file board/ui/Panel.h"),
    "rules include a library widget": (
        {"main/Flow.cpp": '#include "Pane.h"\n'},
        False, "main/Flow.cpp: includes Pane.h, which includes <QWidget>"),
    "two folders include each other": (
        {"board/A.h": '#include "net/B.h"\n', "net/B.h": '#include "board/C.h"\n', "board/C.h": ""},
        False, "board -> net   (board/A.h: net/B.h)\n  net -> board   (net/B.h: board/C.h)"),
    "window folders include each other": (
        {"main/ui/W.h": '#include "board/ui/P.h"\n', "board/ui/P.h": '#include "main/ui/K.h"\n',
         "main/ui/K.h": ""},
        False, "folder include cycle"),
}


class CheckLayersTest(unittest.TestCase):
    def test_planted_trees(self):
        for name, (files, passes, reported) in CASES.items():
            with self.subTest(name), tempfile.TemporaryDirectory() as work:
                work = pathlib.Path(work)
                for folder, header in (("QtWidgets", "QWidget"), ("QtGui", "QPixmap"), ("QtCore", "QString")):
                    (work / "qt" / folder).mkdir(parents=True)
                    (work / "qt" / folder / header).write_text("")
                (work / "lib").mkdir()
                (work / "lib" / "Pane.h").write_text("#include <QWidget>\n")
                for path, text in files.items():
                    (work / "game" / path).parent.mkdir(parents=True, exist_ok=True)
                    (work / "game" / path).write_text(text)
                run = subprocess.run(
                    [sys.executable, str(CHECK), str(work / "game"),
                     "--qt-include-dirs", f"{work}/qt/QtWidgets|{work}/qt/QtGui|{work}/qt/QtCore",
                     "--library-dir", str(work / "lib")],
                    capture_output=True, text=True)
                self.assertEqual(run.returncode == 0, passes, run.stdout + run.stderr)
                self.assertIn(reported, run.stdout)


if __name__ == "__main__":
    unittest.main()
