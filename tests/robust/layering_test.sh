#!/usr/bin/env bash
# The layering check finds each kind of breach in a small tree and passes a
# tree that keeps the rules; given a program that loads Qt, it refuses that
# as the console program. Usage: layering_test.sh CHECK_SCRIPT [QT_PROGRAM]
set -uo pipefail
check=$1
qt_program=${2:-}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

# A tree that keeps the rules.
make_tree() {
  rm -rf "$tree"/*
  mkdir -p "$tree"/{engine,platform,records,library/core,companion,calculator/core,cli}
  printf 'add_library(orvik_platform_qt STATIC\n  widget_user_port.cpp\n)\n' >"$tree/platform/CMakeLists.txt"
  printf '#include <cmath>\n#include "engine/engine.h"\n' >"$tree/engine/evaluator.cpp"
  printf '#include "platform/gbk.h"\n#include <QPainter>\n' >"$tree/companion/page.cpp"
  printf 'target_link_libraries(orvik_companion_ui\n  PUBLIC orvik_platform_text Qt6::Widgets  # text only\n)\n' \
    >"$tree/companion/CMakeLists.txt"
  printf '#include "platform/atomic_file.h"\n#include "engine/engine.h"\n' >"$tree/records/file.cpp"
  printf 'target_link_libraries(orvik_library PUBLIC orvik_library_core orvik_platform_qt)\n' \
    >"$tree/library/CMakeLists.txt"
}

# name | file to add to | line to add | what the report must name
cases=(
  "Qt in the engine|engine/evaluator.cpp|#include <QString>|engine/evaluator.cpp:3"
  "Qt linked into the engine|engine/CMakeLists.txt|target_link_libraries(orvik_engine PRIVATE Qt6::Core)|Qt6::Core"
  "engine in the companion|companion/page.cpp|  #  include \"engine/engine.h\"|companion/page.cpp:3"
  "calculator linked into the companion|companion/CMakeLists.txt|target_link_libraries(vek_print PRIVATE orvik_calculator_core)|orvik_calculator_core"
  "a platform widget in the companion|companion/page.cpp|#include \"platform/widget_user_port.h\"|widget_user_port.h"
  "calculator in the records|records/file.cpp|#include \"calculator/core/messages.h\"|records/file.cpp:3"
  "calculator linked into the library|library/CMakeLists.txt|target_link_libraries(orvik_library PRIVATE orvik_calculator)|orvik_calculator"
  "Qt in a core folder|library/core/store.h|#include <QtCore/QDir>|library/core/store.h:1"
  "Qt in the console|cli/console.cpp|#include <QString>|cli/console.cpp:1"
  "widgets linked into the console|cli/CMakeLists.txt|target_link_libraries(orvik_cli PRIVATE orvik_library)|orvik_library"
)

failures=0
make_tree
if ! output=$("$check" "$tree"); then
  echo "FAIL: a tree that keeps the rules was refused:"
  echo "$output"
  failures=$((failures + 1))
fi
for entry in "${cases[@]}"; do
  IFS='|' read -r name file line expected <<<"$entry"
  make_tree
  echo "$line" >>"$tree/$file"
  if output=$("$check" "$tree") || ! grep -qF "$expected" <<<"$output"; then
    echo "FAIL: $name: not reported as a breach naming $expected:"
    echo "$output"
    failures=$((failures + 1))
  fi
done
if [ -n "$qt_program" ]; then
  make_tree
  if output=$("$check" "$tree" "$qt_program") || ! grep -qF "libQt6" <<<"$output"; then
    echo "FAIL: a console program that loads Qt was not reported as a breach:"
    echo "$output"
    failures=$((failures + 1))
  fi
fi
[ "$failures" -eq 0 ] && echo "layering check: ${#cases[@]} kinds of breach found"
exit $((failures > 0))
