# Summarises the start-up benchmark's results (startup_bench's lines, without carriage returns):
# the medians of each program's starts, varnel's ratios to each floor, and the failed or missing
# starts, which make it exit with status 1.
#   awk -v expected=STARTS -v order="varnel FLOOR..." -f summary.awk RESULTS
{ name = $1; sub(/.*\\/, "", name); sub(/\.exe$/, "", name); lines++ }
$2 == "failed" { failed[name] = failed[name] " " $3; next }
{ n[name]++; ms[name, n[name]] = $2; rd[name, n[name]] = $3; ws[name, n[name]] = $4; pr[name, n[name]] = $5 }
function median(a, k, count,    i, j, t, v) {
    for (i = 1; i <= count; i++) v[i] = a[k, i]
    for (i = 1; i <= count; i++) for (j = i + 1; j <= count; j++)
        if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return count % 2 ? v[(count + 1) / 2] : (v[count / 2] + v[count / 2 + 1]) / 2
}
END {
    count = split(order, names, " ")
    for (i = 1; i <= count; i++) {
        p = names[i]
        if (!n[p]) continue
        m[p] = median(ms, p, n[p]); d[p] = median(rd, p, n[p])
        w[p] = median(ws, p, n[p]); r[p] = median(pr, p, n[p])
        printf "%-14s starts %2d  median until shown %7.1f ms  until ready %7.1f ms  peak working set %7d KiB  peak private %7d KiB\n", p, n[p], m[p], d[p], w[p], r[p]
    }
    for (i = 2; i <= count; i++) {
        f = names[i]
        if (n["varnel"] && n[f])
            printf "ratio varnel/%-16s until shown %.2f, until ready %.2f, peak working set %.2f, peak private %.2f\n", f ":", m["varnel"] / m[f], d["varnel"] / d[f], w["varnel"] / w[f], r["varnel"] / r[f]
    }
    bad = 0
    for (p in failed) { printf "FAILED starts of %s:%s\n", p, failed[p] > "/dev/stderr"; bad = 1 }
    if (lines != expected) {
        printf "FAILED: %d starts recorded, %d expected\n", lines, expected > "/dev/stderr"
        bad = 1
    }
    exit bad
}
