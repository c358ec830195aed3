#!/usr/bin/env bash
# Fails when the code's layers do not run one way: base -> ui -> folders, icons, shortcut -> app.
# A file in src/ includes headers of its own folder and of the layers below it, never of one
# beside it. The libraries of src/*/CMakeLists.txt link the same way, and no two of them depend
# on each other both ways.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
declare -A layer=([base]=0 [ui]=1 [folders]=2 [icons]=2 [shortcut]=2 [app]=3)
failed=0

allowed() {  # allowed FROM TO
  [ "$1" = "$2" ] || [ "${layer[$2]}" -lt "${layer[$1]}" ]
}

# Every include of a header in a layer's folder.
include='^([^:]+):([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z]+)/'
while IFS= read -r hit; do
  [[ $hit =~ $include ]] || continue
  file=${BASH_REMATCH[1]}
  to=${BASH_REMATCH[3]}
  from=${file#src/}
  from=${from%%/*}
  [ -n "${layer[$from]:-}" ] && [ -n "${layer[$to]:-}" ] || continue
  if ! allowed "$from" "$to"; then
    echo "check-layers: $file:${BASH_REMATCH[2]}: $from includes $to, a layer it may not use" >&2
    failed=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' src)

# Every link between the libraries, as "from to" pairs: the first library a call names links
# the others.
links=$(cat src/*/CMakeLists.txt | tr '\n' ' ' | grep -oE 'target_link_libraries\([^)]*\)' |
  while read -r call; do
    names=($(grep -oE 'velmora_[a-z]+' <<<"$call" | sed 's/velmora_//'))
    for to in "${names[@]:1}"; do echo "${names[0]} $to"; done
  done | sort -u)
while read -r from to; do
  [ -n "$from" ] || continue
  if [ -z "${layer[$to]:-}" ] || ! allowed "$from" "$to"; then
    echo "check-layers: velmora_$from links velmora_$to, a layer it may not use" >&2
    failed=1
  fi
done <<<"$links"
# Both ways, also through other libraries: each library's reach, grown until it stops growing.
declare -A reach
for folder in "${!layer[@]}"; do
  reach[$folder]=" $(awk -v from="$folder" '$1 == from {print $2}' <<<"$links" | tr '\n' ' ')"
done
for _ in "${!layer[@]}"; do
  for folder in "${!layer[@]}"; do
    for to in ${reach[$folder]}; do
      for further in ${reach[$to]:-}; do
        [[ ${reach[$folder]} == *" $further "* ]] || reach[$folder]+="$further "
      done
    done
  done
done
for folder in "${!layer[@]}"; do
  for to in ${reach[$folder]}; do
    if [[ $folder < $to && ${reach[$to]:-} == *" $folder "* ]]; then
      echo "check-layers: velmora_$folder and velmora_$to depend on each other" >&2
      failed=1
    fi
  done
done
exit $failed
