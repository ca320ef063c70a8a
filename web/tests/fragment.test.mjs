// The address fragment: a look set on the page comes back after a reload, and a malformed
// fragment gives the defaults with a message on the page.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import { closePage, lookOf, openWorkbench, slotPixel, textOf, typeInto } from './support/browser.mjs';
import { setup } from './support/setup.mjs';

// Each of the rollout's fields: its id, the text it shows, whether it is disabled.
function rolloutFields(page) {
  return page.$$eval('.rollout input', (all) => all.map((e) => [e.id, e.value, e.disabled]));
}

const DEFAULT_LOOK = { preset: 'copper', gamma: 1, hue: 0, sat: 0, lit: false };

describe('the address fragment', () => {
  // Each look as the controls set it: a preset, typed fields, the lit toggle.
  const LOOKS = [
    { preset: 'gold', typed: { gamma: '1.5' }, lit: false },
    { preset: 'custom', typed: { 'n-red': '0.35', 'k-green': '2.75', hue: '-12.5', sat: '30' }, lit: true },
    { preset: 'titanium', typed: {}, lit: false },
  ];

  for (const set of LOOKS) {
    it(`reproduces ${set.preset} ${JSON.stringify(set.typed)} after a reload`, async () => {
      const { browser, html } = setup();
      const page = await openWorkbench(browser, html);
      try {
        await page.selectOption('#preset', set.preset);
        for (const [field, text] of Object.entries(set.typed)) await typeInto(page, `#${field}`, text);
        if (set.lit) await page.check('#lit');
        const look = await lookOf(page);
        const fields = await rolloutFields(page);
        const pixel = await slotPixel(page, 128, 100);

        await page.reload();
        await page.waitForSelector('body[data-ready]');
        assert.deepEqual(await lookOf(page), look);
        assert.deepEqual(await rolloutFields(page), fields);
        assert.deepEqual(await slotPixel(page, 128, 100), pixel);
        assert.equal(await textOf(page, '#message'), '');
        assert.deepEqual(page.errors, []);
      } finally {
        await closePage(page);
      }
    });
  }

  const MALFORMED = [
    'preset=unobtainium',
    'gamma=abc',
    'preset=custom&n=1,2&k=1,2,3',
    'preset=gold&n=1,2,3&k=1,2,3',
    'colour=red&gamma=2',
    'lit=maybe',
    'hue=%E0%A4%A',
  ];

  it('falls back to the defaults and says so', async () => {
    const { browser, html } = setup();
    for (const fragment of MALFORMED) {
      const page = await openWorkbench(browser, html, fragment);
      try {
        const { n, k, ...rest } = await lookOf(page);
        assert.deepEqual(rest, DEFAULT_LOOK, fragment);
        assert.match(await textOf(page, '#message'), /showing the defaults/, fragment);
        assert.equal(await page.$eval('#preset', (s) => s.value), 'copper');
        assert.deepEqual(page.errors, [], fragment);
      } finally {
        await closePage(page);
      }
    }
  });
});
