// SPDX-License-Identifier: MIT
// What the browser does for the test record window, after each of its actions: the record's
// copy kept, the files downloaded or shared, the pages printed, and what the model could not
// wait for, asked for: whether to save a record before it ends, and the file to open. The
// model then runs the person's action again, and finds the answer or the file prepared.
"use strict";

const RECORD_FILES = ".liftrec,application/x-liftcalc-record,application/json";

class RecordBrowser {
  constructor(panel, store) {
    this.panel = panel;
    this.page = panel.page;
    this.model = panel.model;
    this.design = panel.design;
    this.store = store;
    this.redo = null;
    this.awaitingFile = null;
    store.onChange = () => this.mirrorKept();
    panel.share.hidden = !canShareFiles(this.design.csvType);
    this.buildQuestion();
    this.mirrorKept();
    this.fileInput = element("input", { type: "file", id: "recordFile", accept: RECORD_FILES, hidden: "" }, panel.dialog);
    this.fileInput.addEventListener("change", () => this.opened());
    this.fileInput.addEventListener("cancel", (e) => {
      e.stopPropagation();
      this.awaitingFile = null;
      this.finish();
    });
    // The browser's own print (its menu, Ctrl+P outside the panel) prints the record too.
    window.addEventListener("beforeprint", () => setPaper(this.model.recordPaper()));
  }

  buildQuestion() {
    this.question = element("dialog", { id: "recordQuestion", role: "alertdialog", "aria-labelledby": "recordQuestionTitle",
      "aria-describedby": "recordQuestionPrompt" }, document.body);
    element("h2", { id: "recordQuestionTitle" }, this.question);
    element("p", { id: "recordQuestionPrompt" }, this.question);
    const buttons = element("div", { class: "buttons" }, this.question);
    const cancel = this.design.answers.findIndex((a) => a.cancel);
    this.answers = this.design.answers.map(({ caption }, answer) => {
      const button = element("button", { type: "button", id: `recordAnswer_${answer}` }, buttons);
      setCaption(button, caption);
      button.addEventListener("click", () => this.answer(answer));
      return button;
    });
    this.question.addEventListener("cancel", (e) => {
      e.preventDefault();
      this.answer(cancel);
    });
    this.question.addEventListener("keydown", (e) => {
      const key = keyName(e);
      const chosen = this.design.answers.findIndex((a) => key === `Alt+${accessKeyOf(a.caption)}`);
      if (chosen >= 0) this.answer(chosen);
      e.stopPropagation();
    });
  }

  asking() {
    return this.question.open;
  }

  mirrorKept() {
    this.panel.notice.hidden = this.store.kept;
  }

  // A command of the record window, from its start: nothing prepared for one before counts.
  command(index) {
    this.run(() => this.model.recordCommand(index));
  }

  // The CSV, as Export CSV writes it, to another app.
  shareCsv() {
    const exportCsv = this.panel.commandNamed("cmdExportCsv");
    this.run(() => {
      this.model.shareNextFile();
      this.model.recordCommand(exportCsv);
    });
  }

  run(action) {
    if (this.page.boxOpen() || this.asking()) return;
    this.model.clearPrepared();
    this.redo = action;
    this.awaitingFile = null;
    this.page.act(action);
    this.finish();
  }

  // The action has run its course unless it waits for an answer or a file: what was
  // prepared for it is spent.
  finish() {
    if (this.asking() || this.awaitingFile) return;
    this.redo = null;
    this.model.clearPrepared();
  }

  flush() {
    const kept = this.model.takeKept();
    if (kept !== null) this.store.keep(kept);
    for (const file of this.model.takeDownloads()) {
      if (file.share) shareFiles(file.name, file.bytes, file.type);
      else downloadFile(file.name, file.bytes, file.type);
    }
    const paper = this.model.takePaper();
    // After this handler, so that the page shows the action's outcome behind the dialog.
    if (paper) setTimeout(() => printPaper(paper));
    const question = this.model.takeQuestion();
    const fileWanted = this.model.takeFileWanted();
    if (question) {
      this.ask(question);
    } else if (fileWanted) {
      this.awaitingFile = this.redo || this.openCommand();
      this.pick();
    }
  }

  openCommand() {
    const open = this.panel.commandNamed("cmdOpen");
    return () => this.model.recordCommand(open);
  }

  ask(question) {
    document.getElementById("recordQuestionTitle").textContent = question.title;
    document.getElementById("recordQuestionPrompt").textContent = question.prompt.replace(/\r\n/g, "\n");
    this.question.showModal();
    this.answers[0].focus();
  }

  answer(answer) {
    if (!this.asking()) return;
    whileMirroring(this.page, () => this.question.close());
    if (this.design.answers[answer].cancel) {
      this.awaitingFile = null;
      this.finish();
      this.page.mirrorFocus();
      return;
    }
    this.model.prepareAnswer(answer);
    this.page.act(this.redo);
    this.finish();
  }

  // The file picker opens within the person's click.
  pick() {
    this.fileInput.click();
  }

  // The action that asked for a file runs again and finds it; a file chosen without one is
  // opened.
  async opened() {
    const file = await readChosen(this.fileInput, this.design.largestFile);
    this.redo = this.awaitingFile || this.openCommand();
    this.awaitingFile = null;
    if (file) {
      this.model.offerFile(file.name, file.bytes || new Uint8Array(0), file.failure ?? null);
      this.page.act(this.redo);
    }
    this.finish();
  }
}
