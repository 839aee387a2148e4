#!/usr/bin/env bash
# Fails when a file under src/ includes a header from a folder its own folder may not use, or a
# Qt header in a folder that must stay free of Qt. The allowed edges are src/layers.txt.
# Usage: check_includes.sh SRC_FOLDER
set -euo pipefail
src=${1:?usage: check_includes.sh SRC_FOLDER}

declare -A uses kind
while read -r folder qt deps; do
  [[ -z $folder || $folder == \#* ]] && continue
  kind[$folder]=$qt
  uses[$folder]=" $folder $deps "
done < "$src/layers.txt"

faults=0
for dir in "$src"/*/; do
  folder=$(basename "$dir")
  if [[ -z ${kind[$folder]:-} ]]; then
    echo "$folder/: not in layers.txt"
    faults=$((faults + 1))
    continue
  fi
  while IFS= read -r hit; do
    file=${hit%%:*}; rest=${hit#*:}; line=${rest%%:*}; text=${rest#*:}
    where="${file#"$src"/}:$line"
    if [[ $text =~ \#[[:space:]]*include[[:space:]]*\"([^/\"]+)/ ]]; then
      used=${BASH_REMATCH[1]}
      if [[ ${uses[$folder]} != *" $used "* ]]; then
        echo "$where: $folder/ may not include from $used/: $text"
        faults=$((faults + 1))
      fi
    elif [[ $text =~ \#[[:space:]]*include[[:space:]]*\<Q ]] && [[ ${kind[$folder]} != qt ]]; then
      echo "$where: $folder/ must not include Qt: $text"
      faults=$((faults + 1))
    fi
  done < <(grep -HnE '^[[:space:]]*#[[:space:]]*include' "$dir"*.h "$dir"*.cpp 2>/dev/null || true)
done

if ((faults)); then
  echo "$faults include(s) break the layers of src/layers.txt"
  exit 1
fi
echo "includes keep to src/layers.txt"
