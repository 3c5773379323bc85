#!/usr/bin/env bash
# Draws every chart type (tabulo-chart-gallery) and photographs the gallery
# page in headless Chromium: docs/chart-types.png.
# Usage: tools/chart_gallery/make_contact_sheet.sh [BUILD_DIR] [gif|png|svg]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
format=${2:-gif}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/tabulo-chart-gallery" "$work/gallery" "$format"
mkdir -p docs
HOME=$work chromium --headless --no-sandbox --disable-gpu --hide-scrollbars \
  --window-size=1900,2500 --screenshot="$PWD/docs/chart-types.png" "file://$work/gallery/index.html" 2>/dev/null
echo "docs/chart-types.png"
