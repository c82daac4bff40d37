#!/usr/bin/env bash
# Fails when a source under one folder reaches into a folder it must not
# depend on: by an #include (from the repository root or relative to the
# including file; system headers name no file here and pass) or by a CMakeLists.txt that compiles a file from there.
#
# usage: check_includes.sh ROOT FOLDER FORBIDDEN...
#   FOLDER and FORBIDDEN are relative to ROOT, e.g.
#   check_includes.sh . slideshow/engine slideshow/display slideshow/viewer
set -uo pipefail

if [ $# -lt 3 ]; then
  echo "usage: $0 ROOT FOLDER FORBIDDEN..." >&2
  exit 2
fi
root=$(cd "$1" && pwd -P) || exit 2
folder=$2
shift 2
forbidden=("$@")
if [ ! -d "$root/$folder" ]; then
  echo "no folder $folder under $root" >&2
  exit 2
fi

violations=0

# Prints the repository-relative path a reference names, or nothing when it
# names no existing file. A name is tried beside the referring file first,
# then from the root, as the compiler's quoted include search does here.
resolve() {
  local from_dir=$1 name=$2 candidate
  for candidate in "$from_dir/$name" "$root/$name"; do
    if [ -e "$candidate" ]; then
      candidate=$(realpath -m "$candidate")
      echo "${candidate#"$root"/}"
      return
    fi
  done
}

check() {
  local file=$1 line=$2 name=$3 target bad
  target=$(resolve "$(dirname "$file")" "$name")
  [ -n "$target" ] || return 0
  for bad in "${forbidden[@]}"; do
    bad=${bad%/}
    if [ "$target" = "$bad" ] || [[ "$target" == "$bad"/* ]]; then
      echo "${file#"$root"/}:$line: reaches $target (forbidden: $folder must not depend on $bad)"
      violations=$((violations + 1))
    fi
  done
}

while IFS= read -r -d '' file; do
  while IFS=: read -r line text; do
    name=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$text")
    check "$file" "$line" "$name"
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$file")
done < <(find "$root/$folder" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.c' -o -name '*.cpp' -o -name '*.rc' \) -print0)

while IFS= read -r -d '' file; do
  while IFS=: read -r line text; do
    for name in $(grep -oE '[^[:space:]()"]+\.(c|cpp|h|rc)\b' <<<"$text"); do
      check "$file" "$line" "$name"
    done
  done < <(grep -nE '\.(c|cpp|h|rc)\b' "$file")
done < <(find "$root/$folder" -type f -name CMakeLists.txt -print0)

if [ "$violations" -gt 0 ]; then
  echo "$violations forbidden reference(s) from $folder" >&2
  exit 1
fi
echo "$folder: no references into ${forbidden[*]}"
