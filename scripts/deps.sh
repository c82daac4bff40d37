#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian machine (as root).
# Quiet and quick when everything is already there.
#
# A Debian mirror in the middle of a sync serves some indexes stale or not at
# all. Two things then go wrong on a new machine, and both are handled here:
# - `apt-get update` fails for one index (say the security suite's i386 list).
#   It is tried again after a pause, and then tolerated as long as every
#   package we need still has a candidate.
# - the amd64 libraries of a new machine come from the security suite, while
#   their i386 twins, which must be of the same version, are then only in the
#   main suite at another version: apt reports held broken packages. The
#   install is then tried once more with a temporary preference for the main
#   suite, so that both architectures take the main suite's version. The
#   preference is removed again on every way out of this script.
# When set-up fails for good, the last lines say which package could not be
# installed and why.
set -uo pipefail

packages=(cmake ninja-build g++ g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  googletest libstb-dev wine wine32:i386 xvfb xauth xdotool x11-apps imagemagick)
# The imaging benchmark's reference program and the pictures it is run on.
packages+=(pkg-config libjpeg62-turbo-dev libjpeg-turbo-progs libmagickcore-6.q16-dev)
# Puts the run command's recording of the plant scene together into one small GIF.
packages+=(gifsicle)

# Pauses between tries of `apt-get update`; tests may shorten them.
update_pauses=(${ZEB_DEPS_UPDATE_PAUSES:-10 30})
preference=/etc/apt/preferences.d/zeb-deps-prefer-main-suite
log=$(mktemp /tmp/zeb-deps.XXXXXX)

cleanup() {
  rm -f "$preference" "$log"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
# A run killed outright could not take its preference away; this one does.
rm -f "$preference"

say() { echo "deps: $*" >&2; }

# Fails with the package that could not be installed and apt's reason.
fail() {
  say "set-up failed: $1"
  if [ -s "$log" ]; then
    # apt's own reasons: unmet dependencies, missing packages, errors.
    grep -E '^(E:|W:)|Depends:|Breaks:|Conflicts:|has no installation candidate|Unable to locate' "$log" |
      head -n 25 | sed 's/^/deps:   /' >&2
  fi
  exit 1
}

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  say "missing packages: ${missing[*]}; run this script as root to install them"
  exit 1
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
say "installing ${missing[*]}"

# Packages among the missing ones that no loaded index offers.
without_candidate() {
  local p cand
  for p in "$@"; do
    cand=$(apt-cache policy "$p" 2>/dev/null | awk '/Candidate:/ {print $2; exit}')
    [ -z "$cand" ] || [ "$cand" = "(none)" ] && echo "$p"
  done
}

update_ok=0
for pause in "${update_pauses[@]}" last; do
  if apt-get update -q >"$log" 2>&1; then
    update_ok=1
    break
  fi
  [ "$pause" = last ] && break
  say "apt-get update failed ($(grep -m1 -E '^E:|^Err' "$log" | cut -c1-160)); trying again in ${pause}s"
  sleep "$pause"
done
if [ $update_ok -eq 0 ]; then
  unloaded=$(without_candidate "${missing[@]}" | tr '\n' ' ')
  if [ -n "$unloaded" ]; then
    fail "no package index offers ${unloaded}(apt-get update failed; is the network or the mirror down?)"
  fi
  say "warning: some package indexes did not load (mirror sync in progress?); going on with those that did:"
  grep -E '^(Err|E:)' "$log" | grep -v 'Some index files failed' | head -n 4 | sed 's/^/deps:   /' >&2
fi

# One install; a download that failed on the way (a file the mirror is just
# replacing) is tried again after a pause.
install() {
  local pause
  for pause in "${update_pauses[@]}" last; do
    apt-get install -y -q --no-install-recommends "$@" >"$log" 2>&1 && return 0
    grep -q -E 'Failed to fetch|Hash Sum mismatch|unexpected size' "$log" || return 1
    [ "$pause" = last ] && return 1
    say "a download failed ($(grep -m1 -E '^E:' "$log" | cut -c1-160)); trying again in ${pause}s"
    sleep "$pause"
  done
}

if ! install "${missing[@]}"; then
  if grep -q -E 'held broken packages|unmet dependencies|generated breaks' "$log"; then
    codename=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
    [ -n "$codename" ] || fail "apt could not resolve the dependencies, and the release's code name is unknown"
    say "apt found no consistent set of versions (an i386 library without its amd64 twin's version);"
    say "trying again with the main suite '$codename' preferred for this install only"
    printf 'Package: *\nPin: release n=%s\nPin-Priority: 990\n' "$codename" >"$preference"
    install "${missing[@]}" || fail "the packages could not be installed even with the main suite preferred"
    rm -f "$preference"
    say "installed with the main suite preferred; the preference is removed again"
  else
    fail "apt-get install failed"
  fi
fi

# Check the result rather than trust the exit code.
still=()
for p in "${missing[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || still+=("$p")
done
[ ${#still[@]} -eq 0 ] || fail "not installed after all: ${still[*]}"
exit 0
