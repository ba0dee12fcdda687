# Sourced by the scripts: the wine environment of a build folder ($TESSALY_BUILD).
: "${TESSALY_BUILD:?TESSALY_BUILD must name the build folder}"
export WINEPREFIX="$TESSALY_BUILD/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
WINE64=/usr/lib/wine/wine64
[ -x "$WINE64" ] || WINE64=$(command -v wine64 || command -v wine)
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

# The Windows form (Z:\...) of a Linux path.
winpath() {
  local p
  p=$(readlink -f "$1")
  printf 'Z:%s' "${p//\//\\}"
}
