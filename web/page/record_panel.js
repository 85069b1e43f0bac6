// SPDX-License-Identifier: MIT
// The test record window in the page: a panel beside the calculator (on a phone, covering it),
// built from the record window's design (its form, its list of entries, its commands),
// mirroring every change the model reports and reporting what a person does as the model's
// person actions. What a key, a click or an edit does is the model's to decide; what the
// browser does for the record (keeping, files, printing) is RecordBrowser's.
//
// Beside the calculator both windows take input, as the desktop's two windows do: the one the
// person last pressed or moved into is in front and takes the keys and the focus.
"use strict";

// A field of the form's page id, by its member in the file.
function recordFieldId(name) {
  return `record_${name}`;
}

class RecordPanel {
  constructor(page, store) {
    this.page = page;
    this.model = page.model;
    this.design = JSON.parse(page.module.recordDesign());
    // The list's columns by name: "context" -> its place in the design's columns.
    this.column = Object.fromEntries(this.design.columnNames.map((name, i) => [name, i]));
    this.dialog = document.getElementById("recordWindow");
    this.front = false;
    this.mirrored = null; // the element last given the model's focus
    this.build();
    this.browser = new RecordBrowser(this, store);
    this.connectInput();
  }

  isOpen() {
    return this.dialog.open;
  }

  inFront() {
    return this.isOpen() && (this.front || this.dialog.matches(":modal"));
  }

  // --- Building ----------------------------------------------------------------------------
  build() {
    const d = this.design;
    this.title = element("h2", { id: "recordTitle" }, this.dialog);
    const bar = element("div", { class: "record-commands", role: "toolbar", "aria-label": d.commandMenu.replace("&", "") }, this.dialog);
    this.commands = d.commands.map((c) => {
      const button = element("button", { id: c.name, type: "button", class: "command" }, bar);
      setCaption(button, c.caption);
      if (c.shortcut) button.title = c.shortcut;
      return button;
    });
    this.share = element("button", { id: "cmdShareCsv", type: "button", class: "command" }, bar);
    setCaption(this.share, d.shareCsv);
    this.notice = element("p", { id: "recordNotKept", class: "record-notice", role: "status" }, this.dialog);
    element("span", {}, this.notice).textContent = d.notKept;
    this.download = element("button", { id: "recordDownload", type: "button", class: "command" }, this.notice);
    setCaption(this.download, d.download);

    const form = element("div", { class: "record-form" }, this.dialog);
    const kinds = element("datalist", { id: "recordKinds" }, form);
    for (const kind of d.kindsOfTest) element("option", { value: kind }, kinds);
    this.fields = [];
    this.units = [];
    d.fields.forEach((f, i) => {
      if (i === 0 || i === d.liftFields) {
        const group = element("fieldset", { class: "record-group" }, form);
        element("legend", {}, group).textContent = d.groups[i === 0 ? 0 : 1];
        this.group = group;
      }
      const id = recordFieldId(f.name);
      element("label", { for: id, class: "record-caption" }, this.group).textContent = f.caption;
      const field = element(f.lines ? "textarea" : "input", {
        id, autocomplete: "off", class: f.measure >= 0 ? "record-field with-unit" : "record-field",
      }, this.group);
      if (f.lines) field.rows = 2;
      else field.type = "text";
      if (f.kind !== "text") field.setAttribute("inputmode", "decimal");
      if (f.name === "kind") field.setAttribute("list", "recordKinds");
      this.fields.push(field);
      if (f.measure >= 0) {
        const unit = element("select", { id: `recordUnit_${f.measure}`, class: "record-unit", "aria-label": f.caption }, this.group);
        for (const system of ["imperial", "metric"]) element("option", {}, unit).textContent = d.measures[f.measure][system];
        this.units[f.measure] = unit;
      }
    });

    const entries = element("fieldset", { class: "record-entries" }, this.dialog);
    const list = d.controls[0];
    element("legend", { id: "recordEntriesCaption" }, entries).textContent = list.caption.replace("&", "");
    this.list = element("div", { id: list.name, role: "listbox", tabindex: "0", "aria-labelledby": "recordEntriesCaption" }, entries);
    const buttons = element("div", { class: "record-buttons" }, entries);
    this.controls = d.controls.map((c, i) => {
      if (i === 0) return this.list;
      const button = element("button", { id: c.name, type: "button", class: "command" }, buttons);
      setCaption(button, c.caption);
      return button;
    });
    this.rows = [];
  }

  // One entry: its number, time, calculation and units above its figures, then the three
  // things the person sets in place.
  buildRow(index) {
    const d = this.design;
    const row = element("div", { role: "option", class: "record-entry", id: `recordEntry_${index}` }, this.list);
    row.head = element("div", { class: "entry-head" }, row);
    row.figures = element("div", { class: "entry-figures" }, row);
    const own = element("div", { class: "entry-own" }, row);
    const cell = (column, tag) => {
      const id = `recordEntry_${index}_${column}`;
      element("label", { for: id }, own).textContent = d.columns[column];
      return element(tag, { id, autocomplete: "off" }, own);
    };
    row.context = cell(this.column.context, "input");
    row.verdict = cell(this.column.verdict, "select");
    for (const word of d.verdicts) element("option", {}, row.verdict).textContent = word;
    row.note = cell(this.column.note, "input");
    for (const [e, column] of [[row.context, this.column.context], [row.note, this.column.note]])
      e.addEventListener("input", () => this.page.act(() => {
        if (!this.model.recordSetEntryText(index, column, e.value)) this.mirrorEntry(index);
      }));
    row.verdict.addEventListener("change", () => this.page.act(() => this.model.recordSetVerdict(index, row.verdict.selectedIndex)));
    row.addEventListener("mousedown", () => this.page.act(() => this.model.recordSelectEntry(index)));
    return row;
  }

  // --- Mirroring the model -------------------------------------------------------------------
  flush() {
    const changes = this.model.recordTakeChanges().slice();
    for (let at = 0; at < changes.length; at += 2) this.mirror(this.design.changes[changes[at]], changes[at + 1]);
    this.browser.flush();
  }

  mirror(change, index) {
    switch (change) {
      case "opened": return this.open();
      case "closed": return this.close();
      case "text": return this.mirrorField(index);
      case "selection": return this.mirrorSelection(index);
      case "unit": return this.mirrorUnit(index);
      case "entries": return this.mirrorEntries();
      case "entry": return this.mirrorEntry(index);
      case "current": return this.mirrorCurrent();
      case "title": return this.mirrorTitle();
      case "focus": return this.mirrorFocus();
    }
  }

  open() {
    this.front = true;
    if (!this.isOpen()) {
      whileMirroring(this.page, () => {
        if (this.page.window.classList.contains("narrow")) this.dialog.showModal();
        else this.dialog.show();
      });
    }
    this.mirrorAll();
  }

  close() {
    this.front = false;
    if (!this.isOpen()) return;
    whileMirroring(this.page, () => this.dialog.close());
    this.page.mirrorFocus();
  }

  mirrorAll() {
    this.fields.forEach((_, i) => this.mirrorField(i));
    this.units.forEach((_, m) => this.mirrorUnit(m));
    this.mirrorEntries();
    this.mirrorTitle();
    this.browser.mirrorKept();
    this.mirrorFocus();
  }

  mirrorField(i) {
    const f = this.model.recordField(i);
    if (this.fields[i].value !== f.text) this.fields[i].value = f.text;
    this.mirrorSelection(i, f);
  }

  mirrorSelection(i, f = this.model.recordField(i)) {
    if (document.activeElement === this.fields[i]) mirrorSelectionOf(this.fields[i], f);
  }

  mirrorUnit(m) {
    const state = this.model.recordState();
    this.units[m].selectedIndex = state.imperial[m] ? 0 : 1;
  }

  mirrorEntries() {
    const count = this.model.recordState().entries;
    while (this.rows.length > count) this.rows.pop().remove();
    while (this.rows.length < count) this.rows.push(this.buildRow(this.rows.length));
    this.rows.forEach((_, i) => this.mirrorEntry(i));
    this.mirrorCurrent();
  }

  mirrorEntry(i) {
    const entry = this.model.recordEntry(i);
    const row = this.rows[i];
    if (!entry || !row) return;
    const cells = entry.cells;
    row.head.textContent = [this.column.number, this.column.time, this.column.calculation, this.column.units].map((c) => cells[c]).join("  ");
    row.figures.textContent = cells[this.column.figures];
    row.classList.toggle("differs", entry.differs);
    if (row.context.value !== cells[this.column.context]) row.context.value = cells[this.column.context];
    if (row.note.value !== cells[this.column.note]) row.note.value = cells[this.column.note];
    row.verdict.selectedIndex = entry.verdict;
  }

  mirrorCurrent() {
    const state = this.model.recordState();
    this.rows.forEach((row, i) => row.setAttribute("aria-selected", String(i === state.current)));
    if (state.current >= 0) this.list.setAttribute("aria-activedescendant", `recordEntry_${state.current}`);
    else this.list.removeAttribute("aria-activedescendant");
    this.controls.forEach((el, i) => {
      if (i > 0) el.disabled = !state.enabled[i];
    });
    this.list.tabIndex = state.enabled[0] ? 0 : -1;
    if (state.current >= 0) this.rows[state.current].scrollIntoView({ block: "nearest" });
  }

  mirrorTitle() {
    this.title.textContent = this.model.recordState().title;
  }

  mirrorFocus() {
    if (!this.isOpen() || this.page.boxOpen() || this.browser.asking()) return;
    const state = this.model.recordState();
    const el = state.focusField !== undefined ? this.fields[state.focusField]
      : state.focusUnit !== undefined ? this.units[state.focusUnit] : this.controls[state.focusControl];
    // An entry's own field (its context, verdict, note) keeps the focus a person gave it until
    // the model moves its focus.
    const active = document.activeElement;
    const moved = el !== this.mirrored;
    this.mirrored = el;
    if (this.list.contains(active) && active !== this.list && (!moved || el === this.list)) return;
    mirrorFocusOn(this.page, el);
    if (state.focusField !== undefined) this.mirrorSelection(state.focusField);
  }

  // --- Reporting what a person does ----------------------------------------------------------
  connectInput() {
    const act = (action) => this.page.act(action);
    // A press or the focus arriving (not the page's own mirroring) brings a window in front.
    const bringsInFront = (element, front) => {
      element.addEventListener("mousedown", () => (this.front = front), true);
      element.addEventListener("focusin", () => {
        if (!this.page.mirroringFocus) this.front = front;
      });
    };
    bringsInFront(this.dialog, true);
    bringsInFront(this.page.window, false);
    this.fields.forEach((el, i) =>
      connectField(this.page, el, {
        focused: () => this.model.recordState()?.focusField === i,
        live: () => this.isOpen(),
        click: () => this.model.recordClickField(i),
        edit: (text, caretAt) => this.model.recordEditField(i, text, caretAt),
        mirrorText: () => this.mirrorField(i),
        select: (start, length) => {
          this.model.recordSelectInField(i, start, length);
          this.model.recordTakeChanges();
        },
      }),
    );
    this.units.forEach((el, m) => {
      el.addEventListener("change", () => act(() => {
        this.model.recordChooseUnit(m, el.selectedIndex === 0);
        this.mirrorUnit(m);
      }));
    });
    this.controls.forEach((el, i) => {
      if (i > 0) connectButton(this.page, el, () => this.model.recordClick(i));
    });
    // The commands leave the focus where the model has it.
    const command = (el, run) => {
      el.addEventListener("mousedown", (e) => e.preventDefault());
      el.addEventListener("click", run);
    };
    this.commands.forEach((el, i) => command(el, () => this.browser.command(i)));
    command(this.share, () => this.browser.shareCsv());
    command(this.download, () => this.browser.command(this.commandNamed("cmdSave")));
    // Esc by other means than the key (a phone's back gesture) closes through the model too.
    this.dialog.addEventListener("cancel", (e) => {
      // The file input's own cancel (its picker closed) bubbles here too.
      if (e.target !== this.dialog) return;
      e.preventDefault();
      act(() => this.model.recordPressKey("Esc"));
    });
  }

  commandNamed(name) {
    return this.design.commands.findIndex((c) => c.name === name);
  }

  // Every key while the panel is open is its own or the browser's, never the calculator's. In
  // a text the arrows move the caret and, where it takes lines, Enter breaks one; inside an
  // entry its own fields take their keys but Esc.
  keyDown(e) {
    const active = document.activeElement;
    const typing = active instanceof HTMLInputElement || active instanceof HTMLTextAreaElement;
    let name = keyName(e);
    if (!name && e.key === "Delete" && !typing) name = "Delete";
    if (!name && e.ctrlKey && !e.altKey && (e.key === "ArrowUp" || e.key === "ArrowDown")) name = `Ctrl+${e.key.slice(5)}`;
    if (typing && ["Left", "Right", "Up", "Down"].includes(name)) name = "";
    if (active instanceof HTMLTextAreaElement && name === "Enter") name = "";
    if (this.list.contains(active) && active !== this.list && name !== "Esc") name = "";
    // Enter on the list goes into the current entry, to set its context, verdict and note.
    const current = this.model.recordState().current;
    if (active === this.list && name === "Enter" && current >= 0) {
      this.rows[current].context.focus();
      e.preventDefault();
      return;
    }
    // A command's shortcut may ask a question or for a file, so every key runs as a command.
    let taken = false;
    if (name) this.browser.run(() => (taken = this.model.recordPressKey(name)));
    if (!taken) return;
    e.preventDefault();
    e.stopPropagation();
  }
}
