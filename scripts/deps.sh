#!/usr/bin/env bash
# Installs the Debian packages the host build needs, skipping what is present.
# Sourced by scripts/test and scripts/showcase.
pane_install_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get -o DPkg::Lock::Timeout=600 update -q || return 1
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -q "${missing[@]}" || return 1
}

PANE_HOST_PACKAGES=(build-essential cmake libgtest-dev libgmock-dev libbenchmark-dev libstb-dev
  qt6-base-dev fonts-liberation fonts-dejavu-core fonts-urw-base35 fonts-font-awesome fonts-terminus-otb
  fonts-ipafont-gothic fonts-wqy-zenhei fonts-unifont)
# The style check (scripts/format).
PANE_FORMAT_PACKAGES=(clang-format)
# The API reference (scripts/docs).
PANE_DOCS_PACKAGES=(doxygen)
# The sanitizer and fuzzing legs: clang with its sanitizer and libFuzzer runtimes.
PANE_CLANG_PACKAGES=(clang libclang-rt-dev)
