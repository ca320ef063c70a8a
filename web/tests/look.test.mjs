// The sample slot and the numbers the page shows, against `veltrane preview` and `veltrane
// eval` for the same look, chosen through the page's controls.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { describe, it } from 'node:test';
import { PNG } from 'pngjs';
import { closePage, lookOf, openWorkbench, slotPixel, textOf, typeInto } from './support/browser.mjs';
import { lookOptions } from './support/native.mjs';
import { setup } from './support/setup.mjs';

const CENTRE = 128; // the pixel that sees the sphere head-on in a 256-pixel slot

// Each look as an artist sets it: a preset, then typed adjustments.
const LOOKS = [
  { name: 'copper, as the page opens', preset: null, typed: {}, lit: false },
  { name: 'gold, lit', preset: 'gold', typed: {}, lit: true },
  {
    name: 'titanium with hue, saturation and gamma',
    preset: 'titanium',
    typed: { hue: '35.5', sat: '-40', gamma: '1.8' },
    lit: false,
  },
  { name: 'Custom values', preset: 'custom', typed: { 'n-red': '0.5', 'k-blue': '4.25', gamma: '0.6' }, lit: false },
];

// Where the colour is evaluated: head-on and at a grazing angle.
const MUS = ['1', '0.2'];

describe('the look against the native command', () => {
  for (const look of LOOKS) {
    it(look.name, async () => {
      const { browser, html, native } = setup();
      const page = await openWorkbench(browser, html);
      try {
        if (look.preset) await page.selectOption('#preset', look.preset);
        for (const [field, text] of Object.entries(look.typed)) await typeInto(page, `#${field}`, text);
        if (look.lit) await page.check('#lit');
        const state = await lookOf(page);

        const options = lookOptions(state);
        const shown = await slotPixel(page, CENTRE, CENTRE);
        const previewOptions = [...options, '--size', '256', ...(look.lit ? ['--lit'] : [])];
        const drawn = await native.previewPixel(previewOptions, CENTRE, CENTRE);
        assert.deepEqual(shown, drawn, 'centre pixel');

        for (const mu of MUS) {
          await typeInto(page, '#mu', mu);
          const printed = await native.stdout(['eval', ...options, '--mu', mu]);
          assert.equal(await textOf(page, '#eval-text'), printed, `eval at mu ${mu}`);
        }
        assert.deepEqual(page.errors, []);
      } finally {
        await closePage(page);
      }
    });
  }
});

describe('dragging a spinner', () => {
  it('redraws coarse while the handle moves and refines to the native picture when still', async () => {
    const { browser, html, native } = setup();
    const page = await openWorkbench(browser, html);
    try {
      const handle = await page.$('.adjust .spin[data-param="gamma"] .spin-handle');
      const box = await handle.boundingBox();
      const x = box.x + box.width / 2;
      const y = box.y + box.height / 2;
      // Records the quality of every picture drawn.
      await page.evaluate(() => {
        const slot = document.getElementById('slot');
        globalThis.drawnSteps = [];
        new MutationObserver(() => globalThis.drawnSteps.push(slot.dataset.step)).observe(slot, { attributes: true });
      });
      await page.mouse.move(x, y);
      await page.mouse.down();
      await page.mouse.move(x, y - 20, { steps: 4 });
      // While the handle is held, the picture follows, coarse.
      await page.waitForFunction(() => globalThis.drawnSteps.includes('4'));
      await page.mouse.move(x, y - 40, { steps: 4 });
      await page.mouse.up();
      const look = await lookOf(page);
      assert.ok(look.gamma > 1.3 && look.gamma < 1.5, `gamma ${look.gamma} after 40 pixels up`);
      const shown = await slotPixel(page, CENTRE, CENTRE + 40);
      const drawn = await native.previewPixel([...lookOptions(look), '--size', '256'], CENTRE, CENTRE + 40);
      assert.deepEqual(shown, drawn);
      const steps = await page.evaluate(() => globalThis.drawnSteps);
      assert.ok(steps.includes('4'), `drawn: ${steps}`);
      assert.equal(steps.at(-1), '1');
      assert.match(await page.evaluate(() => location.hash), /gamma=1\.[34]/);
    } finally {
      await closePage(page);
    }
  });
});

describe('curves', () => {
  // The metal and the curve the map is compared with.
  const CURVES = [
    ['copper', 'exact'],
    ['silver', 'openpbr'],
    ['tungsten', 'exact'],
  ];

  it('print the largest differences of `veltrane curves` and plot every channel', async () => {
    const { browser, html, native } = setup();
    const page = await openWorkbench(browser, html);
    try {
      for (const [preset, model] of CURVES) {
        await page.selectOption('#preset', preset);
        await page.selectOption('#curve-model', model);
        const printed = await native.stdout(['curves', '--preset', preset, '--model', model]);
        assert.equal(await textOf(page, '#curves-text'), printed, `${preset} ${model}`);
        assert.equal(await page.$$eval('#curves polyline.map, #curves polyline.reference', (all) => all.length), 6);
      }
    } finally {
      await closePage(page);
    }
  });
});

describe('saving the sample slot', () => {
  it('writes a PNG with the pixels of `veltrane preview`', async () => {
    const { browser, html, native } = setup();
    const page = await openWorkbench(browser, html, 'preset=gold&hue=20&lit=1');
    try {
      const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save-png')]);
      assert.equal(download.suggestedFilename(), 'veltrane-gold-lit.png');
      const png = PNG.sync.read(readFileSync(await download.path()));
      assert.deepEqual([png.width, png.height], [256, 256]);
      const options = [...lookOptions(await lookOf(page)), '--size', '256', '--lit'];
      for (const [x, y] of [[CENTRE, CENTRE], [CENTRE + 60, CENTRE - 70], [5, 5]]) {
        const at = (y * png.width + x) * 4;
        const drawn = await native.previewPixel(options, x, y);
        assert.deepEqual([...png.data.subarray(at, at + 4)], drawn, `pixel ${x},${y}`);
      }
    } finally {
      await closePage(page);
    }
  });
});
