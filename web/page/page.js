// SPDX-License-Identifier: MIT
// The calculator window in the page: built from the window's design tables, it mirrors every
// change the model reports and reports what a person does as the model's person actions. The
// window's rules all live in the model; nothing here decides what a field, a key or a menu
// does.
"use strict";

const NO_FOCUS = -1;
const ARROW_KEYS = new Set(["ArrowLeft", "ArrowRight", "ArrowUp", "ArrowDown"]);

// A text field of either window, where the arrows belong to the caret.
function isField(element) {
  return element instanceof HTMLInputElement && /^(Text1_\d+|checkField_\d+_\w+)$/.test(element.id);
}

// The key as the window names it ("Tab", "Shift+Tab", "Enter", "Esc", "Left", "Ctrl+L",
// "Alt+C"); the model decides what it does. Empty where the key is the browser's: with the
// system key, with Ctrl and Alt together, or an arrow in a field, which moves the caret.
function keyName(e) {
  if (e.metaKey || (e.ctrlKey && e.altKey)) return "";
  if (e.key === "Tab") return e.ctrlKey || e.altKey ? "" : e.shiftKey ? "Shift+Tab" : "Tab";
  const letter = /^Key([A-Z])$/.exec(e.code)?.[1] || (e.key.length === 1 ? e.key.toUpperCase() : "");
  if (e.ctrlKey) return letter && !e.shiftKey ? `Ctrl+${letter}` : "";
  if (e.altKey) return letter ? `Alt+${letter}` : "";
  if (e.shiftKey) return "";
  if (e.key === "Enter") return "Enter";
  if (e.key === "Escape") return "Esc";
  if (ARROW_KEYS.has(e.key) && !isField(document.activeElement)) return e.key.slice("Arrow".length);
  return "";
}

// Regional number settings as the browser formats numbers, for `locale=` or the browser's
// language; en_US where the browser has none.
function numberFormat(requested) {
  const tags = requested ? [requested.replace(/_/g, "-")] : [...(navigator.languages || [])];
  for (const tag of tags) {
    try {
      if (Intl.NumberFormat.supportedLocalesOf([tag]).length === 0) continue;
      const parts = new Intl.NumberFormat(tag).formatToParts(-1234567.5);
      const part = (type) => (parts.find((p) => p.type === type) || {}).value;
      const decimal = part("decimal");
      if (decimal) return { decimal, group: part("group") || "", minus: part("minusSign") || "-" };
    } catch (error) {
      // Not a language tag: the next one, or en_US.
    }
  }
  return { decimal: ".", group: ",", minus: "-" };
}

class CalculatorPage extends WindowDom {
  constructor(module, format, layout, store) {
    super();
    this.module = module;
    this.design = JSON.parse(module.design());
    this.model = new module.PageWindow(format.decimal, format.group, format.minus, store.load());
    this.boxes = [];
    this.controls = new Map(); // ControlId -> element
    this.build(layout);
    this.connectInput();
    this.checks = new ChecksPage(this);
    this.record = new RecordPanel(this, store);
    this.model.start();
    this.mirrorAll();
    this.flush();
  }

  // --- Mirroring the model ---------------------------------------------------------------
  mirror(change) {
    const i = change.index;
    if (change.control === "field") this.mirrorField(i, change.property);
    else if (change.control === "label") this.mirrorLabel(i);
    else if (change.control === "menu") this.mirrorMenu(i);
    else if (change.control === "option") this.mirrorOption(i);
    else if (change.property === "focus") this.mirrorFocus();
    else if (change.property === "loaded") this.mirrorLoaded();
    else this.mirrorAll();
  }

  mirrorField(i, property, f = this.model.field(i)) {
    const el = this.fields[i];
    switch (property) {
      case "text":
        if (el.value !== f.text) el.value = f.text;
        this.mirrorSelection(i, f);
        break;
      case "selection":
        this.mirrorSelection(i, f);
        break;
      case "visible":
        el.hidden = !f.visible;
        break;
      case "locked":
        el.readOnly = f.locked;
        break;
      case "tabStop":
        el.tabIndex = f.tabStop ? 0 : -1;
        break;
      case "backColor":
        el.style.backgroundColor = cssColour(f.backColor);
        break;
      case "left":
        el.style.left = px(f.left);
        el.classList.toggle("column-metric", f.left === this.design.columns.metric);
        break;
    }
  }

  mirrorSelection(i, f = this.model.field(i)) {
    mirrorSelectionOf(this.fields[i], f);
  }

  mirrorLabel(i) {
    const l = this.model.label(i);
    if (this.labels[i].textContent !== l.caption) this.labels[i].textContent = l.caption;
    if (l.toolTip) this.labels[i].title = l.toolTip;
    else this.labels[i].removeAttribute("title");
  }

  mirrorMenu(item) {
    const entry = this.menuItems.get(item);
    if (entry && entry.getAttribute("role") === "menuitemcheckbox")
      entry.setAttribute("aria-checked", String(this.model.checked(item)));
  }

  mirrorOption(id) {
    mirrorOptionButton(this.controls.get(id), this.model.option(id));
  }

  mirrorFocus() {
    if (this.checks.isOpen()) return this.checks.mirrorFocus();
    if (this.record.inFront()) return this.record.mirrorFocus();
    if (this.boxOpen()) return;
    const id = this.model.focus();
    if (id === NO_FOCUS || !this.model.loaded()) return;
    const el = this.controls.get(id);
    mirrorFocusOn(this, el, { preventScroll: this.window.classList.contains("desktop") });
    if (id < this.fields.length) this.mirrorSelection(id);
  }

  mirrorLoaded() {
    if (this.model.loaded()) return;
    this.window.remove();
    const closed = document.getElementById("closed");
    closed.hidden = false;
    document.getElementById("startAgain").focus();
    // An installed app's window closes; a browser tab keeps the page.
    if (matchMedia("(display-mode: standalone)").matches) window.close();
  }

  mirrorAll() {
    for (let i = 0; i < this.fields.length; ++i) {
      const f = this.model.field(i);
      for (const p of ["text", "visible", "locked", "tabStop", "backColor", "left"]) this.mirrorField(i, p, f);
    }
    this.labels.forEach((_, i) => this.mirrorLabel(i));
    for (const item of this.menuItems.keys()) this.mirrorMenu(item);
    for (const b of this.design.buttons) if (b.name.startsWith("opt")) this.mirrorOption(b.id);
    this.mirrorFocus();
  }

  // Mirrors what the last action changed, then shows the boxes it raised.
  flush() {
    const changes = this.model.takeChanges().slice();
    for (let at = 0; at < changes.length; at += 3)
      this.mirror({
        control: this.design.changeControls[changes[at]],
        property: this.design.changeProperties[changes[at + 1]],
        index: changes[at + 2],
      });
    this.checks.flush();
    this.record.flush();
    this.boxes.push(...this.model.takeMessages());
    if (!this.model.loaded()) return;
    if (!this.boxOpen() && this.boxes.length > 0) this.showNextBox();
    this.mirrorFocus();
  }

  act(action) {
    if (this.boxOpen() || !this.model.loaded()) return;
    this.closeMenus();
    action();
    this.flush();
  }

  // Reports a key to the model: false when it is not one of the window's keys.
  pressKey(name) {
    if (!name || !this.model.pressKey(name)) return false;
    this.closeMenus();
    this.flush();
    return true;
  }

  // --- Message boxes, one after the other ------------------------------------------------
  boxOpen() {
    return document.getElementById("messageBox").open;
  }

  showNextBox() {
    const box = this.boxes.shift();
    const dialog = document.getElementById("messageBox");
    document.getElementById("messageTitle").textContent = box.title;
    document.getElementById("messagePrompt").textContent = box.prompt.replace(/\r\n/g, "\n");
    dialog.showModal();
    document.getElementById("messageOk").focus();
  }

  closeBox() {
    const dialog = document.getElementById("messageBox");
    if (!dialog.open) return;
    // The browser gives the focus back to where it was before the box; the model decides.
    whileMirroring(this, () => dialog.close());
    if (this.boxes.length > 0) this.showNextBox();
    else this.mirrorFocus();
  }

  // --- Reporting what a person does ------------------------------------------------------
  connectInput() {
    this.fields.forEach((el, i) =>
      connectField(this, el, {
        focused: () => this.model.focus() === i,
        live: () => this.model.loaded(),
        click: () => this.model.clickField(i),
        edit: (text, caretAt) => this.model.editField(i, text, caretAt),
        mirrorText: () => this.mirrorField(i, "text"),
        select: (start, length) => {
          this.model.selectInField(i, start, length);
          this.model.takeChanges();
        },
      }),
    );
    for (const b of this.design.buttons) connectButton(this, this.controls.get(b.id), () => this.model.click(b.id));
    document.addEventListener("keydown", (e) => this.keyDown(e), true);
    document.addEventListener("mousedown", (e) => {
      if (!this.menubar.contains(e.target) && this.closeMenus()) this.mirrorFocus();
    });
    const dialog = document.getElementById("messageBox");
    document.getElementById("messageOk").addEventListener("click", () => this.closeBox());
    dialog.addEventListener("cancel", (e) => {
      e.preventDefault();
      this.closeBox();
    });
  }

  keyDown(e) {
    if (!this.model.loaded()) return;
    const key = e.key;
    if (this.boxOpen()) {
      // The box takes every key: Enter and Esc close it, the window gets none.
      if (!e.ctrlKey && !e.altKey && !e.metaKey && (key === "Enter" || key === "Escape" || key === " ")) {
        e.preventDefault();
        this.closeBox();
      } else if (key === "Tab") {
        e.preventDefault();
      }
      return;
    }
    // The record's question takes its keys itself, as a box does.
    if (this.record.browser.asking()) return;
    if (this.checks.isOpen()) return this.checks.keyDown(e);
    if (this.record.inFront()) return this.record.keyDown(e);
    if (this.menuKey(e)) return;
    const name = keyName(e);
    // Alt and a menu's access key opens the page's own menu, where no button has that key.
    const menu = this.menus.find((m) => name === `Alt+${m.key}`);
    if (!this.pressKey(name)) {
      if (!menu) return;
      this.toggleMenu(menu, true);
    }
    e.preventDefault();
    e.stopPropagation();
  }

  // Keys inside an open menu: arrows move, Enter chooses, Esc closes. True when handled.
  menuKey(e) {
    const open = this.menus.find((m) => !m.popup.hidden);
    if (!open) return false;
    if (e.key === "Escape" && !open.popup.contains(document.activeElement)) {
      this.closeMenus();
      this.mirrorFocus();
      e.preventDefault();
      e.stopPropagation();
      return true;
    }
    if (!open.popup.contains(document.activeElement)) return false;
    const items = [...open.popup.children];
    const at = items.indexOf(document.activeElement);
    if (e.key === "ArrowDown" || e.key === "ArrowUp") {
      items[(at + (e.key === "ArrowDown" ? 1 : items.length - 1)) % items.length].focus();
    } else if (e.key === "Enter" || e.key === " ") {
      document.activeElement.click();
    } else if (e.key === "Escape" || e.key === "Tab") {
      this.closeMenus();
      this.mirrorFocus();
    } else {
      return false;
    }
    e.preventDefault();
    e.stopPropagation();
    return true;
  }
}

function layoutOf(requested) {
  if (requested === "desktop" || requested === "narrow") return { name: requested, fixed: true };
  return { name: matchMedia("(max-width: 639.98px)").matches ? "narrow" : "desktop", fixed: false };
}

// The core's code, compiled while the page was still loading (liftcalcCore, at the top of the
// page), is instantiated with the imports of the module's runtime.
function instantiateWasm(imports, receive) {
  liftcalcCore.then((core) => WebAssembly.instantiate(core, imports)).then((instance) => receive(instance));
  return {};
}

async function startPage() {
  const query = new URLSearchParams(location.search);
  const layout = layoutOf(query.get("layout"));
  const module = await createLiftcalc({ instantiateWasm });
  const page = new CalculatorPage(module, numberFormat(query.get("locale")), layout.name, new RecordStore());
  if (!layout.fixed)
    matchMedia("(max-width: 639.98px)").addEventListener("change", (m) => {
      if (page.window.isConnected) page.window.className = m.matches ? "narrow" : "desktop";
    });
  document.getElementById("startAgain").addEventListener("click", () => location.reload());
  window.liftcalcPage = page;
  if ("serviceWorker" in navigator && location.protocol.startsWith("http"))
    navigator.serviceWorker.register("sw.js").catch(() => {});
}

startPage();
