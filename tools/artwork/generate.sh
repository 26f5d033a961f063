#!/bin/sh
# Rebuilds Pics/ and resources/art/ (plus docs/contact-sheets/) from words.tsv.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
npm install --prefix "$tmp" --no-save --no-audit --no-fund --silent @iconify-json/noto
python3 "$here/generate.py" "$tmp/node_modules/@iconify-json/noto/icons.json" "$root"
