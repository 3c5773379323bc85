#!/usr/bin/env bash
# Installs the Debian 12 packages that tabulo builds, runs and is tested with.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  # libraries
  libxml2-dev libcli11-dev libcairo2-dev libpango1.0-dev libgif-dev libimagequant-dev libzip-dev zlib1g-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev libxml2-utils xsltproc unzip python3 time
  python3-openpyxl python3-docx python3-xlsxwriter
  # the browser that checks the HTML pages, the office suite that opens the
  # workbooks, and the fonts both are asked for
  chromium libreoffice-calc-nogui fonts-liberation2
)

run() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

export DEBIAN_FRONTEND=noninteractive
run apt-get update
run apt-get install -y --no-install-recommends "${packages[@]}"
