#!/bin/sh
# Checks written .xlsx/.docx/.pptx files end to end: the zip reads back with
# unzip and every part validates against the schemas of this folder.
# Usage: check_package.sh FILE...   Exit status 0 when all files pass.
here=$(cd "$(dirname "$0")" && pwd)
status=0
for file in "$@"; do
  if ! unzip -tq "$file" > /dev/null; then
    echo "$file: the zip does not read back"
    status=1
    continue
  fi
  sh "$here/local/validate-ooxml.sh" --no-mce "$file" || status=1
done
exit $status
