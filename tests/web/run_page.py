#!/usr/bin/python3
"""Opens a test page from disk in headless Chromium, waits for it to finish, prints what it printed and its
result line, and ends with 1 when a case failed. Usage: run_page.py PAGE"""
import sys

from browser import open_browser, wait_for

browser = open_browser()
try:
    browser.get("file://" + sys.argv[1])
    result = wait_for(browser, lambda: browser.execute_script("return document.body.dataset.result"), 60)
    for entry in browser.get_log("browser"):
        print(entry["message"].split('"', 1)[-1].rstrip('"').encode().decode("unicode_escape"))
    print(result)
    sys.exit(0 if result and " 0 failed" in result else 1)
finally:
    browser.quit()
