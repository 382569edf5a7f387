# Sourced by scripts/ds-check and scripts/libnds-check: the names a platform <nds.h>
# of this project defines, read from its text (comments stripped, macros not
# expanded): macros, enum constants and types, functions and extern arrays, one per
# line, sorted. Needs arm-none-eabi-gcc.
#   pane_defined_names platform/nds/include/nds.h
pane_defined_names() {
  arm-none-eabi-gcc -fpreprocessed -dD -E -P -x c "$1" | awk '
    /^#define / { name = $2; sub(/\(.*/, "", name); print name; next }
    /^#/ { next }
    /^typedef enum/ {
      line = $0
      while (match(line, /[A-Za-z_][A-Za-z0-9_]* =/)) {
        print substr(line, RSTART, RLENGTH - 2)
        line = substr(line, RSTART + RLENGTH)
      }
      if (match($0, /} *[A-Za-z_][A-Za-z0-9_]*;/)) { t = substr($0, RSTART + 1, RLENGTH - 2); gsub(/ /, "", t); print t }
      next
    }
    /^extern [^(]*\[/ { line = $0; sub(/\[.*/, "", line); n = split(line, w, /[ *]+/); print w[n]; next }
    /^[A-Za-z_][A-Za-z0-9_ *]*\(/ { line = $0; sub(/\(.*/, "", line); n = split(line, w, /[ *]+/); print w[n]; next }
  ' | sort -u
}

# The names of the project's own making in each <nds.h>: include guards, the host's
# simulated memory and the DS header's register helper.
pane_own_names='^(PANE_[A-Z_]*_H|NDS_REG|HOST_[A-Z_]*|host[A-Za-z]*)$'

# Every identifier of the library's sources (comments stripped).
pane_source_names() {
  local file
  find "$1/source" \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0 | sort -z |
    while IFS= read -r -d '' file; do
      arm-none-eabi-gcc -fpreprocessed -dD -E -P -x c++ "$file"
    done | grep -oE '\b[A-Za-z_][A-Za-z0-9_]*\b' | sort -u
}

# The listed names (platform/common/libnds_names.txt), one per line, sorted.
pane_listed_names() { grep -vE '^[[:space:]]*(#|$)' "$1/platform/common/libnds_names.txt" | sort -u; }
