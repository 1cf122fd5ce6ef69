#!/usr/bin/python3
"""The page's own script where it talks to the browser, in headless Chromium, with what the browser gives it
under the test's control: a clock that can be moved on, timers that are noted (and, when told, held), a
visibility that can be switched, a clipboard that answers at once or late, a permission that is granted or still
asked for, and the colour scheme switched while the page is open.
Usage: driver.py PAGE"""
import sys

from selenium.webdriver.common.by import By

from browser import open_browser, wait_for

page = sys.argv[1]
failures = []


def check(ok, what):
    print(("ok: " if ok else "FAIL: ") + what, flush=True)
    if not ok:
        failures.append(what)


# Before the page's own script: the browser's clock, timers, visibility, clipboard and permissions, stood in for.
STAND_INS = """
window.driver = {offset: 0, delays: [], hold: false, hidden: false, text: "", late: 0, permission: "granted"};
const realNow = Date.now, realTimeout = window.setTimeout.bind(window);
Date.now = () => realNow() + driver.offset;
window.setTimeout = (run, delay, ...rest) => {
  driver.delays.push([delay, Date.now()]);
  return driver.hold ? 0 : realTimeout(run, delay, ...rest);
};
Object.defineProperty(document, "hidden", {get: () => driver.hidden});
Object.defineProperty(navigator, "clipboard", {value: {
  readText: () => new Promise(done => realTimeout(() => done(driver.text), driver.late)),
  writeText: () => Promise.resolve()}});
Object.defineProperty(navigator, "permissions", {value: {query: () => Promise.resolve({state: driver.permission})}});
"""


def contrast(a, b):
    def luminance(rgb):
        linear = [c / 255 / 12.92 if c <= 10 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in rgb]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def link_contrast(browser):
    face, lit = browser.execute_script(
        "var s = getComputedStyle(document.getElementById('window'));"
        "return [s.backgroundColor, s.getPropertyValue('--lit')].map(c => c.match(/\\d+/g).slice(0, 3).map(Number))")
    return contrast(face, lit)


def status(browser):
    return browser.execute_script("return document.getElementById('statusBar').textContent")


def scheme(browser, name):
    browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "prefers-color-scheme", "value": name}]})


browser = open_browser(1280, 800)
try:
    browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": STAND_INS})
    scheme(browser, "light")
    browser.get("file://" + page)
    wait_for(browser, lambda: status(browser))

    # Each tick is asked for at the next full second, by the form's delay.
    wait_for(browser, lambda: len(browser.execute_script("return driver.delays")) >= 3, 5)
    ends = [(at + delay) % 1000 for delay, at in browser.execute_script("return driver.delays")[1:]]
    check(all(end < 30 or end > 970 for end in ends), f"the ticks end on the full second (ms past it: {ends})")

    # Hidden, the browser slows the timers; shown again five seconds later, the status bar catches up at once.
    browser.execute_script("driver.hold = true")
    before = status(browser)
    browser.execute_script("driver.offset += 5000; for (const hidden of [true, false]) {"
                           " driver.hidden = hidden; document.dispatchEvent(new Event('visibilitychange')); }")
    check(status(browser) != before, f"shown again, the status bar caught up at once: {before} -> {status(browser)}")
    browser.execute_script("driver.hold = false; driver.offset = 0")

    # A paste takes at most 10,000 characters, of a clipboard of any size: 3,000,000 umlauts handed over whole
    # overflowed the module's stack.
    browser.execute_script("driver.text = 'ä'.repeat(3000000)")
    browser.find_element(By.ID, "pasteButton").click()
    pasted = wait_for(browser, lambda: browser.execute_script("return document.getElementById('tacticalInput').value.length"), 5)
    check(pasted == 10000, f"a paste of 3,000,000 characters takes {pasted}")

    # While the browser asks the user for permission, no deadline runs: a late answer is still pasted.
    browser.execute_script("driver.permission = 'prompt'; driver.late = 2500; driver.text = '141638okt09'")
    browser.find_element(By.ID, "pasteButton").click()
    pasted = wait_for(browser, lambda: browser.execute_script("return document.getElementById('tacticalInput').value") == "141638okt09", 5)
    opened = browser.find_elements(By.CSS_SELECTOR, "dialog[open]")
    check(pasted and not opened, "asked for permission, the answer 2.5 s later is pasted, with no message"
          + (f": {opened[0].text}" if opened else ""))

    # The lit link against the face of the scheme of the moment, switched while the page is open.
    for name in ("light", "dark", "light"):
        scheme(browser, name)
        ratio = wait_for(browser, lambda: link_contrast(browser) >= 4.5 and link_contrast(browser), 2) or link_contrast(browser)
        check(ratio >= 4.5, f"switched to {name}, the lit link stands at {ratio:.1f}:1 against the face")
finally:
    browser.quit()

print(f"{len(failures) == 0 and 'all' or len(failures)} {'checks passed' if not failures else 'checks failed'}")
sys.exit(1 if failures else 0)
