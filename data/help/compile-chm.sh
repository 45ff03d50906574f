#!/usr/bin/env bash
# compile-chm.sh <language source folder> <shared css> <work folder> <output .chm>
# Converts the UTF-8 sources (LF lines) of one language to the Windows code
# page and CR LF lines the viewer expects, adds the shared style sheet and
# compiles them with chmcmd. Every page the table of contents names must exist:
# chmcmd only warns about a missing one and would ship a dead topic.
set -euo pipefail
src=$1 css=$2 work=$3 out=$4

rm -rf "$work"
mkdir -p "$work" "$(dirname "$out")"
for file in "$src"/*; do
  name=$(basename "$file")
  case "$name" in
    *.htm|*.html|*.hhc|*.hhk|*.hhp) iconv -f UTF-8 -t CP1252 "$file" | sed 's/\r\?$/\r/' >"$work/$name" ;;
    *) cp "$file" "$work/$name" ;;
  esac
done
cp "$css" "$work/"

projects=("$work"/*.hhp)
[ ${#projects[@]} -eq 1 ] && [ -f "${projects[0]}" ] || { echo "compile-chm: need exactly one .hhp in $src" >&2; exit 1; }
project=${projects[0]}
chm=$(tr -d '\r' <"$project" | sed -n 's/^Compiled file=//p')
toc=$(tr -d '\r' <"$project" | sed -n 's/^Contents file=//p')
[ -n "$chm" ] && [ -f "$work/$toc" ] || { echo "compile-chm: $project names no output or contents file" >&2; exit 1; }

missing=0
while read -r page; do
  if [ ! -f "$work/$page" ]; then echo "compile-chm: $src/$toc names missing page $page" >&2; missing=1; fi
done < <(grep -io 'name="Local" value="[^"]*"' "$work/$toc" | sed 's/.*value="\([^"#]*\).*/\1/')
[ $missing -eq 0 ] || exit 1

# The file list is every page of the folder; chmcmd's own link scan is off
# because it stores a page twice when both the contents and a link name it.
{
  printf '\r\n[FILES]\r\n'
  for file in "$work"/*; do
    case "$file" in *.hhp|*.hhc|*.hhk) ;; *) printf '%s\r\n' "$(basename "$file")" ;; esac
  done
} >>"$project"

rm -f "$work/$chm"
if ! log=$(cd "$work" && chmcmd --no-html-scan "$(basename "$project")" 2>&1) || [ ! -s "$work/$chm" ]; then
  echo "$log" >&2
  echo "compile-chm: chmcmd failed for $project" >&2
  exit 1
fi
cp "$work/$chm" "$out"
