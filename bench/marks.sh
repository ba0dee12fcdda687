# shellcheck shell=bash
# Sourced by the benchmarks: figures from the "mark LABEL: N ms" and "probe LABEL:
# longest wait N ms ..." lines a UI script prints.

# span_ms FROM TO MARKS: the milliseconds between two marks, or - when one is missing.
span_ms() {
  awk -v from="$1" -v to="$2" '
    /^mark / { label = $0; sub(/^mark /, "", label); sub(/: [0-9.]+ ms$/, "", label)
               value = $(NF - 1); at[label] = value }
    END { if ((from in at) && (to in at)) printf "%.0f", at[to] - at[from]; else printf "-" }
  ' "$3"
}

# seconds MS: "1.23 s", or - for -.
seconds() { [ "$1" = "-" ] && echo "-" || awk -v ms="$1" 'BEGIN { printf "%.2f s", ms / 1000 }'; }

# probe_wait LABEL MARKS: the longest wait a probe saw ("31.6 ms"), or -.
probe_wait() {
  awk -v label="$1" '{ prefix = "probe " label ": longest wait " }
                     index($0, prefix) == 1 { rest = substr($0, length(prefix) + 1)
                       sub(/ over .*/, "", rest); print rest; found = 1 }
                     END { if (!found) print "-" }' "$2"
}
