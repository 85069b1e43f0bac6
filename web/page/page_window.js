// SPDX-License-Identifier: MIT
// The calculator window's elements, built from the window's design tables: fields, labels,
// buttons, option buttons and menus, at 15 twips to a CSS pixel in the desktop layout and on a
// grid of rows in the narrow one. What they show is the model's, mirrored by CalculatorPage.
"use strict";

const TWIPS_PER_PIXEL = 15;

// &H00BBGGRR, red in the low byte; the system colours of the design values map to the page's.
function cssColour(colour) {
  if (colour >= 0x80000000) return colour === 0x80000005 ? "rgb(255, 255, 255)" : "rgb(0, 0, 0)";
  return `rgb(${colour & 0xff}, ${(colour >> 8) & 0xff}, ${(colour >> 16) & 0xff})`;
}

function px(twips) {
  return `${twips / TWIPS_PER_PIXEL}px`;
}

function element(tag, attributes = {}, parent = null) {
  const e = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) e.setAttribute(name, value);
  if (parent) parent.appendChild(e);
  return e;
}

// A caption with its '&' access key shown underlined.
function setCaption(target, caption) {
  target.textContent = "";
  const at = caption.indexOf("&");
  if (at < 0 || at + 1 >= caption.length) {
    target.textContent = caption;
    return;
  }
  target.append(caption.slice(0, at));
  element("u", {}, target).textContent = caption[at + 1];
  target.append(caption.slice(at + 2));
}

function accessKeyOf(caption) {
  const at = caption.indexOf("&");
  return at >= 0 && at + 1 < caption.length ? caption[at + 1].toUpperCase() : "";
}

// An option button as its window's model shows it: checked, its caption's colour and weight.
function mirrorOptionButton(radio, o) {
  radio.checked = o.value;
  radio.tabIndex = o.value ? 0 : -1;
  radio.optionLabel.style.color = cssColour(o.foreColor);
  radio.optionLabel.style.fontWeight = o.bold ? "bold" : "normal";
}

// A field's selection as its model holds it, set only where it differs.
function mirrorSelectionOf(el, f) {
  const end = f.selStart + f.selLength;
  if (el.selectionStart !== f.selStart || el.selectionEnd !== end) el.setSelectionRange(f.selStart, end);
}

// A step of the page's own (opening or closing a dialog, moving the focus) that moves the focus
// as the model says: the focus handlers do not take it for a person's.
function whileMirroring(page, step) {
  page.mirroringFocus = true;
  step();
  page.mirroringFocus = false;
}

// Gives the element the focus its window's model holds, where it is not there already.
function mirrorFocusOn(page, el, options) {
  if (document.activeElement !== el) whileMirroring(page, () => el.focus(options));
}

// Reports what a person does in a text field of any window, through the page (which holds the
// boxes and the focus being mirrored) to the field's model: `focused()` says whether the model's
// focus is in it, `live()` whether its window takes input, `click()`, `edit(text, caretAt)` (false
// when the model kept its own text, which `mirrorText()` then puts back) and
// `select(start, length)`.
function connectField(page, el, field) {
  el.addEventListener("mousedown", (e) => {
    // Clicking into a field gives it the focus, which selects its whole text; the press must not
    // then drop the caret where the pointer is.
    if (field.focused() || e.button !== 0) return;
    e.preventDefault();
    page.act(field.click);
  });
  el.addEventListener("focus", () => {
    // The focus reached the field some other way (a screen reader, a touch).
    if (!page.mirroringFocus && !page.boxOpen() && !field.focused()) page.act(field.click);
  });
  el.addEventListener("input", () => {
    page.act(() => {
      if (!field.edit(el.value, el.selectionStart ?? el.value.length)) field.mirrorText();
    });
  });
  const reportSelection = () => {
    if (document.activeElement !== el || page.boxOpen() || !field.live()) return;
    field.select(el.selectionStart, el.selectionEnd - el.selectionStart);
  };
  for (const type of ["select", "keyup", "mouseup"]) el.addEventListener(type, reportSelection);
}

// A button or an option button of any window: the model moves the focus when the click is
// reported, not the press.
function connectButton(page, el, click) {
  el.addEventListener("mousedown", (e) => e.preventDefault());
  if (el.optionLabel) el.optionLabel.addEventListener("mousedown", (e) => e.preventDefault());
  el.addEventListener("click", () => page.act(click));
}

class WindowDom {
  // --- Building the window from the design tables ---------------------------------------
  build(layout) {
    const d = this.design;
    this.window = document.getElementById("window");
    this.window.className = layout;
    this.menubar = element("div", { role: "menubar", class: "menubar" }, this.window);
    this.client = element("div", { class: "client", id: "client" }, this.window);
    this.client.style.width = px(d.client.width);
    this.client.style.height = px(d.client.height);

    // Rows of the narrow layout: the heading, the subtitle and the units first, then a row for
    // each distinct field Top, in the order of the window, its caption above its fields; the
    // command buttons below.
    const tops = [...new Set(d.fields.map((f) => f.place.top))].sort((a, b) => a - b);
    this.rowOf = (top) => tops.indexOf(top);
    this.client.style.setProperty("--command-row", 4 + 2 * tops.length);
    this.client.style.setProperty("--exit-row", 5 + 2 * tops.length);

    this.labels = d.labels.map((l, i) => {
      const label = element("div", { id: `Label1_${i}`, class: "label" }, this.client);
      this.place(label, l.place);
      if (l.centred) label.classList.add("centred");
      if (l.shows === "text") {
        label.classList.add(i === d.headingLabel ? "heading" : "subtitle");
        return label;
      }
      const field = d.fields[l.field].place;
      const column = l.shows === "quantity" ? "caption" : field.left === d.columns.imperial ? "imperial" : "metric";
      label.classList.add(`unit-${column}`);
      label.style.gridRow = (column === "caption" ? 4 : 5) + 2 * this.rowOf(field.top);
      return label;
    });

    this.fields = d.fields.map((f, i) => {
      const field = element(
        "input",
        {
          id: `Text1_${i}`,
          type: "text",
          inputmode: "decimal",
          autocomplete: "off",
          autocapitalize: "off",
          spellcheck: "false",
          "aria-label": f.name,
        },
        this.client,
      );
      this.place(field, f.place);
      field.style.gridRow = 5 + 2 * this.rowOf(f.place.top);
      this.controls.set(i, field);
      return field;
    });

    const frame = element("fieldset", { id: "Frame1", class: "frame" }, this.client);
    this.place(frame, d.frame);
    for (const b of d.buttons) {
      if (b.name.startsWith("opt")) {
        const radio = element("input", { type: "radio", id: b.name, name: "units" }, frame);
        const label = element("label", { for: b.name }, frame);
        setCaption(label, b.caption);
        this.place(radio, { ...b.place, width: 300, height: b.place.height });
        this.place(label, { ...b.place, left: b.place.left + 390, width: b.place.width - 390 });
        radio.optionLabel = label;
        this.controls.set(b.id, radio);
      } else {
        const button = element("button", { id: b.name, type: "button", class: "command" }, this.client);
        setCaption(button, b.caption);
        if (b.toolTip) button.title = b.toolTip;
        this.place(button, b.place);
        this.controls.set(b.id, button);
      }
    }
    this.buildMenus();
  }

  place(target, rect) {
    target.style.left = px(rect.left);
    target.style.top = px(rect.top);
    target.style.width = px(rect.width);
    target.style.height = px(rect.height);
  }

  buildMenus() {
    this.menuItems = new Map(); // MenuItem -> element
    this.menus = [];
    for (const m of this.design.menus) {
      if (m.parent >= 0) continue;
      const menu = element("div", { class: "menu" }, this.menubar);
      const title = element(
        "button",
        { id: m.name, type: "button", role: "menuitem", "aria-haspopup": "menu", "aria-expanded": "false", tabindex: "-1" },
        menu,
      );
      setCaption(title, m.caption);
      const popup = element("div", { role: "menu", class: "popup", "aria-label": m.caption.replace("&", "") }, menu);
      popup.hidden = true;
      for (const item of this.design.menus.filter((i) => i.parent === m.item)) {
        const isCheck = item.checkable;
        const entry = element(
          "div",
          { id: item.name, role: isCheck ? "menuitemcheckbox" : "menuitem", tabindex: "-1" },
          popup,
        );
        if (isCheck) entry.setAttribute("aria-checked", "false");
        setCaption(element("span", { class: "caption" }, entry), item.caption);
        element("span", { class: "shortcut" }, entry).textContent = item.shortcut;
        entry.addEventListener("click", () => this.act(() => this.model.chooseMenu(item.item)));
        this.menuItems.set(item.item, entry);
      }
      this.menus.push({ design: m, title, popup, key: accessKeyOf(m.caption) });
      title.addEventListener("click", () => this.toggleMenu(this.menus.find((x) => x.title === title)));
    }
    // Choosing from a menu with the mouse leaves the focus where it is.
    this.menubar.addEventListener("mousedown", (e) => e.preventDefault());
  }

  toggleMenu(menu, focusFirst = false) {
    const open = menu.popup.hidden;
    this.closeMenus();
    if (!open) return;
    menu.popup.hidden = false;
    menu.title.setAttribute("aria-expanded", "true");
    if (focusFirst) menu.popup.firstElementChild.focus();
  }

  closeMenus() {
    let wasOpen = false;
    for (const m of this.menus) {
      wasOpen ||= !m.popup.hidden;
      m.popup.hidden = true;
      m.title.setAttribute("aria-expanded", "false");
    }
    return wasOpen;
  }
}
