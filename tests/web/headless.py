# SPDX-License-Identifier: MIT
"""The site served on 127.0.0.1 and a headless Chromium, for the page's test and benchmark."""

import functools
import http.server
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json"}

    def log_message(self, *args):
        pass


class Site:
    """The site served on 127.0.0.1 only, stoppable for the offline check."""

    def __init__(self, directory):
        handler = functools.partial(QuietHandler, directory=str(directory))
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


def browser(keep_console=False):
    """Debian's Chromium through its chromedriver, with a fresh profile and no background
    traffic, which this machine's closed network would refuse."""
    options = webdriver.ChromeOptions()
    for flag in ("--headless --no-sandbox --disable-gpu --disable-background-networking "
                 "--disable-component-update --disable-sync --no-first-run").split():
        options.add_argument(flag)
    options.add_argument("--user-data-dir=" + tempfile.mkdtemp(prefix="liftcalc-chromium-"))
    if keep_console:
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
