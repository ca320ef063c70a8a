// The page from disk: it starts without errors or requests, every control has a name,
// and the keyboard reaches every control.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import { closePage, openWorkbench, pageUrl } from './support/browser.mjs';
import { setup } from './support/setup.mjs';

describe('the page opened from disk', () => {
  it('starts with no console error and no request beyond its own file', async () => {
    const { browser, html } = setup();
    const page = await openWorkbench(browser, html);
    try {
      // Exercise the parts that could reach out: a preset, the lit slot, the curves' model.
      await page.selectOption('#preset', 'gold');
      await page.check('#lit');
      await page.selectOption('#curve-model', 'openpbr');
      await page.evaluate(() => globalThis.workbench.slot.toPngBlob());
      assert.equal(await page.$eval('body', (b) => b.dataset.ready), 'true');
      assert.deepEqual(page.errors, []);
      const own = pageUrl(html);
      const foreign = page.seen.filter((url) => url !== own && !url.startsWith('data:'));
      assert.deepEqual(foreign, []);
    } finally {
      await closePage(page);
    }
  });

  it('forbids requests by its content security policy', async () => {
    const { browser, html } = setup();
    const page = await openWorkbench(browser, html);
    try {
      // A request the page never makes, made on purpose: the policy must stop it.
      const outcome = await page.evaluate(() => fetch('https://example.org/').then(() => 'sent', () => 'refused'));
      assert.equal(outcome, 'refused');
      const sent = page.seen.filter((url) => url.startsWith('http'));
      assert.deepEqual(sent, []);
    } finally {
      await closePage(page);
    }
  });

  it('gives every control an accessible name', async () => {
    const { browser, html } = setup();
    const page = await openWorkbench(browser, html);
    try {
      const session = await page.context().newCDPSession(page);
      const { nodes } = await session.send('Accessibility.getFullAXTree');
      const controlRoles = new Set(['textbox', 'combobox', 'checkbox', 'button', 'spinbutton', 'slider']);
      const controls = nodes.filter((node) => !node.ignored && controlRoles.has(node.role?.value));
      const unnamed = controls.filter((node) => !(node.name?.value || '').trim());
      assert.ok(controls.length >= 20, `only ${controls.length} controls found`);
      assert.deepEqual(unnamed.map((node) => node.role.value), []);
    } finally {
      await closePage(page);
    }
  });

  it('reaches every control with the Tab key (Custom: the six fields too)', async () => {
    const { browser, html } = setup();
    const page = await openWorkbench(browser, html, 'preset=custom&n=1,1,1&k=2,2,2');
    try {
      const wanted = await page.$$eval('input, select, button', (all) => all.map((e) => e.id).filter(Boolean));
      const reached = new Set();
      for (let i = 0; i < wanted.length + 10; ++i) {
        await page.keyboard.press('Tab');
        reached.add(await page.evaluate(() => document.activeElement?.id));
      }
      assert.deepEqual(wanted.filter((id) => !reached.has(id)), []);
    } finally {
      await closePage(page);
    }
  });
});
