#!/usr/bin/env bash
# Checks that dependencies point one way: calculator, library, records ->
# platform -> engine; engine without Qt; the print companion with nothing of
# the calculator (of platform only the toolkit-free and Qt Core text helpers
# and the programs' own look); core folders and the console front-end without
# a toolkit. Looks at the include lines of every source file and at the
# target_link_libraries lines of every CMakeLists.txt; given the built
# console program, also at the libraries it loads.
# Usage: scripts/check_layering.sh [SOURCE_DIR [CONSOLE_PROGRAM]]
#        (exit status 1 on a breach)
set -uo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
console_program="${2:-}"
cd "$root" || exit 2

qt_include='Q[A-Za-z]*|Qt[A-Za-z]*/'
calculator_side='calculator/|library/|records/|cli/'

# The platform headers that belong to its widget library (orvik_platform_qt):
# one per source file listed there.
platform_widget_headers() {
  sed -n '/add_library(orvik_platform_qt/,/)/p' platform/CMakeLists.txt 2>/dev/null \
    | grep -oE '[a-z_]+\.cpp' | sed 's/\.cpp$/\\.h/' | paste -sd'|' -
}
widgets=$(platform_widget_headers)
companion_platform="platform/(${widgets:-^$})"

# folder ; includes it must not have (ERE after '#include <' or '"') ;
# link targets it must not name (ERE on whole words)
rules=(
  "engine;${qt_include}|platform/|${calculator_side}|companion/;Qt6::.*|orvik_.*"
  "platform;${calculator_side}|companion/;orvik_(calculator|library|records|companion|cli).*"
  "records;calculator/|companion/|cli/;orvik_(calculator|companion|cli).*"
  "library;calculator/|companion/|cli/;orvik_(calculator|companion|cli).*"
  "companion;engine/|${calculator_side}|${companion_platform};orvik_(engine|calculator|library|records|cli|platform_qt).*"
  "calculator/core;${qt_include};Qt6::.*"
  "library/core;${qt_include};Qt6::.*"
  "cli;${qt_include}|calculator/|companion/|${companion_platform};Qt6::.*|orvik_(calculator.*|library|records_ui|platform_qt|platform_text|companion.*)"
)

breaches=0
breach() {
  echo "layering: $1"
  breaches=$((breaches + 1))
}

# The libraries named by every target_link_libraries(TARGET ...) call below
# a folder, one "file: library" a line.
link_words() {
  find "$1" -name CMakeLists.txt -print0 2>/dev/null | while IFS= read -r -d '' file; do
    awk -v file="$file" '
      function flush(   n, i, words) {
        gsub(/target_link_libraries[ \t]*\(|\)/, " ", call)
        n = split(call, words, /[ \t]+/)
        for (i = 1; i <= n; i++)
          if (words[i] !~ /^(|PUBLIC|PRIVATE|INTERFACE)$/ && ++seen > 1) print file ": " words[i]
        call = ""; seen = 0
      }
      /target_link_libraries[ \t]*\(/ { on = 1 }
      on { sub(/#.*/, ""); call = call " " $0 }
      on && /\)/ { on = 0; flush() }
    ' "$file"
  done
}

check_rule() {
  local folder=$1 includes=$2 links=$3
  [ -d "$folder" ] || return 0
  while IFS= read -r line; do
    breach "$folder must not include this: $line"
  done < <(grep -rnE --include='*.h' --include='*.cpp' \
             "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"](${includes})" "$folder")
  while IFS= read -r line; do
    breach "$folder must not link this: $line"
  done < <(link_words "$folder" | grep -E ": (${links})$")
}

for rule in "${rules[@]}"; do
  IFS=';' read -r folder includes links <<<"$rule"
  check_rule "$folder" "$includes" "$links"
done

# The console program starts like a small tool: no toolkit library is
# loaded, directly or through another one.
if [ -n "$console_program" ]; then
  if ! libraries=$(ldd "$console_program" 2>&1); then
    breach "cannot list the libraries of $console_program: $libraries"
  else
    while IFS= read -r line; do
      breach "the console program must not load this: $line"
    done < <(grep -E 'lib(Qt|qt)[0-9A-Za-z]*' <<<"$libraries" | sed 's/^[[:space:]]*//')
  fi
fi

if [ "$breaches" -gt 0 ]; then
  echo "$breaches layering breach(es)"
  exit 1
fi
echo "layering: dependencies point one way"
