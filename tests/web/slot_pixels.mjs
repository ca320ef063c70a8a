// The workbench's sample slot against `veltrane preview`'s PNG, pixel for pixel: the same
// sphere, rim samples, lit look, sRGB bytes and checker, from the core instead of the module.
import { createRequire } from 'node:module';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { loadApi, runNative, testArguments } from './load_api.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const { PNG } = createRequire(path.join(root, 'web/package.json'))('pngjs');

const { modulePath, tool } = testArguments();
const api = await loadApi(modulePath);
const metals = JSON.parse(api.ccall('vw_call', 'string', ['string'], ['{"op":"metals"}'])).metals;
const metal = (id) => metals.find((m) => m.id === id);

const cases = [
  { name: 'copper', look: { ...metal('copper'), hue: 0, sat: 0, gamma: 1 }, size: 64, args: ['--preset', 'copper'] },
  { name: 'gold lit, adjusted', look: { ...metal('gold'), hue: 30, sat: -20, gamma: 1.8 }, size: 96, lit: true,
    args: ['--preset', 'gold', '--lit', '--hue', '30', '--sat', '-20', '--gamma', '1.8'] },
  { name: 'custom, odd size', look: { n: [1.5, 0.2, 3], k: [0, 4, 1], hue: -170, sat: 100, gamma: 0.05 }, size: 17,
    args: ['--n', '1.5,0.2,3', '--k', '0,4,1', '--hue', '-170', '--sat', '100', '--gamma', '0.05'] },
  { name: 'silver lit, default size', look: { ...metal('silver'), hue: 0, sat: 0, gamma: 1 }, size: 256, lit: true,
    args: ['--preset', 'silver', '--lit'] },
];

function render(look, size, lit, step) {
  const pointer = api._malloc(size * size * 4);
  const { n, k } = look;
  const status = api.ccall('vw_render_slot', 'number', Array(13).fill('number'),
                           [...n, ...k, look.hue, look.sat, look.gamma, size, lit ? 1 : 0, step, pointer]);
  const pixels = api.HEAPU8.slice(pointer, pointer + size * size * 4);
  api._free(pointer);
  return { status, pixels };
}

let passed = 0, failed = 0;
const check = (name, ok, detail) => {
  if (ok) ++passed;
  else { ++failed; console.error(`FAIL ${name}: ${detail}`); }
};

const scratch = mkdtempSync(path.join(tmpdir(), 'veltrane-slot-'));
for (const c of cases) {
  const file = path.join(scratch, 'slot.png');
  const native = runNative(tool, ['preview', ...c.args, '--size', String(c.size), '--threads', '1', '-o', file]);
  check(`${c.name}: native`, native.status === 0, native.stderr);
  if (native.status !== 0) continue;
  const png = PNG.sync.read(readFileSync(file));
  const web = render(c.look, c.size, c.lit, 1);
  check(`${c.name}: status`, web.status === 0, `status ${web.status}`);
  let differ = 0, first = '';
  for (let i = 0; i < c.size * c.size; ++i) {
    for (let ch = 0; ch < 3; ++ch) {
      if (png.data[4 * i + ch] === web.pixels[4 * i + ch]) continue;
      if (!differ++) first = `pixel (${i % c.size}, ${Math.floor(i / c.size)}) channel ${ch}: web ${web.pixels[4 * i + ch]}, native ${png.data[4 * i + ch]}`;
    }
  }
  check(`${c.name}: every pixel`, differ === 0, `${differ} values differ, first ${first}`);

  // The coarse render computes the same pixels at its block corners and fills the blocks.
  const step = 4;
  const coarse = render(c.look, c.size, c.lit, step);
  let wrong = 0;
  for (let y = 0; y < c.size; ++y) {
    for (let x = 0; x < c.size; ++x) {
      const corner = 4 * ((y - (y % step)) * c.size + (x - (x % step)));
      for (let ch = 0; ch < 4; ++ch) wrong += coarse.pixels[4 * (y * c.size + x) + ch] !== web.pixels[corner + ch];
    }
  }
  check(`${c.name}: coarse`, wrong === 0, `${wrong} values differ from the block corners`);
}
rmSync(scratch, { recursive: true, force: true });

// Arguments that draw nothing are refused before anything is written.
const target = api._malloc(64);
for (const [size, step, buffer] of [[0, 1, target], [5000, 1, target], [4, 0, target], [4, 1, 0]]) {
  const status = api.ccall('vw_render_slot', 'number', Array(13).fill('number'),
                           [1, 1, 1, 1, 1, 1, 0, 0, 1, size, 0, step, buffer]);
  check(`refused size ${size}, step ${step}, buffer ${buffer ? 'given' : 'null'}`, status !== 0, `status ${status}`);
}
api._free(target);

console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
