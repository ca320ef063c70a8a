// The WebAssembly core against the native one: the colours of seeded random samples, gamma
// not 1 included, over every parameter's full range and its edges, must agree bit for bit
// with `veltrane eval --batch`.
import { loadApi, runNative, testArguments } from './load_api.mjs';

const kSamples = 24000;
const kFloatsIn = 10;
const kFloatsOut = 4;

// A small seeded generator (mulberry32): the same samples on every run.
function generator(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Each parameter's range, and the edge values drawn one time in eight.
const kParams = [
  ...Array(6).fill({ low: 0, high: 100, edges: [0, 1e-6, 0.001, 1, 99.999, 100] }),
  { low: 0, high: 1, edges: [0, 1, 1e-7, 0.9999999] },                 // mu
  { low: -180, high: 180, edges: [-180, 180, 0, -0.05, 179.95] },       // hue
  { low: -100, high: 100, edges: [-100, 100, 0] },                      // sat
  { low: 0.05, high: 20, edges: [0.05, 20, 1, 2.2, 0.4545] },           // gamma
];

function samples(count) {
  const random = generator(20261208);
  const values = new Float32Array(count * kFloatsIn);
  for (let i = 0; i < count; ++i) {
    kParams.forEach((p, j) => {
      const edge = random() < 0.125;
      const value = edge ? p.edges[Math.floor(random() * p.edges.length)]
                         : p.low + (p.high - p.low) * random();
      values[i * kFloatsIn + j] = value;
    });
    // Most n and k in the range of real metals, where the colours vary most.
    if (random() < 0.5) {
      for (let j = 0; j < 6; ++j) values[i * kFloatsIn + j] = 5 * random();
    }
  }
  return values;
}

// %.9g of a float reads back to the same float.
function batchInput(values) {
  const lines = [];
  for (let i = 0; i < values.length; i += kFloatsIn) {
    lines.push(Array.from(values.subarray(i, i + kFloatsIn), (v) => v.toPrecision(9)).join(' '));
  }
  return lines.join('\n') + '\n';
}

const { modulePath, tool } = testArguments();
const api = await loadApi(modulePath);
// The native command reads the text, so the module gets the floats the text spells.
const values = new Float32Array(batchInput(samples(kSamples)).trim().split(/\s+/).map(Number));
const input = batchInput(values);

const native = runNative(tool, ['eval', '--batch'], input);
if (native.status !== 0) {
  console.error(`veltrane eval --batch failed (${native.status}): ${native.stderr}`);
  process.exit(1);
}
const expected = new Float32Array(native.stdout.trim().split(/\s+/).map(Number));

const inPtr = api._malloc(values.byteLength);
const outPtr = api._malloc(kSamples * kFloatsOut * 4);
api.HEAPF32.set(values, inPtr / 4);
const status = api.ccall('vw_eval_batch', 'number', ['number', 'number', 'number'],
                         [inPtr, kSamples, outPtr]);
const got = api.HEAPF32.slice(outPtr / 4, outPtr / 4 + kSamples * kFloatsOut);

let failed = status !== 0 || expected.length !== got.length ? 1 : 0;
if (failed) console.error(`status ${status}, ${expected.length} native values, ${got.length} web`);
const gotBits = new Uint32Array(got.buffer), expectedBits = new Uint32Array(expected.buffer);
let shown = 0;
for (let i = 0; !failed && i < got.length; ++i) {
  if (gotBits[i] === expectedBits[i]) continue;
  // NaN is NaN whatever its payload: the text form carries none.
  if (Number.isNaN(got[i]) && Number.isNaN(expected[i])) continue;
  if (shown++ < 5) {
    const s = Math.floor(i / kFloatsOut);
    console.error(`sample ${s} (${Array.from(values.subarray(s * kFloatsIn, (s + 1) * kFloatsIn))}):` +
                  ` channel ${i % kFloatsOut}: web ${got[i]}, native ${expected[i]}`);
  }
}
failed += shown;
console.log(`${kSamples} samples: ${shown} values differ`);
console.log(`${failed ? 0 : 1} passed, ${failed ? 1 : 0} failed`);
process.exit(failed ? 1 : 0);
