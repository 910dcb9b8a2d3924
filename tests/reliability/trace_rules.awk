# Judges an strace log (strace -f -y -e trace=%file,%network) of an exam program: prints one
# line per call that changes the file system or reaches beyond the local sockets a desktop
# program needs, and nothing when there is none.
#   awk -v scratch=DIR -v display=N -f trace_rules.awk TRACE
# DIR is the scratch folder that holds the program's HOME and XDG_* directories, N the X display.
# Counted as changes, whether the call succeeds or not:
#   - a file opened with O_WRONLY, O_RDWR, O_CREAT, O_TRUNC or O_TMPFILE, or creat;
#   - a file created, renamed, linked, unlinked or truncated, a directory made or removed, a
#     file's mode, owner, times or extended attributes changed;
#   - a socket other than AF_UNIX, any bind, listen or accept, and a connection anywhere but
#     to the X display and the session and accessibility buses.

function fail(why) { problems[++count] = why ": " $0 }

# Every path a call names: absolute ones as given, relative ones after the directory that
# strace -y shows for the descriptor before them ("?/name" when there is none).
function paths(text, out,    n, start, item, dir, string) {
    n = 0
    while (match(text, /([A-Z_0-9]+<[^>]*>, )?"([^"\\]|\\.)*"/)) {
        item = substr(text, RSTART, RLENGTH)
        text = substr(text, RSTART + RLENGTH)
        dir = ""
        if (item ~ /^[A-Z_0-9]+</) {
            dir = item
            sub(/^[A-Z_0-9]+</, "", dir)
            sub(/>, ".*$/, "", dir)
            sub(/^[^"]*/, "", item)
        }
        string = substr(item, 2, length(item) - 2)
        if (string !~ /^\//) string = (dir == "" ? "?" : dir) "/" string
        out[++n] = string
    }
    return n
}

# The toolkit changes nothing but these, each inside the scratch folder:
#   - mkdir of XDG_RUNTIME_DIR itself: Qt makes sure its runtime directory exists (mode
#     0700) by trying to create it; the folder already exists, so the call fails with
#     EEXIST and creates nothing;
#   - fontconfig's per-user cache in XDG_CACHE_HOME/fontconfig: fontconfig writes it
#     (lock file, temporary file renamed into place) when the system font cache does not
#     cover every font folder; with the system cache up to date it writes nothing. (Run as
#     root, fontconfig would refresh a stale /var/cache/fontconfig instead, outside the scratch
#     folder, and fail the test: font packages keep that cache current through fc-cache.)
function allowed(call, path) {
    if (call ~ /^mkdir/ && path == scratch "/runtime") return 1
    if (index(path, scratch "/cache/fontconfig/") == 1 || path == scratch "/cache/fontconfig")
        return 1
    return 0
}

function judge(call,    list, n, i) {
    n = paths($0, list)
    if (n == 0) { fail("names no path"); return }
    for (i = 1; i <= n; ++i) {
        if (!allowed(call, list[i])) { fail("changes " list[i]); return }
    }
}

/^[0-9]+ +<\.\.\. / { next }                 # the rest of an interrupted call
{
    call = $2
    sub(/\(.*/, "", call)
    ++calls[call]
}
call ~ /^(open|openat|openat2)$/ {
    if ($0 ~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_TMPFILE/) judge(call)
    next
}
call ~ /^(creat|mkdir|mkdirat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|rmdir|mknod|mknodat|truncate|chmod|fchmodat|chown|lchown|fchownat|utime|utimes|utimensat|futimesat|setxattr|lsetxattr|removexattr|lremovexattr)$/ {
    judge(call)
    next
}
call == "socket" {
    if ($0 !~ /^[0-9]+ +socket\(AF_UNIX,/) fail("not a local socket")
    next
}
call ~ /^(bind|listen|accept|accept4)$/ { fail("serves on a socket"); next }
call == "connect" {
    if ($0 !~ /sa_family=AF_UNIX/) { fail("connects over the network"); next }
    target = $0
    sub(/^.*sun_path=@?"/, "", target)
    sub(/".*$/, "", target)
    if (target == "/tmp/.X11-unix/X" display) { ++x; next }
    if (index(target, scratch "/bus/") == 1) next           # the session bus
    if (index(target, scratch "/runtime/at-spi/") == 1) next  # the accessibility bus
    fail("connects to " target)
}
END {
    # A trace that missed the program would prove nothing.
    if (calls["openat"] == 0 || x == 0) print "the trace shows no file opened or no display reached"
    for (i = 1; i <= count && i <= 50; ++i) print problems[i]
    if (count > 50) print "... and " count - 50 " more"
}
