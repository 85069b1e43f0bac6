// SPDX-License-Identifier: MIT
// The record's files in a browser: a download for every file written, a file input for the one
// opened, and sharing with another app where the browser offers it.
"use strict";

function downloadFile(name, bytes, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = element("a", { href: url, download: name });
  link.hidden = true;
  document.body.appendChild(link);
  link.click();
  link.remove();
  // The download has taken the blob by the time the next task runs.
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

// The file chosen in INPUT: its name and at most LIMIT + 1 of its bytes (so that a file too
// large is known as such without reading it all), or the browser's reason it cannot be read.
async function readChosen(input, limit) {
  const file = input.files[0];
  input.value = "";
  if (!file) return null;
  try {
    return { name: file.name, bytes: new Uint8Array(await file.slice(0, limit + 1).arrayBuffer()) };
  } catch (error) {
    return { name: file.name, failure: String(error.message || error) };
  }
}

function shareFile(name, bytes, type) {
  if (!navigator.canShare) return null;
  const file = new File([bytes], name, { type });
  return navigator.canShare({ files: [file] }) ? file : null;
}

// Whether the browser can hand a file of TYPE to another app.
function canShareFiles(type) {
  return shareFile("record.csv", "", type) !== null;
}

function shareFiles(name, bytes, type) {
  const file = shareFile(name, bytes, type);
  // A person who closes the share sheet has simply not shared.
  if (file) navigator.share({ files: [file], title: name }).catch(() => {});
}
