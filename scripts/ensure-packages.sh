# ensure-packages.sh - sourced by the project's scripts: installs the Debian
# packages they need, only those that are missing.
#
#   source scripts/ensure-packages.sh
#   ensure_packages g++ cmake libgtest-dev
#
# Installed packages are found with dpkg-query and never reinstalled. A
# missing one is installed with apt-get (waiting for a package manager that
# runs elsewhere); the package lists are updated once, and only when an
# install cannot find a package without it.

ensure_packages() {
  local missing=() package status
  for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  echo "== installing ${missing[*]}"
  local sudo=()
  [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  local apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
  local log=/tmp/zrvreport-apt.log
  if ! "${apt[@]}" install -y --no-install-recommends "${missing[@]}" >"$log" 2>&1; then
    "${apt[@]}" update >>"$log" 2>&1
    if ! "${apt[@]}" install -y --no-install-recommends "${missing[@]}" >>"$log" 2>&1; then
      cat "$log" >&2
      echo "could not install ${missing[*]}" >&2
      return 1
    fi
  fi
}
