// SPDX-License-Identifier: MIT
// The field checks window in the page: a modal panel over the calculator, built from the checks'
// design, mirroring every change the model reports and reporting what a person does as the
// model's person actions. What a key, a click or an edit does is the model's to decide.
"use strict";

// The page's ids of the checks window's controls, by the model's names of them.
const CHECKS_CONTROL_IDS = {
  chooser: "checkChooser", optImperial: "checksImperial", optMetric: "checksMetric",
  cmdCalculate: "checksCalculate", cmdClear: "checksClear", cmdClose: "checksClose",
  cmdAddToRecord: "checksAddToRecord",
};

// The chooser's list keys by the browser's names, as the model names them.
const CHOOSER_KEYS = { Home: "Home", End: "End", PageUp: "PgUp", PageDown: "PgDown" };
// Letters typed within this many milliseconds of each other make one search, as in a list.
const TYPE_AHEAD_MS = 1000;

function checkFieldId(slot) {
  return `checkField_${slot >> 1}_${slot & 1 ? "metric" : "imperial"}`;
}

class ChecksPage {
  constructor(page) {
    this.page = page;
    this.model = page.model;
    this.design = JSON.parse(page.module.checksDesign());
    this.dialog = document.getElementById("checksWindow");
    this.typed = "";
    this.typedAt = -Infinity;
    this.build();
    this.connectInput();
  }

  openingShortcut() {
    return this.page.design.menus.find((m) => m.name === "mnuFieldChecks")?.shortcut;
  }

  isOpen() {
    return this.dialog.open;
  }

  // --- Building ------------------------------------------------------------------------------
  build() {
    const d = this.design;
    const controls = d.controls;
    element("h2", { id: "checksTitle" }, this.dialog).textContent = "Field checks";
    const top = element("div", { class: "checks-top" }, this.dialog);
    const chooser = controls.find((c) => c.kind === "chooser");
    this.chooserIndex = controls.indexOf(chooser);
    setCaption(element("label", { for: CHECKS_CONTROL_IDS[chooser.name] }, top), chooser.caption);
    this.chooser = element("select", { id: CHECKS_CONTROL_IDS[chooser.name] }, top);
    for (const check of d.checks) element("option", {}, this.chooser).textContent = check.title;
    const units = element("fieldset", { class: "checks-units", "aria-label": "Units" }, top);
    this.controls = controls.map((c) => {
      const id = CHECKS_CONTROL_IDS[c.name];
      if (c.kind === "chooser") return this.chooser;
      if (c.kind === "option") {
        const radio = element("input", { type: "radio", id, name: "checksUnits" }, units);
        radio.optionLabel = element("label", { for: id }, units);
        setCaption(radio.optionLabel, c.caption);
        return radio;
      }
      return null;
    });
    const rows = element("div", { class: "checks-rows", id: "checksRows" }, this.dialog);
    this.rows = [];
    this.fields = [];
    this.units = [];
    for (let row = 0; row < d.rows; ++row) {
      const caption = element("span", { class: "check-caption", id: `checkCaption_${row}` }, rows);
      caption.style.setProperty("--row", String(row));
      this.rows.push(caption);
      for (let slot = 2 * row; slot < 2 * row + 2; ++slot) {
        const id = checkFieldId(slot);
        const field = element("input", {
          id, type: "text", inputmode: "decimal", autocomplete: "off", autocapitalize: "off", spellcheck: "false",
          class: slot & 1 ? "check-field column-metric" : "check-field",
        }, rows);
        const unit = element("span", { class: slot & 1 ? "check-unit column-metric" : "check-unit", id: id.replace("Field", "Unit") }, rows);
        for (const e of [field, unit]) e.style.setProperty("--row", String(row));
        this.fields.push(field);
        this.units.push(unit);
      }
    }
    // Where the readings are taken and how the answers are worked, under the rows.
    this.guide = element("p", { class: "checks-guide", id: "checksGuide" }, this.dialog);
    this.dialog.setAttribute("aria-describedby", this.guide.id);
    const buttons = element("div", { class: "checks-buttons" }, this.dialog);
    controls.forEach((c, i) => {
      if (c.kind !== "button") return;
      const button = element("button", { id: CHECKS_CONTROL_IDS[c.name], type: "button", class: "command" }, buttons);
      setCaption(button, c.caption);
      if (c.toolTip) button.title = c.toolTip;
      this.controls[i] = button;
    });
  }

  // --- Mirroring the model -----------------------------------------------------------------
  // Mirrors what the last action changed.
  flush() {
    const changes = this.model.checksTakeChanges().slice();
    for (let at = 0; at < changes.length; at += 2) this.mirror(this.design.changes[changes[at]], changes[at + 1]);
  }

  mirror(change, slot) {
    switch (change) {
      case "opened":
        this.open();
        break;
      case "closed":
        this.close();
        break;
      case "chosen":
        this.mirrorCheck();
        break;
      case "units":
        this.mirrorUnits();
        break;
      case "focus":
        this.mirrorFocus();
        break;
      default:
        if (this.isOpen()) this.mirrorField(slot, change);
    }
  }

  open() {
    if (!this.isOpen()) {
      whileMirroring(this.page, () => this.dialog.showModal());
    }
    this.mirrorAll();
  }

  close() {
    if (!this.isOpen()) return;
    whileMirroring(this.page, () => this.dialog.close());
    this.page.mirrorFocus();
  }

  mirrorAll() {
    this.mirrorCheck();
    this.fields.forEach((_, slot) => {
      for (const p of ["text", "visible", "locked"]) this.mirrorField(slot, p);
    });
    this.mirrorFocus();
  }

  // The chosen check in the chooser, its rows' captions and units, and the columns.
  mirrorCheck() {
    const state = this.model.checksState();
    const rows = this.design.checks[state.check].rows;
    if (this.chooser.selectedIndex !== state.check) this.chooser.selectedIndex = state.check;
    this.rows.forEach((caption, row) => {
      caption.textContent = row < rows.length ? rows[row].name : "";
      caption.hidden = row >= rows.length;
      for (const metric of [0, 1]) {
        const unit = row < rows.length ? rows[row][metric ? "metric" : "imperial"] : "";
        this.units[2 * row + metric].textContent = unit;
        this.fields[2 * row + metric].setAttribute("aria-label", unit ? `${caption.textContent} ${unit}` : caption.textContent);
      }
    });
    this.mirrorUnits();
  }

  // The unit systems' option buttons as the model shows them; a row without unit systems shows
  // its one field in the chosen column.
  mirrorUnits() {
    const state = this.model.checksState();
    const rows = this.design.checks[state.check].rows;
    this.controls.forEach((el, i) => {
      if (el.optionLabel) mirrorOptionButton(el, this.model.checksOption(i));
    });
    this.guide.textContent = this.design.checks[state.check].guide[state.imperial ? "imperial" : "metric"];
    this.rows.forEach((_, row) => {
      const single = row < rows.length && !rows[row].metric;
      for (const e of [this.fields[2 * row], this.units[2 * row]])
        e.classList.toggle("column-metric", single && !state.imperial);
    });
  }

  mirrorField(slot, property) {
    const el = this.fields[slot];
    const f = this.model.checksField(slot);
    if (property === "text" && el.value !== f.text) el.value = f.text;
    if (property === "text" || property === "selection") this.mirrorSelection(slot, f);
    else if (property === "visible") el.hidden = this.units[slot].hidden = !f.visible;
    else if (property === "locked") {
      el.readOnly = f.locked;
      el.tabIndex = f.locked ? -1 : 0;
      el.classList.toggle("locked", f.locked);
    }
  }

  mirrorSelection(slot, f = this.model.checksField(slot)) {
    if (document.activeElement === this.fields[slot]) mirrorSelectionOf(this.fields[slot], f);
  }

  mirrorFocus() {
    if (!this.isOpen() || this.page.boxOpen()) return;
    const state = this.model.checksState();
    const el = state.focusSlot !== undefined ? this.fields[state.focusSlot] : this.controls[state.focusControl];
    mirrorFocusOn(this.page, el);
    if (state.focusSlot !== undefined) this.mirrorSelection(state.focusSlot);
  }

  // --- Reporting what a person does --------------------------------------------------------
  connectInput() {
    const act = (action) => this.page.act(action);
    this.fields.forEach((el, slot) =>
      connectField(this.page, el, {
        focused: () => this.model.checksState()?.focusSlot === slot,
        live: () => this.isOpen(),
        click: () => this.model.checksClickField(slot),
        edit: (text, caretAt) => this.model.checksEditField(slot, text, caretAt),
        mirrorText: () => this.mirrorField(slot, "text"),
        select: (start, length) => {
          this.model.checksSelectInField(slot, start, length);
          this.model.checksTakeChanges();
        },
      }),
    );
    this.controls.forEach((el, i) => {
      if (i !== this.chooserIndex) connectButton(this.page, el, () => this.model.checksClick(i));
    });
    // The chooser takes the focus through the model, then opens its list as usual.
    this.chooser.addEventListener("mousedown", () => {
      if (this.model.checksState()?.focusControl !== this.chooserIndex) act(() => this.model.checksClick(this.chooserIndex));
    });
    this.chooser.addEventListener("focus", () => {
      if (!this.page.mirroringFocus && !this.page.boxOpen() && this.model.checksState()?.focusControl !== this.chooserIndex)
        act(() => this.model.checksClick(this.chooserIndex));
    });
    this.chooser.addEventListener("change", () => act(() => {
      this.model.checksChoose(this.chooser.selectedIndex);
      this.mirrorCheck();
    }));
    // Esc by other means than the key (a phone's back gesture) closes through the model too.
    this.dialog.addEventListener("cancel", (e) => {
      e.preventDefault();
      act(() => this.model.checksPressKey("Esc"));
    });
  }

  // Home, End, the page keys and letters on the chooser are the model's, as on the desktop: the
  // browser's own picking would send the focus on into the check's first input.
  chooserKey(e) {
    if (e.ctrlKey || e.altKey || e.metaKey) return false;
    if (CHOOSER_KEYS[e.key]) return this.model.checksPressKey(CHOOSER_KEYS[e.key]);
    const now = performance.now();
    const goesOn = now - this.typedAt <= TYPE_AHEAD_MS;
    // A blank opens the list, unless it is part of a name being typed.
    if ([...e.key].length !== 1 || (e.key === " " && !goesOn)) return false;
    this.typed = (goesOn ? this.typed : "") + e.key;
    this.typedAt = now;
    return this.model.checksTypeOnChooser(this.typed);
  }

  // Every key while the window is open is its own or the browser's, never the calculator's;
  // only the shortcut that opened it opens it again, which keeps it as it stands.
  keyDown(e) {
    const name = keyName(e);
    if (document.activeElement === this.chooser && this.chooserKey(e)) {
      e.preventDefault();
      e.stopPropagation();
      this.page.flush();
    } else if (name && name === this.openingShortcut()) {
      this.page.pressKey(name);
      e.preventDefault();
      e.stopPropagation();
    } else if (name && this.model.checksPressKey(name)) {
      e.preventDefault();
      e.stopPropagation();
      this.page.flush();
    } else if (e.key === "Tab") {
      e.preventDefault();
    }
  }
}
