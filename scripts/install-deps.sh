#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian 12 machine, only when missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-svg-dev poppler-utils xvfb xauth cnvkit bedtools)
# The cohort workflow (workflow/Snakefile) and its test; Debian 12 ships Snakemake 7.21.
packages+=(snakemake)
# ASCAT reads the allele analysis's LogR and BAF files back in the tests.
packages+=(r-other-ascat)
# The real tumour/normal pair the tests read (data-ex/PairedPSCBS,exData,chr01.Rbin) and PSCBS's calls on it.
packages+=(r-cran-pscbs)
# The array profile readers read gzipped exports with zlib, and inflate them with ISA-L's igzip
# where it is installed (src/CMakeLists.txt): a third of zlib's time.
packages+=(zlib1g-dev libisal-dev)
# The faster linker (cmake/Linker.cmake).
packages+=(lld)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
