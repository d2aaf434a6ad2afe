#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing the project needs.
# Idempotent and quiet: when everything is present it prints nothing and changes nothing.
set -euo pipefail

packages=(
  # toolchain and test frameworks; python3 runs the layering and docs checks (tests/project)
  g++ cmake ninja-build pkg-config ccache python3
  libgtest-dev libgmock-dev libbenchmark-dev
  # locale-aware collation
  libicu-dev
  # drawing surfaces
  libcairo2-dev
  # the record-file benchmark compares the engine with SQLite
  libsqlite3-dev
  # image codecs
  libpng-dev libjpeg62-turbo-dev
  # text: layout, font matching and the fonts the font configuration maps the system's faces to
  libpango1.0-dev libfontconfig-dev libharfbuzz-dev libfreetype-dev
  fonts-thai-tlwg fonts-liberation2 fonts-dejavu-core
  # Tahoma-metric Latin faces (regular and bold) and the compact looped Thai faces the forms' text uses
  fonts-wine fonts-noto-ui-core
  # the worksheet server's readers: binary workbooks, and packages (zip archives of XML parts)
  libfreexl-dev libzip-dev libexpat1-dev
  # the SDL display, and the X server, screenshot and input tools of its smoke test
  libsdl2-dev xvfb imagemagick xdotool
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q >/dev/null
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
