#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the SPDX licence identifier on the first line of every C++, CMake and shell source
# file that lacks one (after the "#!" line of a script): LGPL-2.1-or-later for Reelkit
# (reelkit/, tests/reelkit/, examples/), GPL-3.0-or-later for everything else, as LICENSE
# says. Files that already name a licence there are left alone, so running it again
# changes nothing. With --check it changes nothing and lists the files that lack the line,
# failing if there are any.
set -euo pipefail
cd "$(dirname "$0")/.."
check=false
[ "${1:-}" = --check ] && check=true

licence_of() {
  case "$1" in
    reelkit/* | tests/reelkit/* | examples/*) echo LGPL-2.1-or-later ;;
    *) echo GPL-3.0-or-later ;;
  esac
}

# comment_of FILE: the comment leader of its language, or nothing for other files.
comment_of() {
  case "$1" in
    debian/*) ;; # debian/copyright covers the packaging
    *.cpp | *.h) echo "//" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.cmake.in | *.sh) echo "#" ;;
    *) head -c 64 "$1" | head -n 1 | grep -qE '^#!.*\b(ba)?sh\b' && echo "#" || true ;;
  esac
}

missing=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  leader=$(comment_of "$file")
  [ -n "$leader" ] || continue
  # The line goes first, or second after a "#!" line.
  at=1
  head -n 1 "$file" | grep -q '^#!' && at=2
  sed -n "${at}p" "$file" | grep -q 'SPDX-License-Identifier:' && continue
  line="$leader SPDX-License-Identifier: $(licence_of "$file")"
  missing=$((missing + 1))
  if $check; then
    echo "$file"
  elif [ "$at" -eq 1 ]; then
    sed -i "1i $line" "$file"
  else
    sed -i "1a $line" "$file"
  fi
done < <(git ls-files -z)

if $check; then
  echo "$missing files lack an SPDX line"
  [ "$missing" -eq 0 ]
else
  echo "added an SPDX line to $missing files"
fi
