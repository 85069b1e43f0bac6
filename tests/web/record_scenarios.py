# SPDX-License-Identifier: MIT
"""The test record window's replay scenarios played through the page's panel, as a person does
each line there, the page read from the DOM and compared with the replay driver's dump after
every line."""
import sys
from pathlib import Path

from headless import browser
from page_test import BROWSER_FORMAT, PagePlayer, console_errors

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "support"))
from replay_session import replay_dumps, scenario_actions  # noqa: E402

# The record panel as the DOM shows it, in the replay dump's terms; null while it is closed.
READ_RECORD = """
const panel = window.liftcalcPage.record;
if (!panel.dialog.open) return null;
const d = panel.design, active = document.activeElement;
const fields = {}, units = {};
d.fields.forEach((f, i) => {
  fields[f.name] = panel.fields[i].value;
  if (f.measure >= 0) units[f.name] = panel.units[f.measure].selectedOptions[0].textContent;
});
// An entry's own field holds the focus the model keeps where it was.
let focus = panel.list.contains(active) && active !== panel.list ? 'entry' : null;
const field = panel.fields.indexOf(active), unit = panel.units.indexOf(active), control = panel.controls.indexOf(active);
if (field >= 0) focus = d.fields[field].name;
else if (unit >= 0) focus = d.fields.find((f) => f.measure === unit).name + ' unit';
else if (control >= 0) focus = d.controls[control].name;
const current = panel.rows.findIndex((r) => r.getAttribute('aria-selected') === 'true');
return {title: panel.title.textContent, front: panel.inFront(), focus, fields, units, current: current >= 0 ? current + 1 : null,
        entries: panel.rows.map((r) => ({figures: r.figures.textContent, context: r.context.value,
                                         verdict: r.verdict.selectedOptions[0].textContent, note: r.note.value}))};
"""
VERDICTS = {"none": 0, "pass": 1, "fail": 2, "n/a": 3}
KEYS = {"Tab": Keys.TAB, "Enter": Keys.ENTER, "Esc": Keys.ESCAPE, "Delete": Keys.DELETE, "Left": Keys.LEFT,
        "Right": Keys.RIGHT, "Up": Keys.UP, "Down": Keys.DOWN}


def act_on_record(player, line):
    """A replay line for the record window, done as a person does it in the panel."""
    d = player.d
    action, _, rest = line.partition(" ")
    first, _, text = rest.partition(" ")

    def type_into(element, click=True):
        # An entry's context and note are set in place without choosing the entry.
        if click:
            element.click()
        else:
            d.execute_script("arguments[0].focus()", element)
        player.press("Ctrl+A")
        if text:
            d.execute_cdp_cmd("Input.insertText", {"text": text})
        else:
            player.active().send_keys(Keys.BACKSPACE)

    def choose(element_id, index):
        d.execute_script("const s = document.getElementById(arguments[0]); s.selectedIndex = arguments[1];"
                         "s.dispatchEvent(new Event('change'));", element_id, index)

    entry = f"recordEntry_{int(first) - 1}" if first.isdigit() else None
    if action == "type":
        type_into(d.find_element(By.ID, f"record_{first}"))
    elif action == "focus":
        d.find_element(By.ID, f"record_{rest}").click()
    elif action == "unit":
        unit = d.execute_script("const f = window.liftcalcPage.record.design.fields.find((f) => f.name === arguments[0]);"
                                "return f.measure;", first)
        choose(f"recordUnit_{unit}", 0 if text == "imperial" else 1)
    elif action == "select":
        d.find_element(By.CSS_SELECTOR, f"#recordEntry_{int(rest) - 1} .entry-head").click()
    elif action in ("context", "note"):
        type_into(d.find_element(By.ID, f"{entry}_{5 if action == 'context' else 7}"), click=False)
    elif action == "verdict":
        choose(f"{entry}_6", VERDICTS[text])
    elif action in ("click", "command"):
        d.find_element(By.ID, rest).click()
    elif action == "key":
        *held, last = rest.split("+")
        chain = ActionChains(d)
        for m in held:
            chain.key_down({"Ctrl": Keys.CONTROL, "Shift": Keys.SHIFT, "Alt": Keys.ALT}[m])
        chain.send_keys(KEYS.get(last, last.lower()))
        for m in reversed(held):
            chain.key_up({"Ctrl": Keys.CONTROL, "Shift": Keys.SHIFT, "Alt": Keys.ALT}[m])
        chain.perform()


def record_differences(page, dump):
    # The driver's record window is there before it is shown (Add to Test Record opens it
    # unseen), when the page shows no panel yet.
    if page is None:
        return []
    if dump is None:
        return ["record panel: open on the page, closed in the replay"]
    out = []
    # The driver's clock stands still; the visit's date is the browser's today.
    for fields in (page["fields"], dump["fields"]):
        fields.pop("date")
    # The record window's focus shows while it is the window in front.
    in_front = page["front"] and page["focus"] != "entry"
    for what in ["title", "fields", "units", "current"] + (["focus"] if in_front else []):
        if page[what] != dump[what]:
            out.append(f"record {what}: page {page[what]!r}, replay {dump[what]!r}")
    wanted = [{k: e[k] for k in ["figures", "context", "verdict", "note"]} for e in dump["entries"]]
    if page["entries"] != wanted:
        out.append(f"record entries: page {page['entries']!r}, replay {wanted!r}")
    return out


def choose_menu(driver, item):
    driver.execute_script(
        "document.getElementById(arguments[0]).closest('.menu').querySelector('button').click()", item)
    driver.find_element(By.ID, item).click()


def check_record_scenarios(url, replay, scenarios):
    """Each scenario that needs no files, in the wide layout; the problems found."""
    problems = []
    for path in sorted(scenarios.glob("*.scenario")):
        locale, actions = scenario_actions(path)
        if any(a.split()[0] in ("file", "pick", "unwritable", "answer") for a in actions):
            continue
        # Beside the calculator, where both take input as the desktop's two windows do; on a
        # phone the panel covers the calculator.
        for layout in ["desktop"]:
            driver = browser(keep_console=True)
            try:
                player = PagePlayer(driver, url)
                number_format = driver.execute_script(BROWSER_FORMAT, locale)
                dumps = replay_dumps(replay, ["--number-format", *number_format], actions)
                player.open(locale, layout)
                for line, dump in zip(actions, dumps):
                    if dump is None or line.split()[0] in ("dump", "close"):
                        continue
                    if line.startswith("record "):
                        if line.split()[1] == "close":
                            continue  # the panel has no title bar to close it from
                        act_on_record(player, line[len("record "):])
                    elif line.startswith("menu "):
                        choose_menu(driver, line.split()[1])
                    else:
                        player.act(line)
                    messages = player.messages()
                    wanted = [{"title": m["title"], "prompt": m["prompt"].replace("\r\n", "\n")}
                              for m in dump["messages"]]
                    found = [f"messages: page {messages!r}, replay {wanted!r}"] if messages != wanted else []
                    found += record_differences(driver.execute_script(READ_RECORD), dump.get("record"))
                    if found:
                        problems.append(f"{path.name} [{layout}] after '{line}':\n    " + "\n    ".join(found))
                        break
                problems += [f"{path.name} [{layout}] console: {e}" for e in console_errors(driver)]
            finally:
                driver.quit()
    return problems
