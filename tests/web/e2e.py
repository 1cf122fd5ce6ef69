#!/usr/bin/python3
"""taktzeit.html in headless Chromium as a user meets it: opened from disk at the window's width (1280 x 800)
and a phone's (360 x 640), typed into with real keystrokes, clicked, read back; no request leaving the page;
the accessibility tree against the designed names and roles; the hidden page's title; and, served from
127.0.0.1 (a secure context), copy and paste with the clipboard granted and refused; the document's order, which
the keyboard follows; the phone's first screen; and axe-core's rules of WCAG 2.2 A and AA and its best practices
in every view, light and dark, wide and narrow, with and without a message.
Usage: e2e.py PAGE DESIGNED_FORM_H"""
import functools
import http.server
import os
import re
import sys
import threading

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browser import open_browser, wait_for

page, designed_header = sys.argv[1], sys.argv[2]
failures = []


def check(ok, what):
    print(("ok: " if ok else "FAIL: ") + what, flush=True)
    if not ok:
        failures.append(what)


# The designed places, names and roles, as tests/designed_form.h writes them for every front-end.
placements = [dict(zip(("name", "container", "left", "top", "width", "height", "caption", "spoken", "role"), row))
              for row in re.findall(r'\{"(\w+)",\s+"(\w+)",\s+(\d+),\s+(\d+),\s+(\d+),\s+(\d+),\s+("[^"]*"|\w+),'
                                    r'\s+("[^"]*"|\w+),\s+"([^"]+)"\}', open(designed_header, encoding="utf-8").read())]
assert len(placements) == 28, f"read {len(placements)} designed controls"


def opened(browser, address):
    browser.get(address)
    wait_for(browser, lambda: browser.execute_script(
        "var bar = document.getElementById('statusBar'); return bar && bar.textContent"))


def field(browser, name):
    return browser.find_element(By.ID, name)


def type_into(browser, name, text):
    box = field(browser, name)
    box.clear()
    box.send_keys(text)


def message(browser):
    """The open dialog's title, text and icon, closed with its OK button; or None."""
    dialog = wait_for(browser, lambda: browser.find_elements(By.CSS_SELECTOR, "dialog[open]"), 3)
    if not dialog:
        return None
    shown = (dialog[0].find_element(By.TAG_NAME, "h2").text, dialog[0].find_element(By.TAG_NAME, "p").text,
             dialog[0].get_attribute("class"))
    dialog[0].find_element(By.TAG_NAME, "button").click()
    return shown


def misplaced(browser):
    """The controls away from their designed places, at 15 twips a CSS pixel."""
    origin = browser.execute_script("var r = document.getElementById('window').getBoundingClientRect(); return [r.x, r.y]")
    found = []
    for p in placements:
        left, top = int(p["left"]) // 15, int(p["top"]) // 15
        if p["container"] != "converterWindow":
            frame = next(f for f in placements if f["name"] == p["container"])
            left, top = left + int(frame["left"]) // 15, top + int(frame["top"]) // 15
        element = p["name"] + "Box" if p["role"] == "radio button" else p["name"]
        box = browser.execute_script(f"var r = document.getElementById('{element}').getBoundingClientRect();"
                                     "return [r.x, r.y, r.width, r.height]")
        wanted = [origin[0] + left, origin[1] + top, int(p["width"]) // 15, int(p["height"]) // 15]
        if p["name"] != "logo" and [round(v) for v in box] != [round(v) for v in wanted]:
            found.append(f"{p['name']} at {box}, not {wanted}")
    return found


# Holds the module's compiling back until the test calls release().
HOLD_MODULE = """
const instantiate = WebAssembly.instantiate;
const held = new Promise(done => window.release = done);
WebAssembly.instantiate = (...given) => held.then(() => instantiate(...given));
"""


def requests(browser):
    return [entry["message"] for entry in browser.get_log("performance") if '"Network.requestWillBeSent"' in entry["message"]]


browser = open_browser(1280, 800)
try:
    browser.execute_cdp_cmd("Emulation.setTimezoneOverride", {"timezoneId": "Europe/Berlin"})
    opened(browser, "file://" + page)

    wrong = misplaced(browser)
    check(not wrong, "every control at its designed place at 1280 x 800" + (": " + "; ".join(wrong) if wrong else ""))
    check(browser.switch_to.active_element.get_attribute("id") == "toTacticalButton", "opened, the focus is on the upper Umrechnen")

    # Before the module has taken the page over: the form at its places, what is typed kept, a click answered later.
    hold = browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": HOLD_MODULE})["identifier"]
    browser.get("file://" + page)
    wrong = misplaced(browser)
    field(browser, "tacticalInput").send_keys("141638okt09")
    field(browser, "nowButton").click()
    before = browser.execute_script("return document.getElementById('statusBar').textContent"
                                    " + document.getElementById('timeInput').value")
    browser.execute_script("release()")
    now = wait_for(browser, lambda: field(browser, "timeInput").get_attribute("value"), 5)
    typed = field(browser, "tacticalInput").get_attribute("value")
    check(not wrong and before == "" and re.fullmatch(r"\d\d:\d\d:\d\d", now or "") and typed == "141638okt09",
          f"before the module: controls away from their places {wrong}, status bar and time {before!r}; "
          f"after it, Jetzt clicked before gave {now!r}, 141638okt09 typed before stands as {typed!r}")
    browser.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": hold})
    opened(browser, "file://" + page)

    # The accessibility tree: every control with its designed name and role.
    roles = {"push button": "button", "radio button": "radio", "editable text": "textbox", "read-only text": "textbox",
             "static text": "LabelText", "grouping": "group", "link": "link", "graphic": "image", "status bar": "status"}
    tree = browser.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    heard = {(n.get("role", {}).get("value"), n.get("name", {}).get("value"),
              any(q["name"] == "readonly" and q["value"].get("value") for q in n.get("properties", [])))
             for n in tree if not n.get("ignored")}
    unheard = []
    for p in placements:
        name = p["spoken"].strip('"') if p["spoken"] != "TAKTZEIT_WEB_ADDRESS" else field(browser, "webLink").text
        wanted = (roles[p["role"]], name, p["role"] == "read-only text")
        if wanted not in heard and not (p["role"] not in ("editable text", "read-only text")
                                        and (wanted[0], wanted[1], False) in heard):
            unheard.append(f"{p['name']} as {wanted}")
    check(not unheard, "the accessibility tree names every control with its designed role" + (": " + "; ".join(unheard) if unheard else ""))

    # Both conversions with real keystrokes; the tactical input takes 16 typed characters.
    type_into(browser, "timeInput", "16:38")
    type_into(browser, "dateInput", "14.10.2009")
    field(browser, "toTacticalButton").click()
    check(field(browser, "tacticalResult").get_attribute("value") == "141638okt09", "16:38 on 14.10.2009 gives 141638okt09")
    type_into(browser, "tacticalInput", "031732B jul 20041")
    check(field(browser, "tacticalInput").get_attribute("value") == "031732B jul 2004", "the tactical input takes 16 typed characters")
    type_into(browser, "tacticalInput", "031732B jul 04")
    field(browser, "toNormalButton").click()
    shown = field(browser, "timeResult").get_attribute("value") + " " + field(browser, "dateResult").get_attribute("value")
    check(shown == "17:32 03.07.04", f"031732B jul 04 in Europe/Berlin shows {shown}")
    type_into(browser, "tacticalInput", "142438okt09")
    field(browser, "toNormalButton").click()
    shown_message = message(browser)
    check(shown_message == ("- Umrechner taktische Zeit -", "Bitte Eingaben überprüfen !!!", "critical")
          and field(browser, "timeResult").get_attribute("value") == "17:32", f"bad input: {shown_message}, the fields kept")
    check(browser.switch_to.active_element.get_attribute("id") == "toNormalButton", "the focus back where it was after the message")
    link = field(browser, "webLink")
    check(link.get_attribute("target") == "_blank" and link.get_attribute("href") == "http://" + link.text + "/",
          "the link opens the maker's page in a new tab")

    # Hidden, the page's title is the tactical time; shown again, the title.
    first = browser.current_window_handle
    browser.switch_to.new_window("tab")
    title = wait_for(browser, lambda: next((t["title"] for t in browser.execute_cdp_cmd("Target.getTargets", {})["targetInfos"]
                                            if t["url"].endswith("taktzeit.html") and re.fullmatch(r"\d{6}\w{3}\d\d", t["title"])), None), 5)
    check(bool(title), f"the hidden page's title is the tactical time: {title}")
    browser.close()
    browser.switch_to.window(first)
    check(wait_for(browser, lambda: browser.title == "- Umrechner taktische Zeit -", 5), "shown again, the title is back")

    sent = requests(browser)
    outside = [r for r in sent if 'file://' not in r and '"url":"data:' not in r]
    check(sent and not outside, f"no request left the page ({len(sent)} seen, all of the file itself)"
          + (": " + outside[0][:200] if outside else ""))

    # A phone: nothing wider than the screen, every control there.
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True})
    opened(browser, "file://" + page)
    width = browser.execute_script("return document.documentElement.scrollWidth")
    hidden = [p["name"] for p in placements if not browser.execute_script(
        f"var e = document.getElementById('{p['name']}'); var r = e.getBoundingClientRect();"
        "return r.width > 0 && r.height > 0 && r.left >= 0 && r.right <= 360")]
    small = browser.execute_script("return [...document.querySelectorAll('button, input[type=text], .option, a')]"
                                   ".filter(e => e.getBoundingClientRect().height < 44 || parseFloat(getComputedStyle(e).fontSize) < 16)"
                                   ".map(e => e.id || e.className)")
    check(width <= 360 and not hidden and not small,
          f"at 360 x 640: {width} px wide, controls cut or missing: {hidden}, too small to touch: {small}")
finally:
    browser.quit()

# The document's order, for eyes, keys and screen readers at every width, and the keyboard following it.
reading_order = ["toTacticalFrame", "timeInputCaption", "timeInput", "dateInputCaption", "dateInput", "nowButton",
                 "toTacticalButton", "tacticalResultCaption", "tacticalResult", "copyButton", "clearToTacticalButton",
                 "toNormalFrame", "tacticalInputCaption", "tacticalInput", "pasteButton", "toNormalButton",
                 "timeResultCaption", "timeResult", "dateResultCaption", "dateResult", "clearToNormalButton",
                 "monthNamesFrame", "germanMonthsOptionBox", "englishMonthsOptionBox", "statusBar", "makerFrame",
                 "logo", "webLink"]
axe = open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "node_modules/axe-core/axe.min.js"),
           encoding="utf-8").read()


def violations(browser):
    browser.execute_script(axe)
    return browser.execute_async_script(
        "axe.run(document, {runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']})"
        ".then(r => arguments[0](r.violations.map(v => v.id + ' on ' + v.nodes.length)))")


browser = open_browser(1280, 800)
try:
    opened(browser, "file://" + page)
    order = browser.execute_script("return [...document.querySelectorAll('#window [id]')].map(e => e.id)"
                                   ".filter(id => arguments[0].includes(id))", reading_order)
    check(order == reading_order, "the document in the order it is read: " + ", ".join(order))
    check(not browser.execute_script("return [...document.querySelectorAll('[tabindex]')].some(e => e.tabIndex > 0)"),
          "no positive tabindex")
    field(browser, "nowButton").click()
    field(browser, "timeInput").click()
    stops = ["timeInput"]
    for _ in range(15):
        browser.switch_to.active_element.send_keys(Keys.TAB)
        stops.append(browser.switch_to.active_element.get_attribute("id"))
    tabbable = ["timeInput", "dateInput", "nowButton", "toTacticalButton", "tacticalResult", "copyButton",
                "clearToTacticalButton", "tacticalInput", "pasteButton", "toNormalButton", "timeResult", "dateResult",
                "clearToNormalButton", "germanMonthsOption", "logo", "webLink"]
    check(stops == tabbable, "Tab follows the document: " + ", ".join(stops))
    for width, height in ((1280, 800), (360, 640)):
        browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                {"width": width, "height": height, "deviceScaleFactor": 1 if width > 360 else 2,
                                 "mobile": width == 360})
        for scheme in ("light", "dark"):
            browser.execute_cdp_cmd("Emulation.setEmulatedMedia",
                                    {"features": [{"name": "prefers-color-scheme", "value": scheme}]})
            opened(browser, "file://" + page)
            if width == 360:
                first_screen = browser.execute_script(
                    "return ['timeInput', 'dateInput', 'nowButton', 'toTacticalButton', 'tacticalResult', 'copyButton']"
                    ".filter(id => document.getElementById(id).getBoundingClientRect().bottom > 640)")
                check(not first_screen, f"at 360 x 640, {scheme}, the first screen shows the upper conversion"
                      + (": not " + ", ".join(first_screen) if first_screen else ""))
            browser.save_screenshot(os.environ.get("SCREENSHOTS", "/tmp") + f"/web-{width}x{height}-{scheme}.png")
            found = violations(browser)
            type_into(browser, "tacticalInput", "x")
            field(browser, "toNormalButton").click()
            wait_for(browser, lambda: browser.find_elements(By.CSS_SELECTOR, "dialog[open]"), 3)
            found += [v + " with the message open" for v in violations(browser)]
            message(browser)
            check(not found, f"axe-core at {width} x {height}, {scheme}: no violation" + (": " + "; ".join(found) if found else ""))
finally:
    browser.quit()

# Copy and paste, served from this computer.
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=os.path.dirname(page))
handler.log_message = lambda *arguments: None
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
threading.Thread(target=server.serve_forever, daemon=True).start()
address = f"http://127.0.0.1:{server.server_port}/{os.path.basename(page)}"
browser = open_browser(1280, 800)
try:
    origin = f"http://127.0.0.1:{server.server_port}"
    browser.execute_cdp_cmd("Browser.grantPermissions", {"origin": origin, "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    opened(browser, address)
    field(browser, "nowButton").click()
    field(browser, "copyButton").click()
    field(browser, "pasteButton").click()
    pasted = wait_for(browser, lambda: field(browser, "tacticalInput").get_attribute("value"), 5)
    check(pasted == field(browser, "tacticalResult").get_attribute("value"), f"copied and pasted back: {pasted}")
    browser.execute_cdp_cmd("Browser.setPermission", {"origin": origin, "permission": {"name": "clipboard-read"}, "setting": "denied"})
    type_into(browser, "tacticalInput", "141638okt09")
    field(browser, "pasteButton").click()
    refused = message(browser)
    check(refused == ("- Umrechner taktische Zeit -", "Bitte mit Strg+V in das Feld einfügen.", "information")
          and field(browser, "tacticalInput").get_attribute("value") == "141638okt09", f"a refused paste: {refused}, the input kept")
    browser.execute_cdp_cmd("Browser.setPermission", {"origin": origin, "permission": {"name": "clipboard-write"}, "setting": "denied"})
    field(browser, "copyButton").click()
    refused = message(browser)
    check(refused == ("- Umrechner taktische Zeit -", "Bitte das Ergebnis markieren und mit Strg+C kopieren.", "information"),
          f"a refused copy: {refused}")
finally:
    browser.quit()
    server.shutdown()

print(f"{len(failures) == 0 and 'all' or len(failures)} {'checks passed' if not failures else 'checks failed'}")
sys.exit(1 if failures else 0)
