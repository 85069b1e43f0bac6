#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The page on a phone, in headless Chromium: the field checks panel covers the calculator
whatever the check, so that no point of the screen shows or reaches the calculator's own buttons;
each check's help shows under its rows, for eyes and screen readers, and on a 360 by 640 screen
leaves the panel's buttons on it; the menus show no keyboard shortcuts there, and keep them in
the desktop layout.

usage: narrow_layout_test.py SITE_DIR
"""
import sys
import time
from pathlib import Path

from headless import Site, browser

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

WIDTHS = {"desktop": 1280, "narrow": 360}

# What of the calculator may show or take a touch beside the panel: the panel must cover the
# whole screen with an opaque face, and every tenth of the screen across and down must reach it.
UNDER_THE_PANEL = """
const panel = document.getElementById('checksWindow');
const r = panel.getBoundingClientRect();
const seen = [];
if (r.left > 0 || r.top > 0 || r.right < innerWidth || r.bottom < innerHeight)
  seen.push(`the panel spans ${[r.left, r.top, r.right, r.bottom]} of ${innerWidth}x${innerHeight}`);
const face = getComputedStyle(panel).backgroundColor;
if (!face.startsWith('rgb(')) seen.push(`the panel's face is ${face}`);
for (let x = 1; x < 10; ++x)
  for (let y = 1; y < 10; ++y) {
    const at = [innerWidth * x / 10, innerHeight * y / 10];
    const e = document.elementFromPoint(...at);
    if (!e || !panel.contains(e)) seen.push(`${at}: ${e ? e.id || e.tagName : 'nothing'}`);
  }
return seen;
"""

# The menus' items that show a shortcut, once each menu has been opened.
SHORTCUTS_SHOWN = """
const shown = [];
for (const title of document.querySelectorAll('.menu > button')) {
  title.click();
  for (const s of title.parentElement.querySelectorAll('.shortcut'))
    if (s.textContent && s.getClientRects().length) shown.push(s.textContent);
  title.click();
}
return shown;
"""


def open_page(driver, url, layout):
    driver.set_window_size(WIDTHS[layout], 800)
    driver.get(f"{url}index.html?layout={layout}")
    for _ in range(100):
        if driver.execute_script("return !!window.liftcalcPage"):
            return
        time.sleep(0.05)
    raise AssertionError(f"[{layout}] the page did not start")


def panel_covers_the_calculator(driver, url):
    open_page(driver, url, "narrow")
    ActionChains(driver).key_down(Keys.CONTROL).send_keys("k").key_up(Keys.CONTROL).perform()
    count = driver.execute_script("return document.getElementById('checkChooser').length")
    problems = [] if count > 0 else ["the checks panel has no checks"]
    for check in range(count):
        driver.execute_script("""
            const c = document.getElementById('checkChooser');
            c.selectedIndex = arguments[0]; c.dispatchEvent(new Event('change'));""", check)
        problems += [f"check {check}: {p}" for p in driver.execute_script(UNDER_THE_PANEL)]
    return problems


# The help on show, what the design gives for the check and unit system, and where the buttons are.
HELP_SHOWN = """
const page = window.liftcalcPage, state = page.model.checksState();
const guide = document.getElementById('checksGuide');
const buttons = ['checksCalculate', 'checksClear', 'checksClose'].map(
    (id) => document.getElementById(id).getBoundingClientRect());
return {shown: guide.getClientRects().length > 0 ? guide.textContent : null,
        wanted: page.checks.design.checks[state.check].guide[state.imperial ? 'imperial' : 'metric'],
        below: guide.getBoundingClientRect().top >= document.getElementById('checksRows').getBoundingClientRect().bottom,
        offScreen: buttons.filter((r) => r.left < 0 || r.top < 0 || r.right > innerWidth || r.bottom > innerHeight).length};
"""


def in_accessibility_tree(driver, selector):
    root = driver.execute_cdp_cmd("DOM.getDocument", {})["root"]["nodeId"]
    node = driver.execute_cdp_cmd("DOM.querySelector", {"nodeId": root, "selector": selector})["nodeId"]
    tree = driver.execute_cdp_cmd("Accessibility.getPartialAXTree", {"nodeId": node, "fetchRelatives": False})
    return any(not n.get("ignored") for n in tree["nodes"])


def help_under_each_check(driver, url):
    problems = []
    for layout, size in (("desktop", (1280, 800)), ("narrow", (360, 640))):
        open_page(driver, url, layout)
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": size[0], "height": size[1], "deviceScaleFactor": 1, "mobile": False})
        ActionChains(driver).key_down(Keys.CONTROL).send_keys("k").key_up(Keys.CONTROL).perform()
        count = driver.execute_script("return document.getElementById('checkChooser').length")
        for units in ("i", "m"):
            ActionChains(driver).key_down(Keys.ALT).send_keys(units).key_up(Keys.ALT).perform()
            for check in range(count):
                driver.execute_script("""
                    const c = document.getElementById('checkChooser');
                    c.selectedIndex = arguments[0]; c.dispatchEvent(new Event('change'));
                    document.getElementById('checksWindow').scrollTop = 0;""", check)
                s = driver.execute_script(HELP_SHOWN)
                where = f"[{layout}] check {check} {units}"
                if not s["wanted"] or s["shown"] != s["wanted"] or not s["below"]:
                    problems.append(f"{where}: help {s}")
                if s["offScreen"]:
                    problems.append(f"{where}: {s['offScreen']} buttons off the screen")
        if not in_accessibility_tree(driver, "#checksGuide"):
            problems.append(f"[{layout}] the help is not in the accessibility tree")
        driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    return problems


def shortcuts_in_each_layout(driver, url):
    problems = []
    for layout in WIDTHS:
        open_page(driver, url, layout)
        shown = driver.execute_script(SHORTCUTS_SHOWN)
        if layout == "narrow" and shown:
            problems.append(f"[narrow] the menus show {shown}")
        if layout == "desktop" and "Ctrl+D" not in shown:
            problems.append(f"[desktop] the menus show only {shown}")
    return problems


def main():
    site = Site(Path(sys.argv[1]))
    driver = browser()
    try:
        failures = panel_covers_the_calculator(driver, site.url)
        failures += help_under_each_check(driver, site.url)
        failures += shortcuts_in_each_layout(driver, site.url)
    finally:
        driver.quit()
        site.stop()
    for f in failures:
        print("FAIL", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
