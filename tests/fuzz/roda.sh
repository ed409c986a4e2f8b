#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time each and prints, per
# target, the executions and what was found. New inputs go to <build>/corpus/<target>
# (the seeds in tests/fuzz/corpus are read, never written); an input that breaks a
# property is kept as <build>/achados/<target>-crash-... and makes the run fail.
# Usage: roda.sh BUILD_DIR SECONDS [TARGET...]
set -uo pipefail
build=$1
segundos=$2
shift 2
fontes=$(cd "$(dirname "$0")" && pwd)
alvos=("$@")
if [ ${#alvos[@]} -eq 0 ]; then
  for f in "$build"/tests/fuzz/fuzz_*; do alvos+=("$(basename "$f" | sed 's/^fuzz_//')"); done
fi
mkdir -p "$build/achados"
falhas=0
printf '%-18s %14s  %s\n' alvo execuções achados
for alvo in "${alvos[@]}"; do
  mkdir -p "$build/corpus/$alvo"
  log="$build/fuzz_$alvo.log"
  "$build/tests/fuzz/fuzz_$alvo" -max_total_time="$segundos" -print_final_stats=1 -timeout=20 \
    -rss_limit_mb=4096 -artifact_prefix="$build/achados/$alvo-" \
    "$build/corpus/$alvo" "$fontes/corpus/$alvo" >"$log" 2>&1
  execucoes=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  achados=$(ls "$build/achados" | grep -c "^$alvo-" || true)
  if [ "$achados" -gt 0 ]; then
    falhas=1
    resumo="$achados entrada(s) em $build/achados/$alvo-*; veja $log"
  else
    resumo=nenhum
  fi
  printf '%-18s %14s  %s\n' "$alvo" "${execucoes:-?}" "$resumo"
done
exit $falhas
