#!/usr/bin/env python3
"""scripts/check-layers on a small tree that breaks each of its rules: it must name every breach,
and only those (the tree's allowed includes, a relative one among them, pass).

    tests/layering/check-layers-test.py
"""

import pathlib
import subprocess
import sys
import unittest

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
CHECK = ROOT / "scripts" / "check-layers"


def Run(src):
    return subprocess.run([sys.executable, str(CHECK), str(src)], capture_output=True, text=True)


class CheckLayers(unittest.TestCase):
    def test_every_breach_of_the_fixture_is_named_by_file_line_and_include(self):
        result = Run(HERE / "fixture" / "src")
        self.assertEqual(result.returncode, 1, result.stderr)
        below_workstation = "platform, model, scoring, indices, interpretation, joint, reports, statistics"
        self.assertEqual(
            result.stdout.splitlines(),
            [
                'src/cli/Command.h:3: #include "../ui/Window.h": cli/ may not include ui/ '
                f"(it includes only {below_workstation}, workstation, cli)",
                "src/extra/Tool.cpp: the folder extra has no layer in scripts/check-layers",
                "src/joint/Report.h:5: #include <QtCore/QList>: the core library includes no Qt header",
                "src/model/Record.cpp:3: #include <qglobal.h>: the core library includes no Qt header",
                "src/model/Record.h:5: #include <QString>: the core library includes no Qt header",
                'src/reports/Page.cpp:1: #include "joint/Report.h": reports/ may not include joint/ '
                "(it includes only platform, model, scoring, indices, reports)",
                'src/reports/Page.cpp:2: #include "statistics/Row.h": reports/ may not include statistics/ '
                "(it includes only platform, model, scoring, indices, reports)",
                'src/scoring/Figures.cpp:1: #include "indices/Index.h": scoring/ may not include indices/ '
                "(it includes only platform, model, scoring)",
                'src/workstation/Session.cpp:1: #include "cli/Command.h": workstation/ may not include cli/ '
                f"(it includes only {below_workstation}, workstation)",
            ],
        )


if __name__ == "__main__":
    unittest.main()
