// Database files opened on the page give what `veltrane nk` prints, and the files it
// refuses are refused with its message and the metal left as it was; the MAXScript snippet
// is the command's.
import assert from 'node:assert/strict';
import { copyFileSync, readFileSync, truncateSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { describe, it } from 'node:test';
import { closePage, lookOf, openWorkbench, textOf } from './support/browser.mjs';
import { reportOf } from './support/native.mjs';
import { setup } from './support/setup.mjs';

const filesRead = (page) => page.evaluate(() => globalThis.workbench.filesRead || 0);

// Waits until the page has read `count` files in all.
function readSoFar(page, count) {
  return page.waitForFunction((n) => (globalThis.workbench.filesRead || 0) >= n, count);
}

// Opens a file on the page as an artist does: the spectral toggle (which reads the last
// file again when it changes), then the file.
async function openOnPage(page, file, spectral, how = 'open') {
  const before = await filesRead(page);
  const toggled = (await page.isChecked('#nk-spectral')) !== spectral;
  await page.setChecked('#nk-spectral', spectral);
  if (toggled && before > 0) await readSoFar(page, before + 1);
  const now = await filesRead(page);
  if (how === 'open') {
    await page.setInputFiles('#nk-file', file);
  } else {
    await dropFile(page, file);
  }
  await readSoFar(page, now + 1);
}

// Drops the file on the page as a file manager does.
function dropFile(page, file) {
  return page.evaluate(([name, text]) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([text], name));
    const target = document.getElementById('nk-drop');
    for (const type of ['dragenter', 'dragover', 'drop']) {
      target.dispatchEvent(new DragEvent(type, { dataTransfer: transfer, bubbles: true, cancelable: true }));
    }
  }, [path.basename(file), readFileSync(file, 'utf8')]);
}

// The command is run in the file's folder with the bare name, which is all the page knows.

function nkArgs(file, spectral) {
  return ['nk', path.basename(file), ...(spectral ? ['--spectral'] : [])];
}

// Files the command refuses, made in a scratch folder from a shipped one.
function refusedFiles(data, scratch) {
  const johnson = readFileSync(path.join(data, 'main/Cu/nk/Johnson.yml'), 'utf8');
  const rows = johnson.split('\n');
  const files = {};
  // Cut inside a data row: its last number is missing.
  const cut = rows.findIndex((line) => /^\s+0\.5\d*\s/.test(line));
  files.truncated = rows.slice(0, cut).join('\n') + '\n' + rows[cut].replace(/\s+\S+\s*$/, '\n');
  files.formula = johnson.replace('type: tabulated nk', 'type: formula 2');
  // Data that ends before the visible spectrum.
  const wavelength = (line) => Number(line.trim().split(/\s+/)[0]);
  const isRow = (line) => /^\s+(\d*\.\d+)\s/.test(line);
  files.ultraviolet = rows.filter((line) => !isRow(line) || wavelength(line) < 0.4).join('\n');
  files.not_yaml = 'DATA: [ {type: tabulated nk\n';
  files.no_data = 'REFERENCES: none\n';
  const paths = {};
  for (const [name, text] of Object.entries(files)) {
    paths[name] = path.join(scratch, `${name}.yml`);
    writeFileSync(paths[name], text);
  }
  // Beyond the command's limit for a data file (sparse: no disk space taken).
  paths.huge = path.join(scratch, 'huge.yml');
  writeFileSync(paths.huge, '');
  truncateSync(paths.huge, (64 << 20) + 1);
  return paths;
}

describe('measured data', () => {
  // The file, spectral or not, opened with the file chooser or dropped on the page.
  const ACCEPTED = [
    ['main/Cu/nk/Johnson.yml', false, 'open'],
    ['main/Cu/nk/Johnson.yml', true, 'open'],
    ['main/Au/nk/Babar.yml', true, 'drop'],
    ['main/Fe/nk/Johnson.yml', false, 'drop'],
  ];

  it('gives the numbers `veltrane nk` prints, point-sampled and spectral', async () => {
    const { browser, html, native, data } = setup();
    const page = await openWorkbench(browser, html);
    try {
      for (const [file, spectral, how] of ACCEPTED) {
        const full = path.join(data, file);
        await openOnPage(page, full, spectral, how);
        const printed = await native.stdout(nkArgs(full, spectral), { cwd: path.dirname(full) });
        assert.equal(await textOf(page, '#nk-text'), reportOf(printed), `${file} spectral=${spectral} ${how}`);
        const look = await lookOf(page);
        assert.equal(look.preset, 'custom', 'a file makes the metal Custom');
        assert.equal(await page.$eval('#n-red', (e) => e.disabled), false);
      }
      assert.deepEqual(page.errors, []);
    } finally {
      await closePage(page);
    }
  });

  it('refuses what the command refuses, with its message, and keeps the metal', async () => {
    const { browser, html, native } = setup();
    const files = refusedFiles(setup().data, native.scratch);
    const page = await openWorkbench(browser, html, 'preset=gold&gamma=1.25');
    try {
      const before = await lookOf(page);
      for (const [name, file] of Object.entries(files)) {
        for (const spectral of [false, true]) {
          await openOnPage(page, file, spectral);
          const message = await textOf(page, '#nk-message');
          if (name !== 'not_yaml') {
            const said = await native.refusal(nkArgs(file, spectral), { cwd: path.dirname(file) });
            assert.equal(message, said, `${name} spectral=${spectral}`);
          } else {
            assert.match(message, /^not_yaml\.yml: not valid YAML \(line \d+, column \d+: .+\)$/);
          }
          assert.equal(message.includes('\n'), false, 'one line');
          assert.deepEqual(await lookOf(page), before, `${name}: the metal is unchanged`);
          assert.equal(await textOf(page, '#nk-text'), '');
        }
      }
    } finally {
      await closePage(page);
    }
  });

  it('has the snippet of `veltrane nk` byte for byte', async () => {
    const { browser, html, native, data } = setup();
    const page = await openWorkbench(browser, html);
    try {
      const look = await lookOf(page);
      const printed = await native.stdout(['nk', '--n', look.n.join(','), '--k', look.k.join(','), '--to-artist']);
      const snippet = await textOf(page, '#snippet-text');
      assert.ok(snippet.length > 0);
      assert.ok(printed.endsWith(snippet), `the command printed:\n${printed}\nthe page shows:\n${snippet}`);
      // And after a file, the file's values.
      const file = path.join(data, 'main/Cu/nk/Johnson.yml');
      const copy = path.join(native.scratch, 'Johnson.yml');
      copyFileSync(file, copy);
      await openOnPage(page, copy, false);
      const fromFile = await native.stdout(nkArgs(copy, false), { cwd: native.scratch });
      assert.ok(fromFile.endsWith(await textOf(page, '#snippet-text')));

      // Copy puts it on the clipboard as shown.
      await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
      await page.click('#snippet-copy');
      await page.waitForFunction(() => document.getElementById('snippet-copied').textContent !== '');
      assert.equal(await page.evaluate(() => navigator.clipboard.readText()), await textOf(page, '#snippet-text'));
    } finally {
      await closePage(page);
    }
  });
});
