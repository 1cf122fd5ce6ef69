#!/usr/bin/python3
"""The web page: its size, raw and compressed, the time from navigation to the first painted form and to the
module's take-over (its first tick, which fills the status bar) in headless Chromium, beside a page with the
same 28 controls as plain elements and no WebAssembly; medians of alternated runs.
Usage: bench/web.py PAGE DESIGNED_FORM_H [RUNS]"""
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

# The moment the status bar first shows text: on the page, the module's first tick.
TAKE_OVER = """
new MutationObserver((changes, observer) => {
  const bar = document.getElementById("statusBar");
  if (bar && bar.textContent) { window.takenOver = performance.now(); observer.disconnect(); }
}).observe(document, {childList: true, subtree: true, characterData: true});
"""
browser = open_browser()
browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": TAKE_OVER})
paint = "return (performance.getEntriesByName('first-contentful-paint')[0] || {}).startTime"
timings = {page: [], plain: []}
take_overs = []
try:
    for _ in range(runs + 1):
        for address in (page, plain):
            browser.get("about:blank")
            browser.get("file://" + address)
            taken = wait_for(browser, lambda: browser.execute_script("return window.takenOver"))
            timings[address].append(wait_for(browser, lambda: browser.execute_script(paint), 5))
            if address == page:
                take_overs.append(taken)
finally:
    browser.quit()


def summary(values):
    values = values[1:]  # the first of each warms the browser and is not counted
    return f"{statistics.median(values):.1f} (min {min(values):.1f}, max {max(values):.1f})"


print(f"taktzeit.html  first paint ms: {summary(timings[page])}, take-over ms: {summary(take_overs)}")
print(f"plain controls first paint ms: {summary(timings[plain])}")
plain_paint = statistics.median(timings[plain][1:])
print(f"ratio to the plain page's first paint: first paint {statistics.median(timings[page][1:]) / plain_paint:.2f},"
      f" take-over {statistics.median(take_overs[1:]) / plain_paint:.2f}")
