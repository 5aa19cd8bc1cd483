#!/bin/sh
# The units of the engine include one another without a circle: a unit is X.h with X.cpp, and
# unit A depends on unit B when a file of A includes B's header ("B.h" of one of the folders
# given). Prints the graph, one unit a line with what it depends on; a circle, when there is one,
# is printed as a path (A -> B -> ... -> A) and fails the check.
#
#   include_cycles.sh FOLDER...        (the test passes model and game)
set -eu
[ $# -ge 1 ] || { echo "usage: $0 FOLDER..." >&2; exit 2; }

for folder in "$@"; do
    for file in "$folder"/*.h "$folder"/*.cpp; do
        [ -e "$file" ] && printf '%s\n' "$file"
    done
done | awk '
    function unitOf(path,   name) {
        name = path
        sub(/.*\//, "", name)
        sub(/\.(h|cpp)$/, "", name)
        return name
    }
    # Depth-first search; colour 1 while on the path, 2 when done. A unit reached again while on
    # the path closes a circle, which the path from that unit on spells out.
    function visit(u,   i, v, k, circle) {
        colour[u] = 1
        path[++depth] = u
        for (i = 1; i <= count[u]; ++i) {
            v = edge[u, i]
            if (colour[v] == 1) {
                for (k = 1; path[k] != v; ++k) {}
                circle = path[k]
                for (++k; k <= depth; ++k)
                    circle = circle " -> " path[k]
                print "circle: " circle " -> " v
                found = 1
            } else if (colour[v] == 0) {
                visit(v)
            }
        }
        --depth
        colour[u] = 2
    }
    { files[++nfiles] = $0; known[unitOf($0)] = 1 }
    END {
        for (f = 1; f <= nfiles; ++f) {
            u = unitOf(files[f])
            units[u] = 1
            while ((getline line < files[f]) > 0) {
                if (line !~ /^[ \t]*#[ \t]*include[ \t]*"/)
                    continue
                v = line
                sub(/^[^"]*"/, "", v)
                sub(/".*/, "", v)
                sub(/.*\//, "", v)
                if (v !~ /\.h$/)
                    continue
                sub(/\.h$/, "", v)
                if (v == u || !(v in known) || ((u, v) in seen))
                    continue
                seen[u, v] = 1
                edge[u, ++count[u]] = v
            }
            close(files[f])
        }
        n = 0
        for (u in units)
            sorted[++n] = u
        for (i = 2; i <= n; ++i)
            for (j = i; j > 1 && sorted[j - 1] > sorted[j]; --j) {
                t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t
            }
        for (i = 1; i <= n; ++i) {
            u = sorted[i]
            line = u ":"
            for (k = 1; k <= count[u]; ++k)
                line = line " " edge[u, k]
            print line
        }
        found = 0
        for (i = 1; i <= n; ++i)
            if (colour[sorted[i]] == 0)
                visit(sorted[i])
        if (found) {
            print "the units above include one another in a circle" > "/dev/stderr"
            exit 1
        }
        print n " units, no circle"
    }
'
