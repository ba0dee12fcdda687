#!/usr/bin/env bash
# Installs, once, every Debian package that the build, the tests and the demo need.
# Safe to run again: packages already present are skipped.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  wine64 wine64-tools libwine-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  xvfb xauth
  qpdf libqpdf-dev
  poppler-utils libpoppler-cpp-dev
  libfontconfig-dev libfreetype-dev fonts-liberation fonts-wine
  libcups2-dev
  libpng-dev zlib1g-dev
  libgtest-dev
  # fuzz targets and the sanitizer build of the unit tests
  clang libclang-rt-14-dev llvm
  # a real print system for the printing tests
  cups-daemon cups-client printer-driver-cups-pdf
  # the Windows installers, and a reader of them for the tests
  nsis p7zip-full
  fp-utils-3.2.2
  python3 locales
  # peak memory in the benchmarks (GNU time)
  time
  # manuals nobody here wrote, for the real-world outline test
  gnuplot-doc asymptote-doc
  # manuals in French and Japanese, with titles outside ASCII
  auto-multiple-choice-doc-pdf
  # Japanese glyphs on screen, for the Japanese manual's tree
  fonts-ipafont-gothic
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
