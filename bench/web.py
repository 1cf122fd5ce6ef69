#!/usr/bin/python3
"""The web page: its size, raw and compressed, and the time from navigation to the first painted form in
headless Chromium, beside a page with the same 28 controls as plain elements and no WebAssembly; medians
of alternated runs. Usage: bench/web.py PAGE DESIGNED_FORM_H [RUNS]"""
import gzip
import os
import re
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from browser import open_browser, wait_for  # noqa: E402

page, designed_header = sys.argv[1], sys.argv[2]
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 11
raw = open(page, "rb").read()
print(f"taktzeit.html: {len(raw)} bytes, {len(gzip.compress(raw, 9))} compressed (gzip -9)")

# The baseline: the designed controls, placed as the page places them, written out as plain HTML.
rows = re.findall(r'\{"(\w+)",\s+"(\w+)",\s+(\d+),\s+(\d+),\s+(\d+),\s+(\d+),\s+("[^"]*"|\w+),', open(designed_header, encoding="utf-8").read())
tags = {"Button": "button", "Option": "button", "Input": "input", "Result": "input", "Caption": "label", "Frame": "div"}
elements = []
for name, container, left, top, width, height, caption in rows:
    tag = next((t for suffix, t in tags.items() if name.endswith(suffix)), "div")
    style = f"position:absolute;left:{int(left) // 15}px;top:{int(top) // 15}px;width:{int(width) // 15}px;height:{int(height) // 15}px"
    text = caption.strip('"') if caption.startswith('"') else "www.example.org"
    elements.append(f'<{tag} id="{name}" style="{style}">{text if tag != "input" else ""}</{tag}>' if tag != "input"
                    else f'<input id="{name}" style="{style}">')
plain = os.path.join(tempfile.mkdtemp(), "plain.html")
with open(plain, "w", encoding="utf-8") as out:
    out.write('<!doctype html><meta charset="utf-8"><div id="statusBar" style="position:relative;width:458px;height:388px">'
              + "".join(elements) + "</div>")

browser = open_browser()
paint = "return (performance.getEntriesByName('first-contentful-paint')[0] || {}).startTime"
timings = {page: [], plain: []}
try:
    for _ in range(runs + 1):
        for address in (page, plain):
            browser.get("about:blank")
            browser.get("file://" + address)
            wait_for(browser, lambda: browser.execute_script(
                "var bar = document.getElementById('statusBar'); return bar && bar.textContent"))
            timings[address].append(wait_for(browser, lambda: browser.execute_script(paint), 5))
finally:
    browser.quit()
for address, name in ((page, "taktzeit.html "), (plain, "plain controls")):
    values = timings[address][1:]  # the first of each warms the browser and is not counted
    print(f"{name} first paint ms: {statistics.median(values):.1f} (min {min(values):.1f}, max {max(values):.1f})")
print(f"ratio taktzeit.html / plain: {statistics.median(timings[page][1:]) / statistics.median(timings[plain][1:]):.2f}")
