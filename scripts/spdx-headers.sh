#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Gives every tracked source file an SPDX licence line (MIT, the project's licence) near its top:
# first line, or second after a "#!" line. A file that already names a licence there keeps its
# own (zones/isonames.inc is LGPL-2.1-or-later and zones/citynames.inc Unicode-3.0, as the data
# they hold). Running it
# again changes nothing.
# Usage: spdx-headers.sh [--check]   --check lists the files without one and exits 1 if any.
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
case "${1:-}" in
  --check) check=1 ;;
  "") ;;
  *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

tag="SPDX-License-Identifier:"
licence="MIT"

# The comment leader a file's language uses, or nothing for a file that is not source.
leader() {
  case "$1" in
    *.cpp | *.cc | *.h | *.hpp | *.c | *.inc | *.js | *.mjs) echo "//" ;;
    *.py | *.sh | *.cmake | */CMakeLists.txt | CMakeLists.txt) echo "#" ;;
    *) head -c 2 -- "$1" | grep -q '^#!' && echo "#" || true ;;
  esac
}

missing=()
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  mark=$(leader "$file")
  [ -n "$mark" ] || continue
  head -n 3 -- "$file" | grep -q "$tag" && continue
  missing+=("$file")
  [ "$check" -eq 1 ] && continue
  tmp=$(mktemp "$file.XXXXXX")
  if head -c 2 -- "$file" | grep -q '^#!'; then
    { head -n 1 -- "$file"; echo "$mark $tag $licence"; tail -n +2 -- "$file"; } >"$tmp"
  else
    { echo "$mark $tag $licence"; echo; cat -- "$file"; } >"$tmp"
  fi
  # Keep the file's mode (scripts stay executable).
  chmod --reference="$file" "$tmp"
  mv -- "$tmp" "$file"
done < <(git ls-files -z -- ':!:tools/art/package-lock.json')

if [ "$check" -eq 1 ]; then
  [ ${#missing[@]} -eq 0 ] && exit 0
  echo "no SPDX licence line in the first lines of:" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi
[ ${#missing[@]} -eq 0 ] || printf 'added an SPDX line to %s\n' "${missing[@]}"
