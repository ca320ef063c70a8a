// Artist colours and the other renderers' colours, both ways, against `veltrane nk` and
// `veltrane convert`.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import { closePage, lookOf, openWorkbench, textOf } from './support/browser.mjs';
import { reportOf } from './support/native.mjs';
import { setup } from './support/setup.mjs';


async function fillTriple(page, prefix, values) {
  for (let c = 0; c < 3; ++c) await page.fill(`#${prefix}-${c}`, values[c]);
  await page.press(`#${prefix}-2`, 'Tab');
}

describe('artist colours', () => {
  // Colour at normal incidence and edge tint; the second reaches the pole f0 = 1.
  const COLOURS = [
    [['0.95', '0.64', '0.54'], ['1', '0.98', '0.78']],
    [['1', '0.5', '0.3'], ['0.9', '0.8', '0.7']],
    [['0', '0.02', '0.5'], ['0', '0.5', '1']],
  ];

  it('give the n and k of `veltrane nk --f0 --edge`, the pole reported as it reports it', async () => {
    const { browser, html, native } = setup();
    const page = await openWorkbench(browser, html);
    try {
      for (const [f0, edge] of COLOURS) {
        await fillTriple(page, 'f0', f0);
        await fillTriple(page, 'edge', edge);
        const args = ['nk', '--f0', f0.join(','), '--edge', edge.join(',')];
        const { stdout, stderr } = await native.run(args);
        assert.equal(await textOf(page, '#artist-text'), reportOf(stdout), args.join(' '));
        const warnings = stderr.split('\n').filter(Boolean).map((line) => line.replace(/^veltrane nk: warning: /, ''));
        assert.equal(await textOf(page, '#artist-message'), warnings.join('\n'), args.join(' '));
      }
      // Taken as Custom: the six fields hold the values the map can take.
      await page.click('#artist-apply');
      const look = await lookOf(page);
      assert.equal(look.preset, 'custom');
      assert.ok(look.n.every((v) => v >= 0 && v <= 100) && look.k.every((v) => v >= 0 && v <= 100));
    } finally {
      await closePage(page);
    }
  });

  it('come from the current metal as `veltrane nk --to-artist` gives them', async () => {
    const { browser, html, native } = setup();
    const page = await openWorkbench(browser, html);
    try {
      for (const preset of ['copper', 'silver', 'tungsten']) {
        await page.selectOption('#preset', preset);
        await page.click('#artist-from-look');
        const look = await lookOf(page);
        const printed = await native.stdout(['nk', '--n', look.n.join(','), '--k', look.k.join(','), '--to-artist']);
        assert.equal(await textOf(page, '#artist-text'), reportOf(printed), preset);
      }
    } finally {
      await closePage(page);
    }
  });
});

describe('other renderers', () => {
  const MODELS = ['openpbr', 'standard-surface'];

  it('show the current metal as `veltrane convert` does, and lead back to n and k', async () => {
    const { browser, html, native } = setup();
    const page = await openWorkbench(browser, html, 'preset=gold');
    try {
      for (const model of MODELS) {
        await page.selectOption('#convert-to', model);
        const printed = await native.stdout(['convert', '--preset', 'gold', '--to', model]);
        assert.equal(await textOf(page, '#convert-text'), reportOf(printed), model);

        await page.click('#convert-from-look');
        const base = await page.$$eval('[id^=base-]', (all) => all.map((e) => e.value));
        const specular = await page.$$eval('[id^=specular-]', (all) => all.map((e) => e.value));
        // Typed as plain numbers ('1' for '1.000000'): the report repeats them as typed.
        const typed = (texts) => texts.map((t) => String(Number(t))).join(',');
        const back = await native.stdout(['convert', '--from', model, '--base-color', typed(base),
                                          '--specular-color', typed(specular)]);
        assert.equal(await textOf(page, '#convert-back-text'), reportOf(back), `${model} back`);
      }
    } finally {
      await closePage(page);
    }
  });
});
