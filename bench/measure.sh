# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# The rows of bench/run.sh: each measure_* step leaves its numbers in variables, and
# print_table judges them against their marks. Sourced after tests/e2e/lib.sh, on its
# screen, with $BENCH the folder of the benchmark programs.

SOUNDFONT=/usr/share/sounds/sf2/TimGM6mb.sf2
LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
calc() { awk "BEGIN { printf \"$1\", $2 }"; }
# The value of a "RESULT group KEY VALUE" line of a benchmark's output file.
result() { awk -v k="$2" '$1 == "RESULT" && $3 == k { print $4 }' "$1"; }

# Starts a program through the window watcher, waits for the window with role $1 ("*": its
# first window of any name), and prints "first_ms rss_kb rchar role_ms": when the program's
# first window was mapped, its memory and reads half a second after the window $1 was, and
# when that window was mapped.
watch_start() {
    local role=$1 out
    shift
    out=$("$BENCH/bench_window_watch" --until "$role" --settle 500 --timeout 30 -- "$@" 2>/dev/null) \
        || fail "the window $role of $1 did not appear"
    awk -v role="$role" '$1 == "map" && !first { first = $3 }
                         $1 == "map" && ($2 == role || role == "*") && !ms { ms = $3 }
                         $1 == "rss_kb" { rss = $2 } $1 == "rchar" { r = $2 }
                         END { print first, rss, r, ms }' <<<"$out"
}

# The programs timed at start-up: a name, the window waited for, the command. Numbrella
# and the minimal Qt program, then the peers from their Debian packages, each as a child
# starts it, in a window. Every one is timed to its first mapped top-level window; for
# Numbrella that is the background window, and the player list is timed too.
STARTERS=(
    "numbrella|GetPlayer|$PROGRAM/numbrella"
    "minimal|Minimal|$BENCH/bench_minimal"
    "tuxmath|*|/usr/games/tuxmath --windowed"
    "kbruch|*|/usr/bin/kbruch"
    "gcompris|*|/usr/games/gcompris-qt"
)
PEERS=(tuxmath kbruch gcompris)
PEER_TITLES=([0]="TuxMath" [1]="KBruch" [2]="GCompris")

start_one() {   # name: one timed start, its line added to $WORK/start-NAME.txt
    local entry name role command
    for entry in "${STARTERS[@]}"; do
        IFS='|' read -r name role command <<<"$entry"
        [ "$name" = "$1" ] || continue
        # Every program alike: a home of their own for the peers' settings, and no sound card
        # for TuxMath to open on the virtual screen.
        # shellcheck disable=SC2086 # the command's words
        HOME=$WORK/home SDL_AUDIODRIVER=dummy watch_start "$role" $command >>"$WORK/start-$name.txt"
        return
    done
}

column_of() { cut -d' ' -f"$2" "$WORK/start-$1.txt"; }

measure_startup() {
    local runs=$1 i j names=() entry name
    for entry in "${STARTERS[@]}"; do names+=("${entry%%|*}"); done
    mkdir -p "$WORK/home"
    # One start of each first, so that all find their libraries in memory (and the peers
    # have written their first-start settings).
    for name in "${names[@]}"; do
        start_one "$name"
        : >"$WORK/start-$name.txt"
    done
    for i in $(seq "$runs"); do
        # Taking turns at going first, so no program is always the one after another.
        for j in $(seq 0 $((${#names[@]} - 1))); do
            start_one "${names[$(((i + j) % ${#names[@]}))]}"
        done
    done
    START_N=$(column_of numbrella 1 | median)
    START_M=$(column_of minimal 1 | median)
    START_ALL_N=$(column_of numbrella 1 | sort -g | tr '\n' ' ')
    START_ALL_M=$(column_of minimal 1 | sort -g | tr '\n' ' ')
    RSS_N=$(column_of numbrella 2 | median)
    RSS_M=$(column_of minimal 2 | median)
    # The most any start read before anything played.
    READ_N=$(column_of numbrella 3 | sort -g | tail -1)
    PLAYER_N=$(column_of numbrella 4 | median)
    for name in "${PEERS[@]}"; do
        printf -v "START_$name" '%s' "$(column_of "$name" 1 | median)"
        printf -v "RSS_$name" '%s' "$(column_of "$name" 2 | median)"
    done
}

measure_windows() {
    WINDOWS=$WORK/windows.txt
    "$BENCH/bench_windows" >"$WINDOWS" 2>"$WORK/windows.err" || { cat "$WORK/windows.err" >&2; fail "bench_windows"; }
}

measure_logic() {
    LOGIC=$WORK/logic.txt
    "$BENCH/bench_logic" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true >"$LOGIC" 2>"$WORK/logic.err" || { cat "$WORK/logic.err" >&2; fail "bench_logic"; }
}

# Processor time of a process so far, in clock ticks (user + system).
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

wait_for_line() {   # file, line start, seconds
    local i
    for i in $(seq $(($3 * 10))); do
        grep -q "^$2" "$1" && return 0
        sleep 0.1
    done
    return 1
}

measure_clock() {
    local out=$WORK/clock.txt pid i c0 c1 t0 t1
    "$BENCH/bench_window_watch" --until ShowScores --timeout 300 -- "$PROGRAM/numbrella" >"$out" 2>/dev/null &
    APP_PID=$!
    wait_for_line "$out" "map GetPlayer" 20 || fail "no player list"
    pid=$(awk '$1 == "pid" { print $2 }' "$out")
    click GetPlayer 6600 967                  # That's me
    window Define >/dev/null || fail "no definition window"
    for i in $(seq "$(nproc)"); do
        (while :; do :; done) &
        LOAD_PIDS+=($!)
    done
    sleep 1
    click Define 3000 4030                    # Okay: the drill of 2 minutes starts
    wait_for_line "$out" "map Practice" 20 || fail "the drill did not start"
    # The drill waits for an answer that never comes; its processor time over 100 s.
    sleep 10
    c0=$(cpu_ticks "$pid")
    t0=$(date +%s.%N)
    sleep 100
    c1=$(cpu_ticks "$pid")
    t1=$(date +%s.%N)
    IDLE=$(calc "%.2f" "($c1 - $c0) / $(getconf CLK_TCK) / ($t1 - $t0) * 100")
    wait "$APP_PID" || fail "no score window after the practice"
    APP_PID=""
    stop_load
    CLOCK_MS=$(awk '$1 == "map" && $2 == "Practice" { p = $3 } $1 == "map" && $2 == "ShowScores" { s = $3 }
                    END { printf "%.1f", s - p }' "$out")
}

# "yes" or "no"; each miss is noted in $WORK/missed (the table is printed in a subshell).
judge() {
    if awk "BEGIN { exit !($1) }"; then echo yes; else
        echo miss >>"$WORK/missed"
        echo "**no**"
    fi
}
missed() { [ -f "$WORK/missed" ] && wc -l <"$WORK/missed" || echo 0; }

print_table() {
    local ratio_s ratio_m s1 s10 s50 s100 slope1 slope2 sf worst pr10 pr100 perline perline10 cl1 cl10 cl100 clslope1 clslope2
    ratio_s=$(calc "%.2f" "$START_N / $START_M")
    ratio_m=$(calc "%.2f" "$RSS_N / $RSS_M")
    sf=$(stat -L -c %s "$SOUNDFONT")
    s1=$(result "$WINDOWS" scores_1000)
    s10=$(result "$WINDOWS" scores_10000)
    s50=$(result "$WINDOWS" scores_50000)
    s100=$(result "$WINDOWS" scores_100000)
    # Processor time of each added record, from 10,000 to 50,000 and from 50,000 to 100,000
    # records: the same when the opening grows linearly (2.5 times more if it grew as the square).
    slope1=$(calc "%.3f" "($(result "$WINDOWS" scores_cpu_50000) - $(result "$WINDOWS" scores_cpu_10000)) / 40000 * 1000")
    slope2=$(calc "%.3f" "($(result "$WINDOWS" scores_cpu_100000) - $(result "$WINDOWS" scores_cpu_50000)) / 50000 * 1000")
    # The Progress window: the processor time of each added line should stay about what it was.
    pr10=$(result "$WINDOWS" progress_10000)
    pr100=$(result "$WINDOWS" progress_100000)
    perline=$(calc "%.3f" "($(result "$WINDOWS" progress_cpu_100000) - $(result "$WINDOWS" progress_cpu_10000)) / 90000 * 1000")
    perline10=$(calc "%.3f" "$(result "$WINDOWS" progress_cpu_10000) / 10000 * 1000")
    # All children: 40 children's files; the processor time of each line added to every facts
    # file, from 1,000 to 10,000 lines each and from 10,000 to 100,000.
    cl1=$(result "$WINDOWS" class_1000)
    cl10=$(result "$WINDOWS" class_10000)
    cl100=$(result "$WINDOWS" class_100000)
    clslope1=$(calc "%.3f" "($(result "$WINDOWS" class_cpu_10000) - $(result "$WINDOWS" class_cpu_1000)) / (40 * 9000) * 1000")
    clslope2=$(calc "%.3f" "($(result "$WINDOWS" class_cpu_100000) - $(result "$WINDOWS" class_cpu_10000)) / (40 * 90000) * 1000")
    worst=$(awk '$1 == "RESULT" && $2 == "logic" && $4 > m { m = $4; n = $3 } END { print m, n }' "$LOGIC")

    echo
    echo "| what | measured | must reach | reached |"
    echo "|---|---|---|---|"
    local peers_s="" peers_m="" fastest_peer=1000000 name k ms rss
    for k in "${!PEERS[@]}"; do
        name=${PEERS[$k]}
        ms=START_$name
        rss=RSS_$name
        peers_s+="; ${PEER_TITLES[$k]} $(calc %.0f "${!ms}") ms ($(calc %.2f "${!ms} / $START_M") x)"
        peers_m+="; ${PEER_TITLES[$k]} $(calc %.1f "${!rss} / 1024") MiB"
        fastest_peer=$(awk -v a="$fastest_peer" -v b="${!ms}" 'BEGIN { print (b < a ? b : a) }')
    done
    echo "| start-up | first window: Numbrella $(calc %.0f "$START_N") ms, minimal program $(calc %.0f "$START_M") ms (medians of $RUNS): **${ratio_s} x**${peers_s}; Numbrella's player list $(calc %.0f "$PLAYER_N") ms ($(calc %.2f "$PLAYER_N / $START_M") x) | at most 1.15 x, and below every peer | $(judge "$START_N <= 1.15 * $START_M && $START_N < $fastest_peer") |"
    echo "| memory | Numbrella $(calc %.1f "$RSS_N / 1024") MiB, minimal program $(calc %.1f "$RSS_M / 1024") MiB resident: **${ratio_m} x**${peers_m}; Numbrella read $(calc %.0f "$READ_N / 1024") KiB in all before anything played, the soundfont alone is $(calc %.0f "$sf / 1024") KiB | at most 1.25 x; soundfont not loaded | $(judge "$RSS_N <= 1.25 * $RSS_M && $READ_N < $sf") |"
    echo "| score window | 1,000 records: $s1 ms; 10,000: $s10 ms; 50,000: $s50 ms; **100,000: $s100 ms**; processor time of each added record ${slope1} µs (10,000 to 50,000), ${slope2} µs (50,000 to 100,000) | under 100 ms at 100,000, linear | $(judge "$s100 < 100 && $slope2 <= 1.5 * $slope1") |"
    echo "| Progress window | 10,000 answered problems: $pr10 ms; **100,000: $pr100 ms**; processor time of each added line ${perline} µs (10,000 to 100,000), ${perline10} µs per line up to 10,000 | under 100 ms at 100,000, linear | $(judge "$pr100 < 100 && $perline <= 1.5 * $perline10") |"
    echo "| All children | 40 children of 1,000 answered problems each: $cl1 ms; **10,000 each: $cl10 ms**; 100,000 each: $cl100 ms; processor time of each added line ${clslope1} µs (1,000 to 10,000), ${clslope2} µs (10,000 to 100,000) | under 300 ms at 10,000 each, linear | $(judge "$cl10 < 300 && $clslope2 <= 1.5 * $clslope1") |"
    echo "| answer to next problem | median $(result "$WINDOWS" enter_median) ms, **95th percentile $(result "$WINDOWS" enter_p95) ms**, slowest $(result "$WINDOWS" enter_max) ms (300 answers, the big drill with its sign and answer notes); each note sent to the synthesizer at most $(result "$WINDOWS" note_max) ms after the key | under 16 ms | $(judge "$(result "$WINDOWS" enter_p95) < 16 && $(result "$WINDOWS" note_max) < 16") |"
    echo "| clock | drill window shown to score window shown: **$(calc %.3f "$CLOCK_MS / 1000") s** with $(nproc) busy loops | within 100 ms of 120 s | $(judge "$CLOCK_MS >= 119900 && $CLOCK_MS <= 120100") |"
    echo "| idle | **${IDLE} %** of one core over 100 s of a drill waiting for an answer | under 1 % | $(judge "$IDLE < 1") |"
    echo "| logic | slowest: ${worst#* } $(calc %.0f "${worst%% *}") ns (table below) | at most 1 µs per call or record | $(judge "${worst%% *} <= 1000") |"
    echo
    echo "| logic benchmark | processor time per call (per record for the history scans) |"
    echo "|---|---|"
    awk '$1 == "RESULT" && $2 == "logic" { printf "| %s | %.0f ns |\n", $3, $4 }' "$LOGIC"
    echo
    echo "Start-ups in ms, Numbrella: $START_ALL_N"
    echo "Start-ups in ms, Numbrella's player list: $(column_of numbrella 4 | sort -g | tr '\n' ' ')"
    echo "Start-ups in ms, minimal program: $START_ALL_M"
    for k in "${!PEERS[@]}"; do
        echo "Start-ups in ms, ${PEER_TITLES[$k]}: $(column_of "${PEERS[$k]}" 1 | sort -g | tr '\n' ' ')"
    done
    echo "Load average before and after: $LOAD_BEFORE; $(cut -d' ' -f1-3 /proc/loadavg)"
    if [ "$(missed)" = 0 ]; then echo "Every mark reached."; else echo "Marks missed: $(missed)."; fi
}

# Puts this run's table at the top of the performance page's results, above the two runs before it.
update_doc() {
    local table=$1 doc=$2 new=$WORK/doc.md old=$WORK/old-runs.md
    # The runs written before, newest first: the two newest stay below this one.
    sed -n '/^<!-- results -->$/,/^<!-- end of results -->$/p' "$doc" | sed '1d;$d' >"$old"
    {
        sed '/^<!-- results -->$/q' "$doc"
        echo
        echo "Run of $(date '+%Y-%m-%d %H:%M'), \`bench/run.sh --runs $RUNS --update-doc\`, on $(nproc) cores of" \
            "$(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1), Xvfb 1280x800 with openbox:"
        cat "$table"
        echo
        awk '/^Run of /{n++} n >= 1 && n <= 2' "$old"
        sed -n '/^<!-- end of results -->$/,$p' "$doc"
    } >"$new"
    mv "$new" "$doc"
    echo "Written into $doc"
}
