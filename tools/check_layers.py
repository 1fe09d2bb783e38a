#!/usr/bin/env python3
"""Holds the source tree to its layering.

- A module's files (src/<module>, tests/<module>) include only their own
  module and the modules its CMake target names (src/CMakeLists.txt), and a
  target names only modules below its own.
- Windows headers, and headers of win/ folders, are included only from files
  inside a win/ folder, so that everything else builds on the host.
- Native handles are closed only by the owner types; the few exceptions are
  named below with their reason.

Prints one line per finding, naming file and line, and exits 1 when there is
any. Usage: check_layers.py [TREE]
"""
import os
import re
import sys

# Lowest first; modules of one rank do not include each other.
RANKS = {
    'foundation': 0,
    'storage': 1,
    'localization': 2,
    'audio': 2,
    'toolkit': 3,
    'skins': 4,
    'timer': 5,
    'shell': 6,
}

WINDOWS_HEADERS = {
    'windows.h', 'winternl.h', 'winnt.h', 'winbase.h', 'winuser.h', 'wingdi.h', 'winreg.h',
    'mmsystem.h', 'mmreg.h', 'msacm.h', 'shellapi.h', 'shlobj.h', 'shlwapi.h', 'shobjidl.h',
    'commctrl.h', 'commdlg.h', 'tlhelp32.h', 'psapi.h', 'objbase.h', 'ole2.h', 'windowsx.h',
    'dwmapi.h', 'uxtheme.h', 'shtypes.h', 'knownfolders.h', 'combaseapi.h', 'winerror.h',
}

CLOSE_CALLS = re.compile(
    r'\b(CloseHandle|RegCloseKey|FindClose|DeleteDC|ReleaseDC|DeleteObject|DestroyIcon)\s*\(')

# Files that may call the release functions themselves.
CLOSE_EXCEPTIONS = {
    # The owner types: the one place where handles are released.
    'src/foundation/system/win/Handles.h',
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCE_SUFFIXES = ('.h', '.hpp', '.cpp', '.c', '.cc')


def module_deps(tree):
    """Each module's dependencies as its CMake target names them."""
    with open(os.path.join(tree, 'src', 'CMakeLists.txt'), encoding='utf-8') as cmake:
        text = cmake.read()
    deps = {}
    for match in re.finditer(r'tarnwick_module\(\s*(\w+)([^)]*)\)', text):
        words = match.group(2).split()
        listed = []
        if 'DEPS' in words:
            for word in words[words.index('DEPS') + 1:]:
                if word.isupper():
                    break
                listed.append(word.removeprefix('tarnwick_'))
        deps[match.group(1)] = listed
    return deps


def module_of(relative):
    parts = relative.split('/')
    if len(parts) > 2 and parts[0] in ('src', 'tests') and parts[1] in RANKS:
        return parts[1]
    return None


def in_win_folder(relative):
    return 'win' in relative.split('/')[:-1]


def check_cmake(deps):
    problems = []
    for module, listed in deps.items():
        if module not in RANKS:
            problems.append(f'src/CMakeLists.txt: unknown module {module}')
            continue
        for dep in listed:
            if dep not in RANKS or RANKS[dep] >= RANKS[module]:
                problems.append(f'src/CMakeLists.txt: {module} names {dep}, which is not below it')
    return problems


def check_file(tree, relative, deps):
    problems = []
    module = module_of(relative)
    allowed = {module, *deps.get(module, [])} if module else None
    win = in_win_folder(relative)
    with open(os.path.join(tree, relative), encoding='utf-8', errors='replace') as source:
        for number, line in enumerate(source, 1):
            where = f'{relative}:{number}'
            match = INCLUDE.match(line)
            if match:
                quote, path = match.groups()
                first = path.split('/')[0]
                if quote == '<' and path.lower() in WINDOWS_HEADERS and not win:
                    problems.append(f'{where}: Windows header <{path}> outside a win/ folder')
                if quote == '"' and '/win/' in '/' + path and not win:
                    problems.append(f'{where}: "{path}" is a Windows header, included outside a win/ folder')
                if quote == '"' and allowed is not None and first in RANKS and first not in allowed:
                    above = RANKS[first] >= RANKS[module]
                    why = 'a module above or beside it' if above else 'not among its CMake dependencies'
                    problems.append(f'{where}: {module} includes {first} ({why}): "{path}"')
            code = line.split('//', 1)[0]
            if CLOSE_CALLS.search(code) and relative not in CLOSE_EXCEPTIONS:
                call = CLOSE_CALLS.search(code).group(1)
                problems.append(f'{where}: {call} by hand; use an owner of system/win/Handles.h')
    return problems


def check_tree(tree):
    deps = module_deps(tree)
    problems = check_cmake(deps)
    for top in ('src', 'tests', 'bench'):
        for folder, _, files in os.walk(os.path.join(tree, top)):
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    relative = os.path.relpath(os.path.join(folder, name), tree).replace(os.sep, '/')
                    problems += check_file(tree, relative, deps)
    return problems


def main():
    tree = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')
    problems = check_tree(tree)
    for problem in problems:
        print(problem)
    print(f'layers: {len(problems)} finding(s)')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
