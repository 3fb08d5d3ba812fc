# What the installation tests check of an installed program, sourced by
# installation_test.sh and paketbau_test.sh. The caller sets $plugins (the
# folder of the plugin fluvan-fernsteuerung); $ort is a fresh folder, removed
# at the end.

ort=$(mktemp -d)
trap 'rm -rf "$ort"' EXIT

# What the window shows, one line per medium (line breaks and tabs as \n, \t):
# the first medium as it opens, then the last one of the list. The shipped
# document holds a row of values for the first and an empty row for the last.
erwartet='Acetaldehyde: \n100\t15\t1.7\n
Zinc sulphate: \n\t\t\n'

# Runs the program with the plugin, in the folder $ort, so that it cannot
# read a copy beside the current folder.
starte() {
  QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=fluvan-fernsteuerung "$1"
}

pruefe() {
  local programm=$1 soll=$2 ist
  if ! ist=$(cd "$ort" && starte "$programm"); then
    printf 'FAIL %s ended with an error:\n%s\n' "$programm" "$ist"
    exit 1
  fi
  if [ "$ist" != "$soll" ]; then
    printf 'FAIL %s shows:\n%s\nexpected:\n%s\n' "$programm" "$ist" "$soll"
    exit 1
  fi
  printf 'ok %s\n' "$programm"
}

# The desktop's menu and a software centre find the program: its desktop
# entry and AppStream metadata pass their validators, the entry's Icon names
# an installed icon and its Exec the installed program.
#   pruefeDesktop PREFIX
pruefeDesktop() {
  local ort=$1 kennung=org.fluvan.fluvan2 eintrag metainfo meldung wert
  eintrag="$ort/share/applications/$kennung.desktop"
  metainfo="$ort/share/metainfo/$kennung.metainfo.xml"
  for datei in "$eintrag" "$metainfo" "$ort/share/icons/hicolor/scalable/apps/$kennung.svg"; do
    [ -f "$datei" ] || { printf 'FAIL %s is not installed\n' "$datei"; exit 1; }
  done
  if ! meldung=$(desktop-file-validate "$eintrag" 2>&1) || [ -n "$meldung" ]; then
    printf 'FAIL desktop-file-validate %s:\n%s\n' "$eintrag" "$meldung"
    exit 1
  fi
  if ! meldung=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    printf 'FAIL appstreamcli validate %s:\n%s\n' "$metainfo" "$meldung"
    exit 1
  fi
  wert=$(sed -n 's/^Icon=//p' "$eintrag")
  ls "$ort"/share/icons/hicolor/*/apps/"$wert".png "$ort/share/icons/hicolor/scalable/apps/$wert.svg" >/dev/null 2>&1 ||
    { printf 'FAIL the entry names the icon %s, which is not installed\n' "$wert"; exit 1; }
  wert=$(sed -n 's/^Exec=//p' "$eintrag")
  # A bare name, which the desktop finds on its PATH in the prefix's bin/.
  [[ "$wert" != */* && -x "$ort/bin/$wert" ]] ||
    { printf 'FAIL the entry runs %s, which is not the installed program\n' "$wert"; exit 1; }
  printf 'ok desktop entry, metadata and icon under %s\n' "$ort"
}

# The desktop matches a running program's X windows to its entry by their
# class (WM_CLASS), which the entry names in StartupWMClass: the program,
# started on a virtual X display, shows its start screen, and every window of
# it that has a class has that one.
#   pruefeFensterklasse PROGRAM DESKTOP_ENTRY
pruefeFensterklasse() {
  local programm=$1 eintrag=$2 soll nummer versuch x='' p='' n fenster klasse klassen=''
  soll=$(sed -n 's/^StartupWMClass=//p' "$eintrag")
  [ -n "$soll" ] || { printf 'FAIL %s names no StartupWMClass\n' "$eintrag"; exit 1; }
  nummer="$ort/anzeige"
  # Xvfb picks a free display itself; under load a fresh one now and then
  # refuses its first clients, and is given up for another.
  bereit() { grep -q '^[0-9]' "$nummer" && DISPLAY=:$(head -n 1 "$nummer") xprop -root >/dev/null 2>&1; }
  for versuch in 1 2 3; do
    : >"$nummer"
    Xvfb -displayfd 3 -nolisten tcp 3>"$nummer" >/dev/null 2>&1 & x="$x $!"
    for n in $(seq 400); do bereit && break; sleep 0.025; done
    bereit && break
    [ "$versuch" -lt 3 ] || { printf 'FAIL no virtual X display here\n'; kill $x; exit 1; }
  done
  DISPLAY=:$(head -n 1 "$nummer")
  export DISPLAY
  (cd "$ort" && QT_QPA_PLATFORM=xcb exec "$programm") >"$ort/fenster.log" 2>&1 & p=$!
  for n in $(seq 600); do
    klassen=
    for fenster in $(xwininfo -root -children | awk '/^ +0x/ {print $1}' || true); do
      # A window may be gone by now.
      klasse=$(xprop -id "$fenster" -notype WM_CLASS 2>/dev/null | sed -n 's/^WM_CLASS = "[^"]*", "\(.*\)"$/\1/p') || true
      [ -z "$klasse" ] || klassen="$klassen $klasse"
    done
    [ -z "$klassen" ] && kill -0 $p 2>/dev/null || break
    sleep 0.05
  done
  kill $p $x 2>/dev/null; wait $p $x 2>/dev/null || true
  [ -n "$klassen" ] ||
    { printf 'FAIL %s showed no window on an X display:\n' "$programm"; cat "$ort/fenster.log"; exit 1; }
  for klasse in $klassen; do
    [ "$klasse" = "$soll" ] ||
      { printf 'FAIL a window of %s has the class %s, its entry StartupWMClass=%s\n' "$programm" "$klasse" "$soll"; exit 1; }
  done
  printf 'ok the windows of %s have the class %s of their entry\n' "$programm" "$soll"
}
