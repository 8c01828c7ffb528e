#!/usr/bin/env bash
# The computer player's figures from bench_ordinateur: Expert's solo games (10 seeds, up to
# 100,000 pieces each), each level against the one below and Expert against Easy (40 duels each,
# the stronger level on the left for the first 20 and on the right for the rest), and the time of
# one choice at each level. The first argument is the bench_ordinateur binary.
set -euo pipefail
bench=${1:-build-bench/bench/bench_ordinateur}
seeds=(11 22 33 44 55 66 77 88 99 1234567)

echo "Expert, solo, 100,000 pieces at most, seeds ${seeds[*]}:"
for seed in "${seeds[@]}"; do
    "$bench" solo expert "$seed" 100000
done | awk '{ print "  " $0; if ($2 >= 100000) full++; if ($2 >= 20000) long++ }
            END { printf "  %d of 10 reached 100,000 pieces, %d of 10 20,000\n", full, long }'

for pair in "medium easy" "hard medium" "expert hard" "expert easy"; do
    read -r strong weak <<<"$pair"
    wins=0
    for seed in $(seq 1 40); do
        if [ "$seed" -le 20 ]; then
            side=left result=$("$bench" duel "$strong" "$weak" "$seed")
        else
            side=right result=$("$bench" duel "$weak" "$strong" "$seed")
        fi
        [ "$(cut -d' ' -f2 <<<"$result")" = "$side" ] && wins=$((wins + 1))
    done
    echo "$strong beats $weak in $wins of 40 duels"
done

for level in easy medium hard expert; do
    echo "$level: $("$bench" temps "$level") (microseconds)"
done
