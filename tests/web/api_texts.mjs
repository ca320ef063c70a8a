// Every report the workbench module writes against the native command's output for the same
// inputs: the texts byte for byte, the warnings line for line, the refusals word for word.
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { loadApi, runNative, testArguments } from './load_api.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
// The page's own YAML walk, so that the test sends what the page sends.
const { nkRequest } = await import(path.join(root, 'web/page/nk-request.js'));

const { modulePath, tool } = testArguments();
const api = await loadApi(modulePath);
const call = (request) => JSON.parse(api.ccall('vw_call', 'string', ['string'], [JSON.stringify(request)]));

const copper = { n: [0.27105, 0.97907, 1.2171], k: [3.6092, 2.369, 2.2908] };
const list = (v) => v.join(',');
const warningsOf = (stderr, command) =>
  stderr.split('\n').filter((l) => l).map((l) => l.replace(`veltrane ${command}: warning: `, ''));

const scratch = mkdtempSync(path.join(tmpdir(), 'veltrane-web-'));
const yamlFile = (name, text) => {
  const file = path.join(scratch, name);
  writeFileSync(file, text);
  return file;
};
const tabulated = (rows) => `DATA:\n  - type: tabulated nk\n    data: |\n${rows.map((r) => `        ${r}`).join('\n')}\n`;

const johnson = path.join(root, 'data/nk/main/Cu/nk/Johnson.yml');
const blocksOf = (file, spectral) => nkRequest(file, readFileSync(file, 'utf8'), spectral);

// Requests whose text must be the command's standard output, and whose warnings its
// standard error.
const reports = [
  { name: 'eval custom', command: 'eval',
    request: { op: 'eval', ...copper, mu: 0.5, hue: 20, sat: 10, gamma: 2.2 },
    args: ['eval', '--n', list(copper.n), '--k', list(copper.k), '--mu', '0.5', '--hue', '20', '--sat', '10', '--gamma', '2.2'] },
  { name: 'eval preset head-on', command: 'eval',
    request: { op: 'eval', preset: 'gold', mu: 1 },
    args: ['eval', '--preset', 'gold', '--mu', '1'] },
  { name: 'eval grazing, extreme controls', command: 'eval',
    request: { op: 'eval', ...copper, mu: 0.01, hue: -180, sat: -100, gamma: 0.05 },
    args: ['eval', '--n', list(copper.n), '--k', list(copper.k), '--mu', '0.01', '--hue', '-180', '--sat', '-100', '--gamma', '0.05'] },
  { name: 'curves exact', command: 'curves',
    request: { op: 'curves', preset: 'copper', ...copper, model: 'exact', points: 91 },
    args: ['curves', '--preset', 'copper'] },
  { name: 'curves openpbr, clipped tint', command: 'curves',
    request: { op: 'curves', preset: 'gold', model: 'openpbr' },
    args: ['curves', '--preset', 'gold', '--model', 'openpbr'] },
  { name: 'curves dielectric-like, beyond the bound', command: 'curves',
    request: { op: 'curves', n: [1.5, 1.5, 1.5], k: [0, 0, 0], model: 'exact' },
    args: ['curves', '--n', '1.5,1.5,1.5', '--k', '0,0,0'] },
  { name: 'nk file point-sampled', command: 'nk',
    request: blocksOf(johnson, false), args: ['nk', johnson] },
  { name: 'nk file spectral', command: 'nk',
    request: blocksOf(johnson, true), args: ['nk', johnson, '--spectral'] },
  { name: 'nk spectral, held ends', command: 'nk',
    request: blocksOf(yamlFile('short.yml', tabulated(['0.39 0.5 2.5', '0.55 0.9 2.6', '0.71 1.0 4.0'])), true),
    args: ['nk', path.join(scratch, 'short.yml'), '--spectral'] },
  { name: 'nk file, subnormal k', command: 'nk',
    request: blocksOf(yamlFile('tiny.yml', tabulated(['0.40 0.5 1e-310', '0.70 0.6 2e-310'])), false),
    args: ['nk', path.join(scratch, 'tiny.yml')] },
  { name: 'artist to n, k', command: 'nk',
    request: { op: 'artist_to_nk', f0: [0.95, 0.64, 0.54], edge: [0.99, 0.98, 0.8] },
    args: ['nk', '--f0', '0.95,0.64,0.54', '--edge', '0.99,0.98,0.8'] },
  { name: 'artist at the pole', command: 'nk',
    request: { op: 'artist_to_nk', f0: [1, 0.5, 0.25], edge: [0.5, 1, 0] },
    args: ['nk', '--f0', '1,0.5,0.25', '--edge', '0.5,1,0'] },
  { name: 'n, k to artist', command: 'nk',
    request: { op: 'nk_to_artist', ...copper },
    args: ['nk', '--n', list(copper.n), '--k', list(copper.k), '--to-artist'] },
  { name: 'convert to openpbr', command: 'convert',
    request: { op: 'convert', preset: 'gold', to: 'openpbr' },
    args: ['convert', '--preset', 'gold', '--to', 'openpbr'] },
  { name: 'convert to standard surface', command: 'convert',
    request: { op: 'convert', ...copper, to: 'standard-surface' },
    args: ['convert', '--n', list(copper.n), '--k', list(copper.k), '--to', 'standard-surface'] },
  { name: 'convert from openpbr', command: 'convert',
    request: { op: 'convert', from: 'openpbr', base_color: [0.95, 0.64, 0.54], specular_color: [1, 0.9, 0.8] },
    args: ['convert', '--from', 'openpbr', '--base-color', '0.95,0.64,0.54', '--specular-color', '1,0.9,0.8'] },
];

// Database files the command refuses: the module refuses them with the same line.
const refusals = [
  { name: 'formula', text: 'DATA:\n  - type: formula 2\n    coefficients: 0 1 2\n' },
  { name: 'truncated', text: tabulated(['0.40 0.5 2.5', '0.45 0.6']) },
  { name: 'outside the channels', text: tabulated(['0.40 0.5 2.5', '0.60 0.6 2.6']) },
  { name: 'not a number', text: tabulated(['0.40 0.5 2.5', '0.70 x 2.6']) },
  { name: 'underflow', text: tabulated(['0.40 0.5 2.5', '0.70 1e-400 2.6']) },
  { name: 'negative k', text: tabulated(['0.40 0.5 2.5', '0.70 0.6 -2.6']) },
  { name: 'no DATA', text: 'REFERENCES: none\n' },
  { name: 'top level a list', text: '- 1\n- 2\n' },
  { name: 'entry not a map', text: 'DATA:\n  - 5\n' },
  { name: 'no type', text: 'DATA:\n  - data: |\n        0.5 1 2\n' },
  { name: 'second n', text: tabulated(['0.4 1 2', '0.7 1 2']) + '  - type: tabulated n\n    data: |\n        0.4 1\n        0.7 1\n' },
  { name: 'only n', text: 'DATA:\n  - type: tabulated n\n    data: |\n        0.4 1\n        0.7 1\n' },
  { name: 'no rows', text: 'DATA:\n  - type: tabulated nk\n    data: "  "\n' },
  { name: 'spectral range', text: tabulated(['0.45 0.5 2.5', '0.69 0.6 2.6']), spectral: true },
];

let passed = 0, failed = 0;
const check = (name, ok, detail) => {
  if (ok) ++passed;
  else { ++failed; console.error(`FAIL ${name}: ${detail}`); }
};

for (const c of reports) {
  const native = runNative(tool, c.args);
  const answer = call(c.request);
  check(c.name, native.status === 0, `native status ${native.status}: ${native.stderr}`);
  check(`${c.name}: text`, answer.text === native.stdout,
        `\n--- web\n${answer.text ?? JSON.stringify(answer)}\n--- native\n${native.stdout}`);
  if (c.request.op !== 'eval') {
    check(`${c.name}: warnings`, JSON.stringify(answer.warnings) === JSON.stringify(warningsOf(native.stderr, c.command)),
          `web ${JSON.stringify(answer.warnings)}, native ${JSON.stringify(warningsOf(native.stderr, c.command))}`);
  }
}

for (const c of refusals) {
  const file = yamlFile(`${c.name.replace(/ /g, '-')}.yml`, c.text);
  const native = runNative(tool, ['nk', file, ...(c.spectral ? ['--spectral'] : [])]);
  const answer = call(nkRequest(file, c.text, Boolean(c.spectral)));
  check(`refused ${c.name}: status`, native.status === 2, `native status ${native.status}`);
  check(`refused ${c.name}`, `veltrane nk: ${answer.error}\n` === native.stderr,
        `web '${answer.error}', native '${native.stderr.trim()}'`);
}

// The snippet is the nk report's closing lines.
const nk = runNative(tool, ['nk', '--n', list(copper.n), '--k', list(copper.k), '--to-artist']);
const snippet = call({ op: 'snippet', ...copper }).text;
check('snippet', nk.stdout.endsWith('\n' + snippet) && snippet.startsWith('-- MAXScript:'),
      `\n--- web\n${snippet}\n--- native\n${nk.stdout}`);

// A typed value as the rollout's edit field takes it: clamped into the range, stored as a
// float, shown with three decimals; text that is no number is refused.
const typed = [
  ['gamma', '25', 20, '20.0'], ['gamma', '0.01', Math.fround(0.05), '0.05'], ['gamma', ' 1.5 ', 1.5, '1.5'],
  ['hue', '-200', -180, '-180.0'], ['hue', '-0', 0, '0.0'], ['sat', '1e1', 10, '10.0'],
  ['n', '0.27105', Math.fround(0.27105), '0.271'], ['k', '1000', 100, '100.0'], ['k', '-1', 0, '0.0'],
  ['gamma', 'abc', null, null], ['hue', '1,5', null, null], ['sat', '', null, null], ['n', 'inf', null, null],
];
for (const [param, text, value, shown] of typed) {
  const answer = call({ op: 'typed', param, text });
  const ok = value === null ? typeof answer.error === 'string' && !('value' in answer)
                            : answer.value === value && answer.text === shown;
  check(`typed ${param} '${text}'`, ok, JSON.stringify(answer));
}

// Malformed requests are answered with an error, never a crash.
for (const bad of ['', '[1]', '{"op":"eval"}', '{"op":"nope"}', '{"op":"eval","n":[1,2],"k":[1,2,3],"mu":1}',
                   '{"op":"curves","n":[1,1,1],"k":[1,1,1],"points":1}',
                   '{"op":"eval","n":[1,1,1e300],"k":[1,1,1],"mu":1}', '{"op":"typed","param":"x","text":"1"}',
                   '{"op":"curves","n":[1,1,1],"k":[1,1,1],"points":3e9}']) {
  const answer = JSON.parse(api.ccall('vw_call', 'string', ['string'], [bad]));
  check(`malformed ${bad}`, typeof answer.error === 'string' && answer.error.length > 0, JSON.stringify(answer));
}

rmSync(scratch, { recursive: true, force: true });
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
