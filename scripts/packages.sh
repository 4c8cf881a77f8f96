# shellcheck shell=bash
# The Debian package installation every script of scripts/ shares: which
# packages are missing, installing them with apt-get (sudo when not root), and
# the names of packages that carry the installed compiler's version.
# Sourced, not run: . "$root/scripts/packages.sh"

# missingPackages PACKAGE...: prints those not installed, one a line.
missingPackages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

# installPackages PACKAGE...: installs those not installed yet; nothing when all are.
installPackages() {
  local missing sudo=""
  mapfile -t missing < <(missingPackages "$@")
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# clangRuntimePackage: the package of the installed clang's runtime (libFuzzer
# and the sanitizers), which Debian names after clang's major version
# (libclang-rt-14-dev for clang 14); fails when clang++ is not installed.
clangRuntimePackage() {
  command -v clang++ >/dev/null || return 1
  local version
  version=$(clang++ -dumpversion)
  echo "libclang-rt-${version%%.*}-dev"
}
