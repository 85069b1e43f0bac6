// SPDX-License-Identifier: MIT
// The open record kept in the browser's storage after every change, so that a reload, a closed
// tab or the page's own Exit loses nothing. Each copy is written whole in one setItem, which
// either replaces the copy before it or fails and leaves it: a kept copy is never torn.
"use strict";

const KEPT_RECORD = "liftcalc.record";

class RecordStore {
  constructor() {
    // Reaching the storage throws where the browser refuses it altogether; a first write tells
    // a storage that takes nothing (a page from a file without lasting storage) before any work
    // is lost to it.
    this.storage = null;
    try {
      this.storage = window.localStorage;
    } catch (error) {
      this.storage = null;
    }
    this.kept = this.writes();
    this.onChange = null;
    // Without this the browser may clear the storage when the disk runs short.
    if (this.storage && navigator.storage && navigator.storage.persist)
      navigator.storage.persist().catch(() => {});
  }

  writes() {
    try {
      this.storage.setItem(`${KEPT_RECORD}.probe`, "");
      this.storage.removeItem(`${KEPT_RECORD}.probe`);
      return true;
    } catch (error) {
      return false;
    }
  }

  // The copy kept last, or null.
  load() {
    try {
      return this.storage ? this.storage.getItem(KEPT_RECORD) : null;
    } catch (error) {
      return null;
    }
  }

  // Keeps BYTES in place of the copy before; false, with the old copy left, where the browser
  // refuses (storage full or not lasting).
  keep(bytes) {
    let kept = false;
    try {
      if (this.storage) {
        this.storage.setItem(KEPT_RECORD, bytes);
        kept = true;
      }
    } catch (error) {
      kept = false;
    }
    if (kept !== this.kept) {
      this.kept = kept;
      if (this.onChange) this.onChange(kept);
    }
    return kept;
  }
}
