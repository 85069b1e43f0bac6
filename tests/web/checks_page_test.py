# SPDX-License-Identifier: MIT
"""The field checks window in the page, driven as a person drives it, in both layouts: opened by
Ctrl+K and by the menu, worked cases in both unit systems against the core's own figures, a
refusal through the message box, Esc back to the calculator, a very long paste, and no sideways
scroll on a phone. A screenshot of each layout is kept with the window open."""
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

# Each field's text after Calculate, from the core's worked cases: (check, units, {id: text}).
WORKED = [
    (0, "Imperial", {"checkField_0_imperial": "4", "checkField_1_imperial": "1", "checkField_2_imperial": "25"},
     {"checkField_0_metric": "101.600", "checkField_2_metric": "7.620",
      "checkField_3_imperial": "16.320", "checkField_3_metric": "61.778"}),
    (2, "Metric", {"checkField_0_metric": "150", "checkField_1_imperial": "1", "checkField_2_metric": "10",
                   "checkField_3_metric": "1000"},
     {"checkField_0_imperial": "5.906", "checkField_2_imperial": "145.038",
      "checkField_3_imperial": "2,204.600", "checkField_4_metric": "1,801.986",
      "checkField_4_imperial": "3,972.658", "checkField_5_metric": "15.549",
      "checkField_5_imperial": "225.520"}),
]

STATE = """
const d = document.getElementById('checksWindow');
return {open: d.open, focus: document.activeElement.id,
        box: document.getElementById('messageBox').open,
        prompt: document.getElementById('messagePrompt').textContent,
        scroll: document.documentElement.scrollWidth, panelScroll: d.scrollWidth - d.clientWidth};
"""


class ChecksPlayer:
    def __init__(self, player):
        self.p = player
        self.d = player.d

    def state(self):
        return self.d.execute_script(STATE)

    def field(self, id):
        return self.d.find_element(By.ID, id)

    def type(self, id, text):
        self.field(id).click()
        self.p.press("Ctrl+A")
        self.d.execute_cdp_cmd("Input.insertText", {"text": text})

    def choose(self, index):
        self.d.execute_script("""
            const c = document.getElementById('checkChooser');
            c.selectedIndex = arguments[0]; c.dispatchEvent(new Event('change'));""", index)

    def open_by_menu(self):
        self.d.execute_script(
            "document.getElementById('mnuFieldChecks').closest('.menu').querySelector('button').click()")
        self.field("mnuFieldChecks").click()


def oil_for_a_travel(player, where):
    """Ctrl+K opens the checks, and the first worked case gives its figure: for a page loaded
    some other way (from disk, from the service worker's cache)."""
    c = ChecksPlayer(player)
    player.press("Ctrl+K")
    for row, text in enumerate(WORKED[0][2].values()):
        c.type(f"checkField_{row}_imperial", text)
    player.press("Enter")
    oil = c.field("checkField_3_imperial").get_property("value")
    player.press("Esc")
    return [] if oil == WORKED[0][3]["checkField_3_imperial"] else [f"{where}: the checks' oil {oil!r}"]


def worked_cases(c, layout):
    problems = []
    for check, units, typed, wanted in WORKED:
        c.p.press(f"Alt+{units[0]}")
        c.choose(check)
        if not c.field(f"checks{units}").is_selected():
            problems.append(f"[{layout}] {units} is not chosen")
        # The chosen unit's caption red and bold, the other's black and plain, as the model has them.
        looks = c.d.execute_script(
            "return ['checksImperial', 'checksMetric'].map((id) => {"
            "const s = getComputedStyle(document.querySelector(`label[for=${id}]`));"
            "return [s.color, Number(s.fontWeight) >= 700]; })")
        chosen, other = ["rgb(255, 0, 0)", True], ["rgb(0, 0, 0)", False]
        if looks != ([chosen, other] if units == "Imperial" else [other, chosen]):
            problems.append(f"[{layout}] {units}: unit captions {looks}")
        for id, text in typed.items():
            c.type(id, text)
        c.p.press("Enter")
        shown = {id: c.field(id).get_property("value") for id in wanted}
        if shown != wanted:
            problems.append(f"[{layout}] check {check} {units}: {shown}")
        looks = c.d.execute_script(
            "return arguments[0].map((id) => getComputedStyle(document.getElementById(id)).backgroundColor)",
            list(wanted) + list(typed))
        if looks != ["rgb(255, 255, 0)"] * len(wanted) + ["rgb(255, 255, 255)"] * len(typed):
            problems.append(f"[{layout}] check {check} {units}: colours {looks}")
    # The number of plungers has one field, shown in the metric column when metric is chosen.
    plungers, metric = c.d.execute_script(
        "return ['checkField_1_imperial', 'checkField_0_metric'].map("
        "(id) => document.getElementById(id).getBoundingClientRect().x)")
    if abs(plungers - metric) > 1:
        problems.append(f"[{layout}] the plungers' field at {plungers}, the metric column at {metric}")
    return problems


# Keys on the chooser, from the first check: (keys, the check then shown). The focus stays there.
CHOOSER_KEYS = [
    ([Keys.END], 8), ([Keys.PAGE_DOWN], 8), ([Keys.END, Keys.HOME], 0), ([Keys.END, Keys.PAGE_UP], 0),
    (["p"], 4), (["p", "p"], 7), (list("pressure h"), 8), (["l", "o"], 3), (["x"], 0),
]


def chooser_keys(c, layout):
    problems = []
    for keys, wanted in CHOOSER_KEYS:
        c.choose(0)
        c.p.press("Alt+K")
        time.sleep(1.1)  # a new search, not the last one's letters
        ActionChains(c.d).send_keys(*keys).perform()
        s = c.d.execute_script("return [liftcalcPage.model.checksState().check, "
                               "document.getElementById('checkChooser').selectedIndex, document.activeElement.id]")
        if s != [wanted, wanted, "checkChooser"]:
            problems.append(f"[{layout}] {keys} on the chooser: {s}, wanted check {wanted}")
    return problems


def refusals(c, layout):
    problems = []
    c.p.press("Alt+I")
    c.choose(0)
    for text, says in [("0", "Travel must be more than 0"), ("9" * 100000, "")]:
        c.type("checkField_0_imperial", "4")
        c.type("checkField_1_imperial", "1")
        c.type("checkField_2_imperial", text)
        c.p.press("Enter")
        s = c.state()
        if not s["box"] or says not in s["prompt"]:
            problems.append(f"[{layout}] {text[:8]}: no refusal ({s['prompt'][:80]!r})")
        c.p.press("Enter")
        s = c.state()
        if s["box"] or not s["open"] or s["focus"] != "checkField_2_imperial":
            problems.append(f"[{layout}] {text[:8]}: after the box {s}")
    return problems


def check_field_checks(driver, player, folder):
    problems = []
    for layout in ("desktop", "narrow"):
        player.open("en_US", layout)
        c = ChecksPlayer(player)
        player.act("focus 2")
        player.press("Ctrl+K")
        s = c.state()
        if not s["open"] or s["focus"] != "checkField_0_imperial":
            problems.append(f"[{layout}] Ctrl+K: {s}")
        problems += worked_cases(c, layout)
        # Ctrl+K again keeps the window as it stands and is not left to the browser.
        before = c.state()["focus"]
        c.d.execute_script("window.addEventListener('keydown', (e) => { window.lastKey = e; }, true)")
        player.press("Ctrl+K")
        s = c.state()
        if not s["open"] or s["focus"] != before or not c.d.execute_script("return lastKey.defaultPrevented"):
            problems.append(f"[{layout}] Ctrl+K while open: {s}")
        driver.save_screenshot(str(folder / f"checks-web-{layout}.png"))
        s = c.state()
        if s["scroll"] > driver.execute_script("return window.innerWidth") or s["panelScroll"] > 0:
            problems.append(f"[{layout}] scrolls sideways: {s}")
        problems += refusals(c, layout)
        problems += chooser_keys(c, layout)
        player.press("Esc")
        s = c.state()
        if s["open"] or s["focus"] != "Text1_2":
            problems.append(f"[{layout}] Esc: {s}")
        c.open_by_menu()
        if not c.state()["open"]:
            problems.append(f"[{layout}] the menu did not open the checks")
        c.field("checksClose").click()
        s = c.state()
        if s["open"] or s["focus"] != "Text1_2":
            problems.append(f"[{layout}] Close: {s}")
        time.sleep(0.1)
    return problems
