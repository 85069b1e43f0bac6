#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The web page in headless Chromium, driven as a person drives it.

Every replay scenario is played through the page with real clicks and keystrokes, in the desktop
and the narrow layout, and after every line the page (read from the DOM alone) must show what
the replay driver's dump says. Then: the page starts from the service worker's cache with the
server stopped, the single-file page works from disk (the field checks too, in both), and a
screenshot of each layout is kept.

usage: page_test.py SITE_DIR REPLAY_COMMAND SCENARIO_DIR SCREENSHOT_DIR
"""
import sys
import time
from pathlib import Path

from checks_page_test import check_field_checks, oil_for_a_travel
from headless import Site, browser

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "support"))
from replay_session import WORKED_EXAMPLE, WORKED_PRESSURE, replay_dumps, scenario_actions  # noqa: E402

LAYOUTS = {"desktop": 1280, "narrow": 360}
MENU_OF = {}  # menu item id -> menu title id, read from the page

# The page's state as the DOM shows it, in the replay dump's terms.
READ_STATE = """
const win = document.getElementById('window');
const loaded = !!win && win.isConnected && document.getElementById('closed').hidden;
const colour = (e) => getComputedStyle(e).backgroundColor;
const active = document.activeElement;
let focus = null;
if (loaded && active && active.id) focus = active.id.replace(/^Text1_(\\d+)$/, 'Text1($1)');
const fields = loaded ? window.liftcalcPage.fields.map((e) => {
  const box = e.getBoundingClientRect();
  return {text: e.value, visible: getComputedStyle(e).display !== 'none', locked: e.readOnly,
          tabStop: e.tabIndex === 0, backColor: colour(e), offsetLeft: e.offsetLeft, x: box.x,
          selStart: e.selectionStart, selEnd: e.selectionEnd,
          name: e.getAttribute('aria-label'), inputmode: e.getAttribute('inputmode')};
}) : [];
const option = (id) => {
  const e = document.getElementById(id);
  const label = document.querySelector('label[for=' + id + ']');
  const style = getComputedStyle(label);
  return {value: e.checked, colour: style.color, bold: Number(style.fontWeight) >= 700};
};
const menus = {};
if (loaded) for (const e of document.querySelectorAll('[role=menubar] [role=menuitemcheckbox]'))
  menus[e.id] = e.getAttribute('aria-checked') === 'true';
return {loaded, focus, fields, menus,
        heading: loaded ? document.getElementById('Label1_19').textContent : null,
        displacementTip: loaded ? document.getElementById('Label1_5').title : null,
        options: loaded ? {optImperial: option('optImperial'), optMetric: option('optMetric')} : null,
        boxOpen: document.getElementById('messageBox').open};
"""

COLOURS = {16777215: "rgb(255, 255, 255)", 65535: "rgb(255, 255, 0)", 255: "rgb(255, 0, 0)",
           0: "rgb(0, 0, 0)"}


# The regional settings as the browser formats numbers; its locale data may differ from Qt's
# (de_CH groups with ' in Chromium, with U+2019 in Qt).
BROWSER_FORMAT = """
const parts = new Intl.NumberFormat(arguments[0].replace('_', '-')).formatToParts(-1234567.5);
const part = (t) => (parts.find((p) => p.type === t) || {}).value;
return [part('decimal'), part('group') || '', part('minusSign') || '-'];
"""


# The field checks as the replay driver names them, in the chooser's order, and the panel's
# controls' element ids by the names the replay driver gives them, both from the page's design.
CHECKS_NAMING = """
const checks = window.liftcalcPage.checks;
return [checks.design.checks.map((c) => c.command),
        Object.fromEntries(checks.design.controls.map((c, i) => [c.name, checks.controls[i].id]))];
"""


class PagePlayer:
    def __init__(self, driver, url):
        self.d = driver
        self.url = url

    def open(self, locale, layout):
        self.d.set_window_size(LAYOUTS[layout], 900)
        self.d.get(f"{self.url}index.html?locale={locale}&layout={layout}")
        for _ in range(100):
            if self.d.execute_script("return !!window.liftcalcPage"):
                self.check_names, self.checks_control_ids = self.d.execute_script(CHECKS_NAMING)
                return
            time.sleep(0.05)
        raise AssertionError("the page did not start")

    def active(self):
        return self.d.switch_to.active_element

    def press(self, key):
        chain = ActionChains(self.d)
        modifiers = {"Ctrl": Keys.CONTROL, "Alt": Keys.ALT, "Shift": Keys.SHIFT}
        named = {"Tab": Keys.TAB, "Enter": Keys.ENTER, "Esc": Keys.ESCAPE, "F1": Keys.F1,
                 "Left": Keys.LEFT, "Right": Keys.RIGHT, "Up": Keys.UP, "Down": Keys.DOWN,
                 "Home": Keys.HOME, "End": Keys.END, "PgUp": Keys.PAGE_UP, "PgDown": Keys.PAGE_DOWN}
        *held, last = key.split("+")
        for m in held:
            chain.key_down(modifiers[m])
        chain.send_keys(named.get(last, last.lower()))
        for m in reversed(held):
            chain.key_up(modifiers[m])
        chain.perform()

    def type_text(self, index, text):
        field = self.d.find_element(By.ID, f"Text1_{index}")
        field.click()
        current = field.get_property("value")
        if text == current and text == "":
            return
        self.press("Ctrl+A")
        if text == "":
            self.active().send_keys(Keys.BACKSPACE)
        elif text == current or not all(" " <= c <= "~" for c in text):
            # One edit with the whole text, as a paste makes it.
            self.d.execute_cdp_cmd("Input.insertText", {"text": text})
        else:
            self.active().send_keys(text)

    def act(self, line):
        action, _, rest = line.partition(" ")
        if action == "focus":
            self.d.find_element(By.ID, f"Text1_{int(rest)}").click()
        elif action == "type":
            number, _, text = rest.partition(" ")
            self.type_text(int(number), text)
        elif action == "click":
            self.d.find_element(By.ID, rest.strip()).click()
        elif action == "key":
            self.press(rest.strip())
        elif action == "menu":
            item = rest.strip()
            self.d.find_element(By.ID, MENU_OF[item]).click()
            self.d.find_element(By.ID, item).click()
        elif action == "checks":
            self.act_on_checks(rest)

    def act_on_checks(self, line):
        """A line for the field checks panel, done as a person does it there."""
        action, _, rest = line.partition(" ")
        if action == "choose":
            self.d.execute_script("""
                const c = document.getElementById('checkChooser');
                c.selectedIndex = arguments[0]; c.dispatchEvent(new Event('change'));""",
                                  self.check_names.index(rest.strip()))
        elif action == "type":
            number, _, text = rest.partition(" ")
            # The row's field in the chosen column, or its only one: the one a person can type in.
            field = self.d.execute_script("""
                return ['metric', 'imperial'].map((c) => document.getElementById(
                    'checkField_' + arguments[0] + '_' + c)).find((f) => f && !f.readOnly &&
                    f.offsetParent !== null);""", int(number))
            field.click()
            self.press("Ctrl+A")
            if text:
                self.d.execute_cdp_cmd("Input.insertText", {"text": text})
            else:
                self.active().send_keys(Keys.BACKSPACE)
        elif action == "focus":
            row, column = rest.split()
            self.d.find_element(By.ID, f"checkField_{int(row)}_{column}").click()
        elif action == "click" and rest.strip() == "chooser":
            # A click on a <select> also opens its list, which then takes the arrows; its
            # access key gives it the focus alone, as the replay driver's click does.
            self.press("Alt+K")
        elif action == "click":
            self.d.find_element(By.ID, self.checks_control_ids[rest.strip()]).click()
        elif action == "key":
            self.press(rest.strip())
        elif action == "find":
            time.sleep(1.1)  # a search of its own, not the last one's letters typed on
            ActionChains(self.d).send_keys(rest).perform()
        elif action == "close":
            self.d.find_element(By.ID, self.checks_control_ids["cmdClose"]).click()

    def messages(self):
        """Closes every open message box, one after the other, and returns what they showed."""
        shown, closer = [], 0
        while self.d.execute_script("return document.getElementById('messageBox').open"):
            shown.append({"title": self.d.find_element(By.ID, "messageTitle").text,
                          "prompt": self.d.execute_script(
                              "return document.getElementById('messagePrompt').textContent")})
            # OK, Enter and Esc all close a box.
            [lambda: self.d.find_element(By.ID, "messageOk").click(),
             lambda: self.press("Enter"), lambda: self.press("Esc")][closer % 3]()
            closer += 1
        return shown

    def state(self):
        return self.d.execute_script(READ_STATE)


def checks_focus_id(checks, control_ids):
    """The element of the field checks panel that holds the focus the replay driver names:
    a control, or a field ("row 2 metric")."""
    focus = checks["focus"]
    if focus.startswith("row "):
        _, row, column = focus.split()
        return f"checkField_{row}_{column}"
    return control_ids[focus]


def differences(page, dump, layout, messages, checks_control_ids):
    """What the page shows differently from the dump, as readable lines."""
    out = []

    def check(what, seen, wanted):
        if seen != wanted:
            out.append(f"{what}: page {seen!r}, replay {wanted!r}")

    check("loaded", page["loaded"], dump["loaded"])
    wanted_messages = [{"title": m["title"], "prompt": m["prompt"].replace("\r\n", "\n")}
                       for m in dump["messages"]]
    check("message boxes", messages, wanted_messages)
    if not dump["loaded"]:
        return out
    check("focus", page["focus"], checks_focus_id(dump["checks"], checks_control_ids) if "checks" in dump else dump["focus"])
    check("heading", page["heading"], dump["heading"])
    check("displacement tooltip", page["displacementTip"], dump["displacementTip"])
    check("menu checks", page["menus"], dump["menus"])
    for name, o in dump["options"].items():
        p = page["options"][name]
        check(name, (p["value"], p["colour"], p["bold"]), (o["value"], COLOURS[o["foreColor"]], o["bold"]))
    fields = page["fields"]
    check("fields", len(fields), len(dump["fields"]))
    for i, (p, f) in enumerate(zip(fields, dump["fields"])):
        check(f"Text1({i}) text", p["text"], f["text"])
        check(f"Text1({i}) visible", p["visible"], f["visible"])
        if not f["visible"]:
            continue
        check(f"Text1({i}) locked", p["locked"], f["locked"])
        check(f"Text1({i}) tab stop", p["tabStop"], f["tabStop"])
        check(f"Text1({i}) colour", p["backColor"], COLOURS.get(f["backColor"]))
        if layout == "desktop":
            check(f"Text1({i}) left", p["offsetLeft"] * 15, f["left"])
        else:
            # The diameter fields stand in the two columns, whatever the unit system.
            column = fields[0]["x"] if f["left"] == dump["fields"][0]["left"] else fields[6]["x"]
            check(f"Text1({i}) column", p["x"], column)
        if page["focus"] == f"Text1({i})":
            check(f"Text1({i}) selection", (p["selStart"], p["selEnd"] - p["selStart"]),
                  (f["selStart"], f["selLength"]))
    return out


def console_errors(driver):
    return [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"
            and "favicon" not in e["message"]]


def check_contract(driver):
    """The parts of the page's contract that do not change as the window is used."""
    problems = []
    names = driver.execute_script(
        "return window.liftcalcPage.fields"
        ".map((e) => [e.id, e.tagName, e.getAttribute('aria-label'), e.getAttribute('inputmode')])")
    for i, (element, tag, name, mode) in enumerate(names):
        if element != f"Text1_{i}" or tag != "INPUT" or not name or mode != "decimal":
            problems.append(f"Text1_{i}: {element} {tag} {name!r} inputmode {mode!r}")
    if names[0][2] != "Diameter of Plunger(s) IN" or names[1][2] != "Number of Plungers":
        problems.append(f"accessible names: {names[0][2]!r}, {names[1][2]!r}")
    captions = driver.execute_script(
        "return ['cmdCalculate', 'cmdClear', 'cmdExit'].map((id) => document.getElementById(id))"
        ".map((e) => [e.tagName, e.textContent, e.querySelector('u') && e.querySelector('u').textContent])")
    if captions != [["BUTTON", "Calculate", "C"], ["BUTTON", "Clear All", "l"], ["BUTTON", "Exit", "x"]]:
        problems.append(f"buttons: {captions}")
    labels = driver.execute_script(
        "return ['optImperial', 'optMetric'].map((id) => document.querySelector('label[for=' + id + ']')"
        ".textContent + ':' + document.getElementById(id).type)")
    if labels != ["Imperial:radio", "Metric:radio"]:
        problems.append(f"option buttons: {labels}")
    if driver.execute_script("return document.getElementById('messageBox').getAttribute('role')") != "alertdialog":
        problems.append("the message box is not an alert dialog")
    for item, title in MENU_OF.items():
        if driver.execute_script(f"return !document.getElementById('{item}').isConnected"):
            problems.append(f"{item} is not in the DOM while its menu is closed")
    # Every item of the design tables (the calculators' from their rows) is an element with its
    # caption and shortcut, and a check box where the window checks it.
    items = driver.execute_script("""
        return window.liftcalcPage.design.menus.filter((m) => m.parent >= 0).map((m) => {
          const e = document.getElementById(m.name);
          return [m.name, m.caption.replace('&', ''), m.shortcut,
                  m.checkable ? 'menuitemcheckbox' : 'menuitem', e && e.getAttribute('role'),
                  e && e.querySelector('.caption').textContent,
                  e && e.querySelector('.shortcut').textContent];
        });""")
    for name, caption, shortcut, role, shown_role, shown_caption, shown_shortcut in items:
        if (shown_role, shown_caption, shown_shortcut) != (role, caption, shortcut):
            problems.append(f"{name}: {shown_role} {shown_caption!r} {shown_shortcut!r}")
    return problems


def play_scenarios(driver, site, replay, scenarios):
    player = PagePlayer(driver, site.url)
    failures = []
    for path in sorted(scenarios.glob("*.scenario")):
        locale, actions = scenario_actions(path)
        number_format = driver.execute_script(BROWSER_FORMAT, locale)
        dumps = replay_dumps(replay, ["--number-format", *number_format], actions)
        for layout in LAYOUTS:
            player.open(locale, layout)
            if not MENU_OF:
                MENU_OF.update(driver.execute_script(
                    "const m = {}; for (const e of document.querySelectorAll('[role=menu] > [id]'))"
                    " m[e.id] = e.parentElement.previousElementSibling.id; return m;"))
                failures += [f"contract: {p}" for p in check_contract(driver)]
            for number, (line, dump) in enumerate(zip(actions, dumps), 1):
                if dump is None or line.split()[0] == "dump":
                    continue
                if line.split()[0] == "close":
                    break  # a page has no title bar to close it from
                player.act(line)
                messages = player.messages()
                found = differences(player.state(), dump, layout, messages, player.checks_control_ids)
                if found:
                    failures.append(f"{path.name} [{layout}] after '{line}':\n    " + "\n    ".join(found))
                    break
                if not dump["loaded"]:
                    break
            failures += [f"{path.name} [{layout}] console: {e}" for e in console_errors(driver)]
    return failures


def check_offline(driver, site):
    """After one visit the service worker starts the page with the server stopped."""
    driver.set_window_size(1280, 900)
    driver.get(site.url + "index.html")
    driver.execute_async_script(
        "const done = arguments[0]; navigator.serviceWorker.ready.then(() => done(true));")
    site.stop()
    driver.get(site.url + "index.html?layout=narrow")
    time.sleep(1)
    state = driver.execute_script("return [!!window.liftcalcPage, document.activeElement.id]")
    if state != [True, "Text1_0"]:
        return [f"offline start: {state}"]
    return oil_for_a_travel(PagePlayer(driver, site.url), "offline")


def screenshot(driver, url, layout, folder):
    driver.set_window_size(LAYOUTS[layout], 900)
    driver.get(f"{url}?layout={layout}")
    time.sleep(0.5)
    player = PagePlayer(driver, url)
    for line in WORKED_EXAMPLE:
        player.act(line)
    height, chrome = driver.execute_script(
        "return [document.documentElement.scrollHeight, window.outerHeight - window.innerHeight]")
    driver.set_window_size(LAYOUTS[layout], height + chrome)
    driver.save_screenshot(str(folder / f"liftcalc-{layout}.png"))
    width = driver.execute_script("return document.documentElement.scrollWidth")
    return [] if width <= LAYOUTS[layout] else [f"{layout}: scrolls sideways ({width} px)"]


def check_chart_on_a_phone(driver, site):
    """At 360 pixels every line of the conversion chart fits the message box: none wraps."""
    driver.set_window_size(LAYOUTS["narrow"], 900)
    driver.get(site.url + "index.html?layout=narrow")
    time.sleep(0.5)
    PagePlayer(driver, site.url).press("Ctrl+C")
    wide = driver.execute_script("""
        const p = document.getElementById('messagePrompt');
        const context = document.createElement('canvas').getContext('2d');
        context.font = getComputedStyle(p).font;
        return p.textContent.split(/\\r?\\n/)
            .filter((line) => context.measureText(line).width > p.clientWidth);""")
    return [f"chart at 360 px: wraps {line!r}" for line in wide]


def check_single_file(driver, site_dir, folder):
    """liftcalc.html works opened from disk, and both layouts fit their widths."""
    url = (site_dir / "liftcalc.html").resolve().as_uri()
    problems = []
    for layout in LAYOUTS:
        problems += screenshot(driver, url, layout, folder)
        value = driver.execute_script("return document.getElementById('Text1_3').value")
        if value != WORKED_PRESSURE:
            problems.append(f"single file [{layout}]: the pressure reads {value!r}")
        problems += oil_for_a_travel(PagePlayer(driver, url), f"single file [{layout}]")
    return problems


def main():
    site_dir, replay, scenarios, shots = map(Path, sys.argv[1:5])
    shots.mkdir(parents=True, exist_ok=True)
    driver = browser(keep_console=True)
    site = Site(site_dir)
    try:
        failures = play_scenarios(driver, site, str(replay), scenarios)
        failures += check_chart_on_a_phone(driver, site)
        failures += check_field_checks(driver, PagePlayer(driver, site.url), shots)
        failures += [f"field checks: console: {e}" for e in console_errors(driver)]
        failures += check_single_file(driver, site_dir, shots)
        failures += check_offline(driver, site)
    finally:
        driver.quit()
    for f in failures:
        print("FAIL", f)
    print(f"screenshots in {shots}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
