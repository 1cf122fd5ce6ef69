#!/bin/bash
# Lighthouse (pinned in bench/package.json) against the page served from 127.0.0.1, desktop and mobile: the
# median score of each category over RUNS runs, and the median first contentful paint and time to interactive.
# Usage: bench/lighthouse.sh PAGE RUNS
set -euo pipefail
page=$1
runs=$2
here=$(cd "$(dirname "$0")" && pwd)
[ "$here/node_modules/.package-lock.json" -nt "$here/package-lock.json" ] \
    || (cd "$here" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error >/dev/null)
scratch=$(mktemp -d)
python3 -m http.server --bind 127.0.0.1 --directory "$(dirname "$page")" 0 >"$scratch/server.log" 2>&1 &
server=$!
trap 'kill $server; rm -rf "$scratch"' EXIT
until port=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$scratch/server.log") && [ -n "$port" ]; do sleep 0.1; done
for form in desktop mobile; do
    preset=()
    [ "$form" = desktop ] && preset=(--preset=desktop)
    for run in $(seq "$runs"); do
        CHROME_PATH=/usr/bin/chromium "$here/node_modules/.bin/lighthouse" "http://127.0.0.1:$port/$(basename "$page")" \
            "${preset[@]}" --quiet --output=json --output-path="$scratch/$form-$run.json" \
            --only-categories=performance,accessibility,best-practices,seo \
            --chrome-flags="--headless=new --no-sandbox --disable-gpu" >/dev/null 2>&1
    done
    python3 - "$form" "$scratch"/"$form"-*.json <<'PY'
import json, statistics, sys
reports = [json.load(open(path)) for path in sys.argv[2:]]
scores = {name: statistics.median(round(r["categories"][name]["score"] * 100) for r in reports)
          for name in ("performance", "accessibility", "best-practices", "seo")}
failed = sorted({a["id"] for r in reports for a in r["audits"].values()
                 if a.get("score") is not None and a["score"] < 1 and a.get("scoreDisplayMode") == "binary"})
times = {name: statistics.median(r["audits"][audit]["numericValue"] for r in reports)
         for name, audit in (("first paint", "first-contentful-paint"), ("interactive", "interactive"))}
print(f"{sys.argv[1]:8} " + ", ".join(f"{k} {int(v)}" for k, v in scores.items())
      + "; " + ", ".join(f"{k} {v:.0f} ms" for k, v in times.items())
      + (f"; short: {', '.join(failed)}" if failed else ""))
PY
done
