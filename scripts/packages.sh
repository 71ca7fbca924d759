# The Debian packages Norvane's scripts need, and the function that installs
# the missing ones. Sourced by setup.sh and package.sh.

PACKAGES=(
  # building
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev zlib1g-dev libmpg123-dev libsndfile1-dev libsoxr-dev libsoundtouch-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  help2man librsvg2-bin
  # the tools the programs run, the demo packs' voice, the tests' MP3 tag reader
  lame cdrdao espeak-ng fonts-dejavu-core fonts-hosny-amiri python3-mutagen
  # Bengali letters, so that the layout test measures the Bengali window's real widths
  fonts-lohit-beng-bengali
  # the download tests' local server, and the benchmark's baseline
  python3 curl
  # the window on a virtual display (run.sh, screenshot.sh)
  xvfb xauth imagemagick x11-utils xdotool
  # the .deb and its checks (package.sh, the package test)
  dpkg-dev file lintian desktop-file-utils appstream
)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "$(basename "$0" .sh): installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}
