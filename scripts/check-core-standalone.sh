#!/usr/bin/env bash
# The gas and the measurements are the core every front end builds (the
# windows, molvix-lab, a page in a browser): plain C++. Each of their files
# includes only the C++ standard library and the two libraries' own headers,
# and their CMake targets link nothing and look in no folder but their own.
# usage: check-core-standalone.sh SOURCE_DIR TARGETS_FILE
#   TARGETS_FILE lines are "TARGET PROPERTY=VALUE;VALUE...", written by CMake
#   from the targets' LINK_LIBRARIES, INTERFACE_LINK_LIBRARIES and
#   INCLUDE_DIRECTORIES (tests/packaging/CMakeLists.txt).
set -euo pipefail
src="${1:?usage: check-core-standalone.sh SOURCE_DIR TARGETS_FILE}"
targets="${2:?targets file}"
dirs=(src/gas src/measure)
status=0
fault() {
  echo "FAIL: $*"
  status=1
}

# The C++20 standard library's headers, the C library's among them as <cxxx>,
# and the compiler's own vector instructions (no library behind them).
standard="algorithm any array atomic barrier bit bitset charconv chrono codecvt compare complex
  concepts condition_variable coroutine deque exception execution filesystem format
  forward_list fstream functional future initializer_list iomanip ios iosfwd iostream istream
  iterator latch limits list locale map memory memory_resource mutex new numbers numeric
  optional ostream queue random ranges ratio regex scoped_allocator semaphore set
  shared_mutex source_location span sstream stack stdexcept stop_token streambuf string
  string_view syncstream system_error thread tuple type_traits typeindex typeinfo
  unordered_map unordered_set utility valarray variant vector version
  cassert cctype cerrno cfenv cfloat cinttypes climits clocale cmath csetjmp csignal cstdarg
  cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype
  immintrin.h arm_neon.h wasm_simd128.h"
standard=" $(echo $standard) "

# A header that is there and lies in one of the two folders.
root="$(realpath "$src")"
own() {
  local path
  path="$(realpath -m "$1")"
  [ -f "$path" ] && [[ "$path" == "$root/src/gas/"* || "$path" == "$root/src/measure/"* ]]
}

# 1. Every #include of every file in the two folders.
checked=0
while IFS= read -r hit; do
  file="${hit%%:*}"
  rest="${hit#*:}"
  line="${rest%%:*}"
  text="${rest#*:}"
  if [[ "$text" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([^>]*)\> ]]; then
    header="${BASH_REMATCH[1]}"
    [[ "$standard" == *" $header "* ]] || fault "$file:$line includes <$header>, not the standard library"
  elif [[ "$text" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]*)\" ]]; then
    header="${BASH_REMATCH[1]}"
    own "$(dirname "$file")/$header" || own "$root/src/gas/$header" ||
      own "$root/src/measure/$header" ||
      fault "$file:$line includes \"$header\", which is not the gas's or the measurements'"
  else
    fault "$file:$line includes what this check cannot read: $text"
  fi
  checked=$((checked + 1))
done < <(grep -rHnE '^[[:space:]]*#[[:space:]]*include' "${dirs[@]/#/$src/}")
[ "$checked" -gt 0 ] || fault "no #include found under ${dirs[*]}: is $src the source tree?"

# 2. What the targets link and where they look for headers.
for target in molvix_gas molvix_measure; do
  grep -q "^$target " "$targets" || fault "$targets says nothing of $target"
done
while read -r target assignment; do
  property="${assignment%%=*}"
  IFS=';' read -r -a values <<<"${assignment#*=}"
  for value in "${values[@]}"; do
    [ -n "$value" ] || continue
    case "$property" in
    *LINK_LIBRARIES)
      case "$value" in
      molvix_gas | molvix_measure) ;;
      *) fault "$target links $value ($property)" ;;
      esac
      ;;
    INCLUDE_DIRECTORIES)
      case "$value" in
      "$src/src/gas" | "$src/src/measure" | */"${target}_autogen/include") ;;
      *) fault "$target looks for headers in $value" ;;
      esac
      ;;
    esac
  done
done <"$targets"

[ "$status" -eq 0 ] && echo "the gas and the measurements stand on the standard library: $checked includes"
exit "$status"
