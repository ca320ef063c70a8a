// Times the sample slot in Chromium against the native `veltrane preview --threads 1` of
// the same size, in one run, and the coarse re-render while a control is dragged.
// Usage: node web/tests/bench.mjs BUILD_WEB_DIR VELTRANE_EXECUTABLE
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { closePage, launchBrowser, openWorkbench } from './support/browser.mjs';

const [buildDir, executable] = process.argv.slice(2);
if (!buildDir || !executable) {
  console.error('usage: node web/tests/bench.mjs BUILD_WEB_DIR VELTRANE_EXECUTABLE');
  process.exit(2);
}
const html = path.resolve(buildDir, 'veltrane-workbench.html');
const SIZES = [256, 1024];
const REPEATS = 7;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

// Wall time of one native run in ms; the command's fixed costs (start, loading the module,
// writing the picture) are measured with a 16-pixel slot and taken off.
function nativeMs(size, lit, scratch) {
  const args = ['preview', '--preset', 'copper', '--threads', '1', '--size', String(size),
                ...(lit ? ['--lit'] : []), '-o', path.join(scratch, 'bench.png')];
  const times = [];
  for (let i = 0; i < REPEATS; ++i) {
    const start = process.hrtime.bigint();
    execFileSync(executable, args, { stdio: 'ignore' });
    times.push(Number(process.hrtime.bigint() - start) / 1e6);
  }
  return median(times);
}

// In the page: median time of the module's render of the slot, and of one drag step (the
// spinner takes a value, the outputs follow, the coarse slot is drawn on the canvas).
function pageTimes(page, size, lit, repeats) {
  return page.evaluate(([size, lit, repeats]) => {
    const workbench = globalThis.workbench;
    const look = structuredClone(workbench.look);
    const time = (work) => {
      const all = [];
      for (let i = 0; i < repeats; ++i) {
        const start = performance.now();
        work(i);
        all.push(performance.now() - start);
      }
      all.sort((a, b) => a - b);
      return all[Math.floor(all.length / 2)];
    };
    workbench.api.renderSlot(look, size, lit, 1);
    const render = time(() => workbench.api.renderSlot(look, size, lit, 1));
    const gamma = workbench.adjust.gamma;
    const drag = time((i) => {
      gamma.commit(String(1 + (i % 2) * 0.01), true);
      workbench.slot.drawPending();
    });
    gamma.commit('1', false);
    return { render, drag };
  }, [size, lit, repeats]);
}

const scratch = mkdtempSync(path.join(tmpdir(), 'veltrane-bench-'));
const browser = await launchBrowser();
try {
  const page = await openWorkbench(browser, html);
  const fixed = nativeMs(16, false, scratch);
  console.log(`native fixed costs (16-pixel slot, start, module, PNG): ${fixed.toFixed(1)} ms`);
  for (const lit of [false, true]) {
    for (const size of SIZES) {
      const { render, drag } = await pageTimes(page, size, lit, REPEATS);
      const native = nativeMs(size, lit, scratch) - fixed;
      const label = `${size}px${lit ? ' lit' : ''}`;
      const ms = (value) => `${value.toFixed(1).padStart(7)} ms`;
      console.log(`${label.padEnd(10)} Chromium ${ms(render)}   native 1 thread ${ms(native)}   `
                  + `Chromium speed ${(native / render).toFixed(2)} x native`);
      if (size === 256) console.log(`${label.padEnd(10)} drag step (coarse slot + outputs) ${drag.toFixed(1)} ms`);
    }
  }
  await closePage(page);
} finally {
  await browser.close();
  rmSync(scratch, { recursive: true, force: true });
}
