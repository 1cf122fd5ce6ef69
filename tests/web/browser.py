"""Headless Chromium through Debian's chromedriver, as the web tests share it: no network of its own, no
first-run work, every console message kept."""
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service


def open_browser(width=1280, height=800):
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     f"--window-size={width},{height}"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def wait_for(browser, condition, seconds=10):
    """Polls the condition until it gives something, for at most the seconds; what it gave last."""
    until = time.time() + seconds
    while True:
        value = condition()
        if value or time.time() > until:
            return value
        time.sleep(0.05)
