#!/usr/bin/env python3
"""The layering check finds what it is there to find, in a small planted tree."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import check_layers  # noqa: E402

CMAKE = '''tarnwick_module(foundation WIN_LIBS advapi32)
tarnwick_module(storage DEPS tarnwick_foundation)
tarnwick_module(toolkit DEPS tarnwick_foundation tarnwick_storage
                WIN_LIBS user32)
tarnwick_module(timer DEPS tarnwick_foundation tarnwick_toolkit)
'''


class PlantedTree(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.tree = self.dir.name
        self.write('src/CMakeLists.txt', CMAKE)
        self.write('src/foundation/strings/Str.h', '#pragma once\n')
        self.write('src/toolkit/Box.h', '#pragma once\n#include "foundation/strings/Str.h"\n')
        self.write('src/toolkit/win/Window.cpp', '#include <windows.h>\n#include "toolkit/Box.h"\n')
        self.write('tests/timer/TimerTests.cpp', '#include "toolkit/Box.h"\n')

    def tearDown(self):
        self.dir.cleanup()

    def write(self, relative, text):
        path = os.path.join(self.tree, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, 'w', encoding='utf-8') as out:
            out.write(text)

    def test_clean_tree_passes(self):
        self.assertEqual(check_layers.check_tree(self.tree), [])

    def test_findings_name_file_and_line(self):
        self.write('src/storage/Store.cpp', '// store\n\n#include "toolkit/Box.h"\n')
        self.write('tests/foundation/StrTests.cpp', '#include "timer/Timer.h"\n')
        self.write('src/timer/Dialog.cpp', '#include "storage/Store.h"\n')
        self.write('src/toolkit/Layout.cpp', '#include <Windows.h>\n#include "toolkit/win/Window.h"\n')
        self.write('src/toolkit/win/Paint.cpp', 'void f(HDC dc) { DeleteDC(dc); }  // DeleteDC(\n')
        self.assertEqual(sorted(check_layers.check_tree(self.tree)), sorted([
            'src/storage/Store.cpp:3: storage includes toolkit (a module above or beside it): "toolkit/Box.h"',
            'tests/foundation/StrTests.cpp:1: foundation includes timer (a module above or beside it): "timer/Timer.h"',
            'src/timer/Dialog.cpp:1: timer includes storage (not among its CMake dependencies): "storage/Store.h"',
            'src/toolkit/Layout.cpp:1: Windows header <Windows.h> outside a win/ folder',
            'src/toolkit/Layout.cpp:2: "toolkit/win/Window.h" is a Windows header, included outside a win/ folder',
            'src/toolkit/win/Paint.cpp:1: DeleteDC by hand; use an owner of system/win/Handles.h',
        ]))

    def test_cmake_dependency_upwards_is_found(self):
        self.write('src/CMakeLists.txt', CMAKE + 'tarnwick_module(skins DEPS tarnwick_timer)\n')
        self.assertEqual(check_layers.check_tree(self.tree),
                         ['src/CMakeLists.txt: skins names timer, which is not below it'])


if __name__ == '__main__':
    unittest.main()
