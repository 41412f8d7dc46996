#!/usr/bin/env bash
# Builds a statistics file from three protocols with the command-line tool and checks that R,
# the research group's tool, reads it as they do: tab-separated, CP1250, one header line.
# Usage: r-reads-statistics-file.sh QUELVARIN-CLI SAMPLE.qvl WORK-DIR
set -euo pipefail
cli=$1 sample=$2 work=$3
here=$(cd "$(dirname "$0")" && pwd)

rm -rf "$work" && mkdir -p "$work"

# Replaces whole lines of a CP1250 protocol; the new texts are given in UTF-8.
replace_lines() { # FILE OUT LINE=TEXT...
    local in=$1 out=$2 script=""
    shift 2
    for pair in "$@"; do
        script+="${pair%%=*}c\\"$'\n'"$(printf '%s' "${pair#*=}" | iconv -f UTF-8 -t CP1250)"$'\r\n'
    done
    LC_ALL=C sed "$script" "$in" > "$out"
}

cp "$sample" "$work/minta.qvl"
replace_lines "$sample" "$work/ferfi.qvl" 4=ferfi_51 7=férfi 8=51 "13=középiskola IV."
"$cli" new "$work/ures.qvl"
replace_lines "$work/ures.qvl" "$work/ekezetes.qvl" "4=Árvíztűrő_tükörfúrógép" 8=19 "13=általános iskola 8-ig"
rm "$work/ures.qvl"

"$cli" stat-header -o "$work/kutatas.dat"
"$cli" stat-attach "$work/kutatas.dat" "$work/minta.qvl" "$work/ferfi.qvl" "$work/ekezetes.qvl"

Rscript --vanilla "$here/read-statistics-file.R" "$work/kutatas.dat"
