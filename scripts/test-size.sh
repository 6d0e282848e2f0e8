#!/usr/bin/env bash
# Prints the size of the tests against the size of the code they test:
# non-blank lines of tests/**/*.{cpp,h} against src/**/*.{cpp,h} plus
# tools/**/*.{cpp,h}, per module and in total. Fuzz targets, benchmarks and
# test data are neither. The project keeps the total ratio near 0.25-0.35.
set -euo pipefail
cd "$(dirname "$0")/.."

# Non-blank lines per module: "<module> <lines>" for every .cpp/.h under $1,
# the module being the first folder below $1 ("." for files directly in it).
lines_per_module() {
    local root=$1 label=$2
    find "$root" -type f \( -name '*.cpp' -o -name '*.h' \) -not -path "$root/data/*" -print0 |
        xargs -0 -r awk -v root="$root/" -v label="$label" '
            NF { rel = substr(FILENAME, length(root) + 1)
                 module = (label != "") ? label : (index(rel, "/") ? substr(rel, 1, index(rel, "/") - 1) : ".")
                 n[module]++ }
            END { for (m in n) print m, n[m] }'
}

{
    lines_per_module src "" | sed 's/^/code /'
    lines_per_module tools tools | sed 's/^/code /'
    lines_per_module tests "" | sed 's/^/test /'
} | sort -k2,2 | awk '
    { if ($1 == "code") code[$2] += $3; else test[$2] += $3
      if (!($2 in seen)) { seen[$2] = 1; names[++n] = $2 } }
    END {
        printf "%-12s %8s %8s %7s\n", "module", "tests", "code", "ratio"
        for (i = 1; i <= n; i++) {
            m = names[i]
            if (code[m] > 0) ratio = sprintf("%.2f", test[m] / code[m]); else ratio = "-"
            printf "%-12s %8d %8d %7s\n", m, test[m], code[m], ratio
            totalTests += test[m]; totalCode += code[m]
        }
        printf "%-12s %8d %8d %7.2f\n", "total", totalTests, totalCode, totalTests / totalCode
    }'
