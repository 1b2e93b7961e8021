#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
#
# The folders of src/ must include one another without a cycle. Each top folder of src/ is one
# node of the graph, and its logic/ folder one more ("core/logic"); every #include "..." of a
# .h or .cpp file that names another file of src/ (from src/, or from the including file's own
# folder) is an edge from the includer's node to the included file's.
#
#   scripts/check-folders.sh [SRC]          fails on a cycle and names, for each, its folders,
#                                           one cycle through them, and one include line for
#                                           every edge between them
#   scripts/check-folders.sh --graph [SRC]  prints the graph as a Mermaid flowchart
#
# SRC is src/ of this tree unless given.
set -euo pipefail

graph=0
if [ "${1:-}" = --graph ]; then graph=1; shift; fi
src=${1:-$(dirname "$0")/../src}
[ -d "$src" ] || { echo "check-folders: no folder $src" >&2; exit 2; }
cd "$src"

files=$(mktemp)
trap 'rm -f "$files"' EXIT
find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's|^\./||' | LC_ALL=C sort > "$files"

# Every include is resolved only to a file that exists; files are read in sorted order, so
# that the evidence shown for an edge is always its first include.
LC_ALL=C awk -v graph="$graph" -v list="$files" '
function node(path,   n, p) {
    n = split(path, p, "/")
    if (n < 2) return ""                       # a file directly in src/ belongs to no folder
    return (n >= 3 && p[2] == "logic") ? p[1] "/logic" : p[1]
}
# "a/b/../c" as "a/c"; "" when it leaves src/.
function normal(path,   n, p, out, k, i) {
    n = split(path, p, "/"); k = 0
    for (i = 1; i <= n; i++) {
        if (p[i] == "" || p[i] == ".") continue
        if (p[i] == "..") { if (k == 0) return ""; k--; continue }
        out[++k] = p[i]
    }
    path = ""
    for (i = 1; i <= k; i++) path = path (i > 1 ? "/" : "") out[i]
    return path
}
function add_node(name,   i) {
    if (name in known) return
    known[name] = 1
    # kept sorted, so that the output does not depend on the order files are read in
    for (i = ++count; i > 1 && nodes[i - 1] > name; i--) nodes[i] = nodes[i - 1]
    nodes[i] = name
}
function id(name) { gsub(/[^A-Za-z0-9_]/, "_", name); return name }

function read(file,   line, n, here, from, inc, target, to) {
    here = file; if (!sub(/\/[^\/]*$/, "", here)) here = ""
    from = node(file)
    if (from == "") return
    add_node(from)
    while ((getline line < file) > 0) {
        n++
        if (line !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
        inc = line; sub(/^[^"]*"/, "", inc); sub(/".*$/, "", inc)
        target = normal((here == "" ? "" : here "/") inc)
        if (!(target in exists)) target = normal(inc)
        if (!(target in exists)) continue      # a header from outside src/
        to = node(target)
        if (to == "" || to == from) continue
        add_node(to)
        if (!((from, to) in edge)) {
            sub(/[ \t\r]+$/, "", line)
            edge[from, to] = "src/" file ":" n ": " line
        }
    }
    close(file)
}
BEGIN {
    while ((getline f < list) > 0) { exists[f] = 1; order[++files] = f }
    for (i = 1; i <= files; i++) read(order[i])
    if (graph) {
        print "```mermaid"
        print "flowchart TD"
        for (i = 1; i <= count; i++) printf "  %s[\"%s\"]\n", id(nodes[i]), nodes[i]
        for (i = 1; i <= count; i++) for (j = 1; j <= count; j++)
            if ((nodes[i], nodes[j]) in edge) printf "  %s --> %s\n", id(nodes[i]), id(nodes[j])
        print "```"
        exit 0
    }
    # Which node reaches which (Warshall); two nodes that reach each other share a cycle.
    for (i = 1; i <= count; i++) for (j = 1; j <= count; j++)
        reach[i, j] = ((nodes[i], nodes[j]) in edge)
    for (k = 1; k <= count; k++) for (i = 1; i <= count; i++) if (reach[i, k])
        for (j = 1; j <= count; j++) if (reach[k, j]) reach[i, j] = 1
    cycles = 0
    for (s = 1; s <= count; s++) {
        if (!reach[s, s] || (s in done)) continue
        cycles++
        members = ""
        for (i = s; i <= count; i++) if (reach[s, i] && reach[i, s]) {
            done[i] = 1; members = members " " nodes[i]
        }
        # The shortest cycle through the first of them: breadth first back to it.
        delete seen; delete back
        head = 1; tail = 1; queue[1] = s; seen[s] = 1; last = 0
        while (head <= tail && !last) {
            u = queue[head++]
            for (v = 1; v <= count; v++) {
                if (!((nodes[u], nodes[v]) in edge) || !reach[v, s]) continue
                if (v == s) { last = u; break }
                if (!(v in seen)) { seen[v] = 1; back[v] = u; queue[++tail] = v }
            }
        }
        path = nodes[s]
        for (u = last; u != s; u = back[u]) path = nodes[u] " -> " path
        path = nodes[s] " -> " path
        err = "/dev/stderr"
        printf "FAILED: these folders of src/ include one another in a cycle:%s\n", members > err
        printf "  for one: %s\n", path > err
        print "  every include between them (each lies on a cycle):" > err
        for (i = 1; i <= count; i++) if (reach[s, i] && reach[i, s])
            for (j = 1; j <= count; j++) if (reach[s, j] && reach[j, s] && ((nodes[i], nodes[j]) in edge))
                printf "    %s -> %s  %s\n", nodes[i], nodes[j], edge[nodes[i], nodes[j]] > err
    }
    if (cycles) exit 1
    printf "folders: %d folders of src/, no include cycle between them\n", count
}'
