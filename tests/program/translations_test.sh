#!/usr/bin/env bash
# Every text of the program is in each translations/*.ts, translated, and no
# text the program no longer has is left there: lupdate, run on copies, finds
# nothing to add, finish or remove.
#   translations_test.sh LUPDATE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$root"/translations/*.ts "$scratch"
"$1" -locations none -no-obsolete -I "$root" "$root/window" "$root/app" -ts "$scratch"/*.ts >"$scratch/log"
status=0
for ts in "$scratch"/*.ts; do
  name=$(basename "$ts")
  if grep -B3 'type="unfinished"' "$ts" | grep '<source>'; then
    echo "translations: $name leaves these unfinished" && status=1
  fi
  diff -u "$root/translations/$name" "$ts" || {
    echo "translations: $name is not what lupdate makes of the sources" && status=1
  }
done
exit $status
