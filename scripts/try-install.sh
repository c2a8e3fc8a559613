#!/usr/bin/env bash
# Tries the installer without touching your own desktop. Builds the release and
# its distribution folder, places the folder in DIR/korvo as a user places it,
# and installs it there with korvosetup, its drive dialog answered with DIR.
# DIR stands in for the home folder: the menu entries go to DIR/.local/share
# and DIR/.config. DIR must lie on a local fixed disk.
#
#   scripts/try-install.sh DIR                     install
#   scripts/try-install.sh DIR --start             then start the installed program from
#                                                  its menu entry's command line (needs a display)
#   scripts/try-install.sh DIR --screenshot PNG    then start it on a private screen
#                                                  (xvfb-run -a), capture the screen into PNG
#                                                  after a few seconds and stop it (needs
#                                                  ImageMagick's import)
set -euo pipefail

usage() {
  sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
}
[ $# -ge 1 ] || usage
dir=$1
shift
mode=install
shot=
case "${1:-}" in
  "") ;;
  --start) mode=start ;;
  --screenshot) [ $# -ge 2 ] || usage; mode=screenshot; shot=$2 ;;
  *) usage ;;
esac

case "$shot" in "" | /*) ;; *) shot="$(pwd)/$shot" ;; esac
mkdir -p "$dir/korvo"
dir=$(cd "$dir" && pwd -P)

cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target korvo_dist

cp -r build/release/distribution/korvo/. "$dir/korvo/"

export HOME="$dir" XDG_DATA_HOME="$dir/.local/share" XDG_CONFIG_HOME="$dir/.config"
(cd "$dir/korvo" && ./korvosetup --unattended "$dir")
echo "try-install: installed into $dir/korvo; menu entries:"
ls "$XDG_DATA_HOME/applications/"orvane-8-0-*.desktop

# One key of a desktop entry, with the entry's escapes and quoting undone
# (the Exec value is a single argument here).
entry_value() {
  local value
  value=$(sed -n "s/^$2=//p" "$1" | head -n 1 | sed -e 's/\\\\/\\/g')
  if [ "${value:0:1}" = '"' ]; then
    value=$(printf '%s' "${value:1:${#value}-2}" | sed -e 's/\\\(.\)/\1/g')
  fi
  printf '%s' "$value" | sed -e 's/%%/%/g'
}
entry="$XDG_DATA_HOME/applications/orvane-8-0-korvo.desktop"
program=$(entry_value "$entry" Exec)
folder=$(entry_value "$entry" Path)
echo "try-install: the menu entry starts '$program' in '$folder'"

case $mode in
  start)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "try-install: there is no display; use --screenshot PNG instead." >&2
      exit 1
    fi
    cd "$folder"
    exec "$program"
    ;;
  screenshot)
    command -v import >/dev/null || { echo "try-install: --screenshot needs ImageMagick's import." >&2; exit 1; }
    export program folder shot
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
      cd "$folder" || exit 1
      "$program" & pid=$!
      sleep 8
      import -window root "$shot"
      kill "$pid"; wait "$pid" 2>/dev/null || true'
    echo "try-install: the opening screen is in $shot"
    ;;
esac
