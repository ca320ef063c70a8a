// Debian's Chromium, headless, driven by playwright-core, and the workbench opened in it
// from disk with a record of its requests and console errors.
import { chromium } from 'playwright-core';
import { pathToFileURL } from 'node:url';

const CHROMIUM = process.env.VELTRANE_CHROMIUM || '/usr/bin/chromium';

// The closed network makes the browser's own background connections fail noisily.
const ARGS = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

export async function launchBrowser() {
  return chromium.launch({ executablePath: CHROMIUM, headless: true, args: ARGS });
}

export function pageUrl(htmlPath, fragment = '') {
  return pathToFileURL(htmlPath).href + (fragment ? `#${fragment.replace(/^#/, '')}` : '');
}

/**
 * A new page showing the workbench, once it has started. `page.seen` holds the URLs of
 * all requests and `page.errors` the console errors and uncaught exceptions.
 */
export async function openWorkbench(browser, htmlPath, fragment = '', viewport = { width: 1280, height: 900 }) {
  const context = await browser.newContext({ viewport, acceptDownloads: true });
  const page = await context.newPage();
  page.seen = [];
  page.errors = [];
  page.on('request', (request) => page.seen.push(request.url()));
  page.on('console', (message) => {
    if (message.type() === 'error') page.errors.push(message.text());
  });
  page.on('pageerror', (error) => page.errors.push(String(error)));
  await page.goto(pageUrl(htmlPath, fragment));
  await page.waitForSelector('body[data-ready]');
  return page;
}

export async function closePage(page) {
  await page.context().close();
}

/** The page's look (preset, n, k, gamma, hue, sat) and whether the slot is lit. */
export function lookOf(page) {
  return page.evaluate(() => ({ ...structuredClone(globalThis.workbench.look), lit: globalThis.workbench.lit }));
}

/** The RGBA of the sample slot's pixel (x, y), once drawn at full quality. */
export async function slotPixel(page, x, y) {
  await page.waitForFunction(() => {
    const slot = globalThis.workbench.slot;
    return !slot.pending && !slot.frame && document.getElementById('slot').dataset.step === '1';
  });
  return page.evaluate(
    ([px, py]) => [...document.getElementById('slot').getContext('2d').getImageData(px, py, 1, 1).data],
    [x, y],
  );
}

/** Types text into a field and commits it, as Enter does in the rollout. */
export async function typeInto(page, selector, text) {
  await page.fill(selector, text);
  await page.press(selector, 'Enter');
}

export async function textOf(page, selector) {
  return page.$eval(selector, (element) => element.textContent);
}
