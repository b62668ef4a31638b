#!/bin/sh
# Writes, as a Markdown table, what `verify --ideas` proves of each floor:
# the ideas proved, not proved and inconclusive, and where the ideas line
# disagrees (listed but not proved, proved but not listed).
#   ideas-report.sh [TOOL] [OUT.md] [VERIFY_OUTPUT] [MAX_STATES]
# With VERIFY_OUTPUT (verify --ideas's standard output, as bench/floors.sh
# keeps it) the ablations are not run again; MAX_STATES is the budget each
# search had (verify's own default when not given).
set -e
tool=${1:-build/release/quorrel-floors}
out=${2:-build/floors/ideas-report.md}
mkdir -p "$(dirname "$out")"
if [ -n "$3" ]; then
    verified=$3
else
    verified=$(mktemp); trap 'rm -f "$verified"' EXIT
    "$tool" verify --ideas ${4:+--max-states $4} >"$verified" 2>/dev/null || true
fi
awk -v budget="${4:-3000000}" -v when="$(date -u '+%Y-%m-%d %H:%M UTC')" -v rev="$(git rev-parse --short HEAD 2>/dev/null || echo '?')" '
function flush() {
    if (floor == "") return
    printf "| %s | %s | %s | %s | %s | %s |\n", floor, list(p), list(np), list(inc), list(lnp), list(pnl)
    floor = ""
}
function list(s) { return s == "" ? "" : substr(s, 3) }
BEGIN {
    print "# Ideas proved by ablation"
    print ""
    print "`verify --ideas` at " rev ", " when ". A tool is proved when the search with it banned"
    print "is exhaustive and finds no way; a pressure when the floor without it needs fewer lifts."
    print "Inconclusive: a search ran out of its budget (" budget " worlds) and proves nothing."
    print ""
    print "| Floor | Proved | Not proved | Inconclusive | Listed, not proved | Proved, not listed |"
    print "|---:|---|---|---|---|---|"
}
/^floor [0-9]+:/ { flush(); floor = $2; sub(":", "", floor); p = np = inc = lnp = pnl = ""; next }
/^  [a-z-]+: / {
    idea = $1; sub(":", "", idea)
    listed = ($0 ~ /\(listed\)$/)
    if ($2 == "proved") { p = p ", " idea; if (!listed) pnl = pnl ", " idea }
    else if ($2 == "not") { np = np ", " idea; if (listed) lnp = lnp ", " idea }
    else if ($2 == "inconclusive") { inc = inc ", " idea; if (listed) lnp = lnp ", " idea "?" }
    if ($2 == "inconclusive") { ninc++; incs = incs " " floor ":" idea }
    next
}
END {
    flush()
    print ""
    print "Inconclusive, " ninc + 0 " in all:" incs
}' "$verified" >"$out"
echo "$out"
