#!/usr/bin/env bash
# check-chm.sh <compiled .chm> <language source folder> <page>...
# Reads the compiled file back with libchm's own tools: each page named on the
# command line (the topic codes the program opens) and each page of the contents
# must be in it, and every page must be its source in the Windows code page.
set -euo pipefail
chm=$1 src=$2; shift 2
fail=0
listing=$(enum_chmLib "$chm")
pages=("$@")
while read -r page; do pages+=("$page"); done < <(grep -io 'name="Local" value="[^"]*"' "$src/contents.hhc" | sed 's/.*value="\([^"#]*\).*/\1/')
for page in "${pages[@]}"; do
  grep -q "[[:space:]]/$page\$" <<<"$listing" || { echo "$chm: $page is missing" >&2; fail=1; }
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
extract_chmLib "$chm" "$out" >/dev/null
for source in "$src"/*.htm; do
  page=$(basename "$source")
  if ! cmp -s <(iconv -f UTF-8 -t CP1252 "$source" | sed 's/\r\?$/\r/') "$out/$page"; then
    echo "$chm: $page differs from $source in the Windows code page" >&2; fail=1
  fi
done
[ $fail -eq 0 ] && echo "$chm: ${#pages[@]} pages checked"
exit $fail
