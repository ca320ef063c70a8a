// Takes the README's picture of the workbench (docs/workbench.png) in the browser the
// tests use: copper as the page opens, with the lit sample slot.
// Usage: node web/tests/screenshot.mjs BUILD_WEB_DIR [OUT.png]
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { closePage, launchBrowser, openWorkbench, slotPixel } from './support/browser.mjs';

const [buildDir, out] = process.argv.slice(2);
if (!buildDir) {
  console.error('usage: node web/tests/screenshot.mjs BUILD_WEB_DIR [OUT.png]');
  process.exit(2);
}
const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..');
const target = out || path.join(repo, 'docs', 'workbench.png');

const browser = await launchBrowser();
try {
  const page = await openWorkbench(browser, path.resolve(buildDir, 'veltrane-workbench.html'),
                                   'preset=copper&lit=1', { width: 1280, height: 860 });
  await slotPixel(page, 128, 128);
  if (page.errors.length) throw new Error(`the page reported: ${page.errors.join('; ')}`);
  await page.screenshot({ path: target, fullPage: true });
  await closePage(page);
  console.log(`wrote ${target}`);
} finally {
  await browser.close();
}
