// Runs the workbench's browser tests: the built page in Debian's Chromium, compared with
// the native `veltrane` command.
// Usage: node web/tests/run.mjs BUILD_WEB_DIR VELTRANE_EXECUTABLE
import { existsSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before } from 'node:test';
import { launchBrowser } from './support/browser.mjs';
import { NativeTool } from './support/native.mjs';
import { provide } from './support/setup.mjs';

const [buildDir, executable] = process.argv.slice(2);
if (!buildDir || !executable) {
  console.error('usage: node web/tests/run.mjs BUILD_WEB_DIR VELTRANE_EXECUTABLE');
  process.exit(2);
}
const html = path.resolve(buildDir, 'veltrane-workbench.html');
for (const needed of [html, executable]) {
  if (!existsSync(needed)) {
    console.error(`run.mjs: ${needed} does not exist (build the web and dev presets first)`);
    process.exit(2);
  }
}
const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..');

let browser;
let native;
before(async () => {
  browser = await launchBrowser();
  native = new NativeTool(path.resolve(executable));
  provide({ browser, html, native, data: path.join(repo, 'data', 'nk') });
});
after(async () => {
  await browser?.close();
  native?.dispose();
});

await import('./page-load.test.mjs');
await import('./look.test.mjs');
await import('./rollout.test.mjs');
await import('./measured-data.test.mjs');
await import('./artist-colours.test.mjs');
await import('./fragment.test.mjs');
