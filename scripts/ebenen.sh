#!/usr/bin/env bash
# Checks the direction of the includes: a file includes only its own folder
# and the levels below it, and Qt only in platform/ and app/.
#   scripts/ebenen.sh [root]   (default: the repository)
set -uo pipefail
wurzel=${1:-"$(dirname "$0")/.."}
cd "$wurzel" || exit 2

# 1 numbers, state, language texts, ports; 2 tables and pure functions;
# 3 the chain; 4 the Qt layer and the shared fakes; 5 the windows.
declare -A ebene=(
  [base]=1
  [catalogue]=2 [parameters]=2 [designaid]=2 [output]=2 [conductivity]=2
  [engine]=3
  [platform]=4 [fakes]=4
  [app]=5
)
# Across folders of one level, one direction only: a size rule names the
# parameter set it hands over to.
declare -A nachbar=([catalogue]="parameters")
qt_ordner=" platform app "
qt_muster='include[[:space:]]*<Q'

fehler=0
for ordner in "${!ebene[@]}"; do
  [ -d "$ordner" ] || continue
  while IFS=: read -r datei _ zeile; do
    ziel=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$zeile")
    if [[ $zeile =~ $qt_muster ]]; then
      if [[ $qt_ordner != *" $ordner "* ]]; then
        echo "$datei: Qt outside platform/ and app/: $ziel"
        fehler=1
      fi
      continue
    fi
    zielordner=${ziel%%/*}
    [[ $ziel == */* ]] || continue
    [ "$zielordner" = "$ordner" ] && continue
    if [ -z "${ebene[$zielordner]+x}" ]; then
      echo "$datei: includes $ziel, outside the levels"
      fehler=1
    elif (( ebene[$zielordner] > ebene[$ordner] )); then
      echo "$datei: level ${ebene[$ordner]} includes level ${ebene[$zielordner]}: $ziel"
      fehler=1
    elif (( ebene[$zielordner] == ebene[$ordner] )) && [[ " ${nachbar[$ordner]:-} " != *" $zielordner "* ]]; then
      echo "$datei: includes $ziel of the same level"
      fehler=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$ordner" --include='*.h' --include='*.cpp'; \
           grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$ordner" --include='*.h' --include='*.cpp')
done
exit $fehler
