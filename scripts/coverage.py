#!/usr/bin/env python3
"""Line coverage of engine/src/*.cpp in a build made with --coverage, each source file read
from its own .gcda (a header's lines are not counted, nor a file no test reached).

    cmake -S . -B build-cov -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="--coverage -O0" \
          -DCMAKE_EXE_LINKER_FLAGS=--coverage
    cmake --build build-cov -j2 --target tolm_tests
    ctest --test-dir build-cov -E '^(e2e|structure|install|fuzz|soak|package|web)'
    scripts/coverage.py build-cov      # total line, and build-cov/coverage.txt per file
"""
import pathlib
import re
import subprocess
import sys

build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else 'build-cov').resolve()
rows = {}
for gcda in build.rglob('*.cpp.gcda'):
    if 'engine/src/' not in str(gcda):
        continue
    source = str(gcda)[:-len('.gcda')].split('engine/src/', 1)[1]
    out = subprocess.run(['gcov', '-n', '-o', str(gcda.parent), str(gcda)], cwd=build,
                         capture_output=True, text=True).stdout
    for m in re.finditer(r"File '([^']+)'\nLines executed:([\d.]+)% of (\d+)", out):
        if m.group(1).endswith('engine/src/' + source):
            total = int(m.group(3))
            rows[source] = (round(float(m.group(2)) * total / 100), total)
if not rows:
    sys.exit(f'no coverage data under {build}: build with --coverage and run the tests first')
hit = sum(r[0] for r in rows.values())
total = sum(r[1] for r in rows.values())
print(f'{hit} of {total} lines ({100 * hit / total:.2f} %) in {len(rows)} files')
with open(build / 'coverage.txt', 'w') as report:
    for source in sorted(rows):
        report.write(f'{source} {rows[source][0]} {rows[source][1]}\n')
