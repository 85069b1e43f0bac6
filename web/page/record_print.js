// SPDX-License-Identifier: MIT
// The record on paper through the browser's print, which also saves as PDF: the core's paper
// (the same pages the desktop's PDF lays out) in the paper section, the only part of the page
// that prints, and each page's foot drawn in the page's margin as the PDF draws it.
"use strict";

// A text as a CSS string: quotes, backslashes and control characters escaped.
function cssString(text) {
  return `"${text.replace(/[\u0000-\u001f\u007f"\\]/g, (c) => `\\${c.charCodeAt(0).toString(16)} `)}"`;
}

// A template's "%1" and "%2" as CSS counters or texts, the rest as strings.
function cssContent(template, values) {
  return template.split(/(%[12])/).filter((part) => part !== "")
    .map((part) => (part in values ? values[part] : cssString(part))).join(" ");
}

// The foot: the record's id (its first eight characters), "Page N of M", the date printed.
function paperFootCss(paper) {
  const id = cssString(paper.id.slice(0, 8));
  const pageOf = cssContent(paper.pageOf, { "%1": "counter(page)", "%2": "counter(pages)" });
  const printed = cssContent(paper.printed, { "%1": cssString(paper.date) });
  return `@page {
  @bottom-left { content: ${id}; }
  @bottom-center { content: ${pageOf}; }
  @bottom-right { content: ${printed}; }
}`;
}

// Today as the foot gives it, 2026-03-27, in the person's own time.
function isoDate(now = new Date()) {
  const two = (n) => String(n).padStart(2, "0");
  return `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
}

// Puts PAPER ({html, id, pageOf, printed}) in the paper section for the browser's print; with
// none (no record yet) the page prints as it shows.
function setPaper(paper) {
  document.getElementById("recordPaper").innerHTML = paper ? paper.html : "";
  document.getElementById("recordPaperFoot").textContent = paper ? paperFootCss({ ...paper, date: isoDate() }) : "";
}

function printPaper(paper) {
  setPaper(paper);
  window.print();
}
