// The rollout's controls: which fields a preset locks, and what becomes of typed values
// outside a parameter's range or not numbers at all.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import { closePage, lookOf, openWorkbench, textOf, typeInto } from './support/browser.mjs';
import { lookOptions } from './support/native.mjs';
import { setup } from './support/setup.mjs';

const IOR_FIELDS = ['n-red', 'n-green', 'n-blue', 'k-red', 'k-green', 'k-blue'];
const ALWAYS_ENABLED = ['preset', 'gamma', 'hue', 'sat'];

// The look's value behind a field: 'gamma', or 'n-red' for n's first channel.
function valueOf(look, field) {
  const [param, channel] = field.split('-');
  return channel ? look[param][['red', 'green', 'blue'].indexOf(channel)] : look[param];
}

async function enabledFields(page) {
  return page.$$eval('input, select', (all) => Object.fromEntries(all.map((e) => [e.id, !e.disabled])));
}

describe('presets and Custom', () => {
  // Each step: the choice, then whether the six n/k fields are editable.
  const STEPS = [
    ['(as opened)', false],
    ['custom', true],
    ['silver', false],
    ['custom', true],
    ['chromium', false],
    ['titanium', false],
  ];

  it('lock the six n/k fields for a metal and free them for Custom, keeping the values', async () => {
    const { browser, html } = setup();
    const page = await openWorkbench(browser, html);
    try {
      let previous = await lookOf(page);
      for (const [choice, editable] of STEPS) {
        if (choice !== '(as opened)') await page.selectOption('#preset', choice);
        const enabled = await enabledFields(page);
        for (const id of IOR_FIELDS) assert.equal(enabled[id], editable, `${choice}: ${id}`);
        for (const id of ALWAYS_ENABLED) assert.equal(enabled[id], true, `${choice}: ${id}`);
        const look = await lookOf(page);
        if (choice === 'custom') {
          assert.deepEqual([look.n, look.k], [previous.n, previous.k], 'Custom keeps the values');
        }
        previous = look;
      }
    } finally {
      await closePage(page);
    }
  });

  it('offer the ten presets and Custom apart from the tools-only metals', async () => {
    const { browser, html } = setup();
    const page = await openWorkbench(browser, html);
    try {
      const groups = await page.$$eval('#preset optgroup',
                                       (all) => all.map((g) => [...g.children].map((o) => o.textContent)));
      assert.deepEqual(groups[0], ['Custom', 'Silver', 'Aluminium', 'Gold', 'Cobalt', 'Chromium', 'Copper',
                                   'Iron', 'Nickel', 'Platinum', 'Titanium']);
      assert.ok(groups[1].length > 0, 'the further metals');
      assert.equal(await page.$eval('#preset', (s) => s.value), 'copper');
    } finally {
      await closePage(page);
    }
  });
});

describe('typed values', () => {
  // The field, the text typed, and the value the parameter then has: a typed value
  // outside the range stops at the bound; text that is no number leaves the value as it was.
  const TYPED = [
    ['gamma', '25', 20],
    ['gamma', '0', 0.05],
    ['gamma', '-3', 0.05],
    ['hue', '-200', -180],
    ['hue', '181', 180],
    ['sat', '150', 100],
    ['sat', '-100.5', -100],
    ['n-green', '-1', 0],
    ['k-red', '1000', 100],
    ['gamma', 'abc', 1],
    ['hue', '', 0],
  ];

  it('get the rollout\'s treatment', async () => {
    const { browser, html, native } = setup();
    const page = await openWorkbench(browser, html, 'preset=custom&n=0.2,0.9,1.1&k=3.6,2.4,2.3');
    try {
      for (const [field, text, expected] of TYPED) {
        const before = await lookOf(page);
        await typeInto(page, `#${field}`, text);
        const after = await lookOf(page);
        const value = valueOf(after, field);
        assert.equal(value, Math.fround(expected), `${field} '${text}'`);
        const refused = Number.isNaN(Number(text)) || text.trim() === '';
        assert.equal((await textOf(page, '#message')).includes('was not taken'), refused, `${field} '${text}': message`);
        const shown = await page.inputValue(`#${field}`);
        assert.equal(Math.fround(Number(shown)), value, `${field} '${text}' shows '${shown}'`);
        // The look is what the command computes for the stored value.
        const printed = await native.stdout(['eval', ...lookOptions(after), '--mu', '1']);
        assert.equal(await textOf(page, '#eval-text'), printed, `${field} '${text}': eval`);
        await typeInto(page, `#${field}`, String(valueOf(before, field)));
      }
    } finally {
      await closePage(page);
    }
  });
});

describe('the arrow keys', () => {
  // The field, its value before, the key, and the value after: one spinner step, ten with
  // Shift, never beyond the range.
  const KEYS = [
    ['gamma', '1', 'ArrowUp', 1.01],
    ['gamma', '1', 'Shift+ArrowDown', 0.9],
    ['gamma', '0.05', 'ArrowDown', 0.05],
    ['hue', '179.95', 'ArrowUp', 180],
    ['sat', '-10', 'ArrowDown', -10.1],
    ['k-blue', '2', 'ArrowUp', 2.001],
    ['n-red', '0', 'ArrowDown', 0],
  ];

  it('step a field as its spinner steps', async () => {
    const { browser, html } = setup();
    const page = await openWorkbench(browser, html, 'preset=custom&n=1,1,1&k=2,2,2');
    try {
      for (const [field, start, key, expected] of KEYS) {
        await typeInto(page, `#${field}`, start);
        await page.press(`#${field}`, key);
        assert.equal(valueOf(await lookOf(page), field), Math.fround(expected), `${field} ${start} ${key}`);
      }
    } finally {
      await closePage(page);
    }
  });
});
