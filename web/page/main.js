// The workbench page: builds the rollout's controls from the module's metal table, keeps
// the look and the address fragment in step, and shows what the module computes for it.
import { loadApi } from './api.js';
import { drawCurves } from './curves-plot.js';
import { defaultLook, fragmentOf, isCustom, lookFromFragment, metalById } from './look.js';
import { nkRequest } from './nk-request.js';
import { SlotView } from './slot-view.js';
import { Spinner } from './spinner.js';

const CHANNELS = ['red', 'green', 'blue'];
const CURVE_POINTS = 91;
const MAX_FILE_BYTES = 64 << 20;

const byId = (id) => document.getElementById(id);

// Shows a message; `kind` 'warning' for what was taken with a note, else a refusal.
function say(element, text, kind) {
  element.textContent = text || '';
  element.classList.toggle('warning', kind === 'warning');
}

// An answer's refusal, or its warnings (the pole, the map's range) as the command gives them.
function showAnswer(element, answer) {
  if (answer.error) say(element, answer.error);
  else say(element, (answer.warnings || []).join('\n'), 'warning');
}

// A report without the MAXScript snippet that the command prints after a blank line: the
// snippet has a card of its own.
function withoutSnippet(text) {
  const blank = text.indexOf('\n\n');
  return blank < 0 ? text : text.slice(0, blank + 1);
}

// Six decimals, as the command's reports show colours.
const colourText = (value) => value.toFixed(6);

class Workbench {
  constructor(api) {
    this.api = api;
    this.catalogue = api.call({ op: 'metals' });
    if (this.catalogue.error) throw new Error(this.catalogue.error);
    this.look = defaultLook(this.catalogue);
    this.lit = false;
    this.slot = new SlotView(byId('slot'), api);
    this.typed = (param, text) => api.call({ op: 'typed', param, text });
    this.buildRollout();
    this.wireCards();
  }

  // The n/k table, the preset choice and the colour adjustment.
  buildRollout() {
    const headings = this.catalogue.headings;
    headings.forEach((heading, channel) => say(byId(`heading-${channel}`), heading));
    // A refusal stays on show until the next value is taken.
    const refused = (message) => {
      say(byId('message'), message);
      this.refusalShown = true;
    };
    this.ior = { n: [], k: [] };
    for (const host of document.querySelectorAll('.ior-grid .spin')) {
      const param = host.dataset.param;
      const channel = Number(host.dataset.channel);
      this.ior[param][channel] = new Spinner({
        host,
        id: `${param}-${CHANNELS[channel]}`,
        label: `${param}, ${headings[channel]}`,
        name: `${param} ${CHANNELS[channel]}`,
        param,
        step: this.catalogue.params[param].step,
        typed: this.typed,
        onRefused: refused,
        onChange: (value, how) => {
          this.look[param][channel] = value;
          this.changed(how);
        },
      });
    }
    this.adjust = {};
    for (const host of document.querySelectorAll('.adjust .spin')) {
      const param = host.dataset.param;
      this.adjust[param] = new Spinner({
        host,
        id: host.dataset.id,
        name: host.previousElementSibling.textContent.replace(/:$/, ''),
        param,
        step: this.catalogue.params[param].step,
        typed: this.typed,
        onRefused: refused,
        onChange: (value, how) => {
          this.look[param] = value;
          this.changed(how);
        },
      });
    }

    const select = byId('preset');
    const plugin = document.createElement('optgroup');
    plugin.label = 'Presets of the map';
    plugin.append(new Option(this.catalogue.custom.name, this.catalogue.custom.id));
    const tools = document.createElement('optgroup');
    tools.label = 'Further metals (tools only; the map takes them as Custom)';
    for (const metal of this.catalogue.metals) {
      (metal.group === 'plugin' ? plugin : tools).append(new Option(metal.name, metal.id));
    }
    select.append(plugin);
    if (tools.children.length) select.append(tools);
    select.addEventListener('change', () => this.choosePreset(select.value));

    byId('lit').addEventListener('change', (event) => {
      this.lit = event.target.checked;
      this.changed({});
    });
  }

  // A metal writes its values and locks the six fields; Custom unlocks them, values kept.
  choosePreset(id) {
    this.look.preset = id;
    const metal = metalById(this.catalogue, id);
    if (metal) {
      this.look.n = [...metal.n];
      this.look.k = [...metal.k];
    }
    this.showLook();
    this.changed({});
  }

  // Puts the look into the controls, each value shown as the rollout shows it.
  showLook() {
    byId('preset').value = this.look.preset;
    const custom = isCustom(this.look);
    for (const param of ['n', 'k']) {
      this.ior[param].forEach((spinner, channel) => {
        spinner.show(this.look[param][channel]);
        this.look[param][channel] = spinner.value;
        spinner.setEnabled(custom);
      });
    }
    for (const [param, spinner] of Object.entries(this.adjust)) {
      spinner.show(this.look[param]);
      this.look[param] = spinner.value;
    }
    byId('lit').checked = this.lit;
  }

  // Takes n and k from elsewhere (a file, artist colours, another renderer) as Custom.
  useCustom(n, k) {
    this.look.preset = this.catalogue.custom.id;
    this.look.n = [...n];
    this.look.k = [...k];
    this.showLook();
    this.changed({});
  }

  changed({ dragging = false }) {
    if (this.refusalShown) {
      say(byId('message'), '');
      this.refusalShown = false;
    }
    this.slot.show(this.look, this.lit, { dragging });
    this.showOutputs();
    if (!dragging) {
      // The colour cards follow the metal; what was typed there counts until it changes.
      this.artistFromLook();
      this.convertFromLook();
      const fragment = fragmentOf(this.look, this.lit, this.catalogue);
      history.replaceState(null, '', `#${fragment}`);
    }
  }

  showOutputs() {
    const { n, k, hue, sat, gamma } = this.look;
    this.showEval();
    const model = byId('curve-model').value;
    const preset = this.look.preset;
    const curves = this.api.call({ op: 'curves', preset, n, k, model, points: CURVE_POINTS });
    if (curves.error) {
      say(byId('curves-text'), curves.error);
    } else {
      drawCurves(byId('curves'), curves);
      say(byId('curves-text'), curves.text);
    }
    const snippet = this.api.call({ op: 'snippet', preset, n, k, hue, sat, gamma });
    say(byId('snippet-text'), snippet.error || snippet.text);
    const converted = this.api.call({ op: 'convert', preset, n, k, to: byId('convert-to').value });
    say(byId('convert-text'), converted.error || withoutSnippet(converted.text));
  }

  showEval() {
    const { n, k, hue, sat, gamma } = this.look;
    const mu = Number(byId('mu').value);
    const answer = byId('mu').value.trim() === '' || !Number.isFinite(mu)
      ? { error: `μ '${byId('mu').value}' is not a number` }
      : this.api.call({ op: 'eval', preset: this.look.preset, n, k, mu, hue, sat, gamma });
    say(byId('eval-text'), answer.error || answer.text);
  }

  wireCards() {
    byId('mu').addEventListener('change', () => this.showEval());
    byId('curve-model').addEventListener('change', () => this.showOutputs());
    byId('convert-to').addEventListener('change', () => this.showOutputs());
    byId('save-png').addEventListener('click', () => this.savePng());
    byId('snippet-copy').addEventListener('click', () => this.copySnippet());
    this.wireMeasuredData();
    this.wireArtistColours();
    this.wireOtherRenderers();
  }

  wireMeasuredData() {
    const input = byId('nk-file');
    const spectral = byId('nk-spectral');
    input.addEventListener('change', () => {
      if (!input.files.length) return;
      this.openNkFile(input.files[0]);
      // Cleared, so that choosing the same file again (edited meanwhile) reads it again.
      input.value = '';
    });
    spectral.addEventListener('change', () => {
      if (this.nkFile) this.openNkFile(this.nkFile);
    });
    // A file dropped anywhere on the page is taken: the browser would otherwise leave the
    // page for it. Other drags (text into a field) are left alone.
    const drop = byId('nk-drop');
    const carriesFile = (event) => event.dataTransfer?.types?.includes('Files');
    for (const type of ['dragenter', 'dragover']) {
      document.addEventListener(type, (event) => {
        if (!carriesFile(event)) return;
        event.preventDefault();
        drop.classList.add('over');
      });
    }
    document.addEventListener('dragleave', (event) => {
      if (!event.relatedTarget) drop.classList.remove('over');
    });
    document.addEventListener('drop', (event) => {
      if (!carriesFile(event)) return;
      event.preventDefault();
      drop.classList.remove('over');
      const file = event.dataTransfer?.files?.[0];
      if (file) this.openNkFile(file);
    });
  }

  // A refused file leaves the metal as it was; the message says why in one line.
  async openNkFile(file) {
    this.nkFile = file;
    await this.readNkFile(file);
    this.filesRead = (this.filesRead || 0) + 1;
  }

  async readNkFile(file) {
    // The command's limit for a data file; a larger one is not read into the page at all.
    if (file.size > MAX_FILE_BYTES) {
      const limit = `${MAX_FILE_BYTES >> 20} MiB`;
      say(byId('nk-message'), `${file.name}: larger than ${limit}, too large for a data file`);
      say(byId('nk-text'), '');
      return;
    }
    const text = await file.text();
    const answer = this.api.call(nkRequest(file.name, text, byId('nk-spectral').checked));
    if (answer.error) {
      say(byId('nk-message'), answer.error);
      say(byId('nk-text'), '');
      return;
    }
    showAnswer(byId('nk-message'), answer);
    say(byId('nk-text'), withoutSnippet(answer.text));
    this.useCustom(answer.n, answer.k);
  }

  triple(prefix) {
    return [0, 1, 2].map((c) => byId(`${prefix}-${c}`).value.trim());
  }

  setTriple(prefix, values) {
    values.forEach((value, c) => {
      byId(`${prefix}-${c}`).value = colourText(value);
    });
  }

  // Numbers typed into three fields, or a message naming the first that is not one.
  numbers(prefix, what) {
    const texts = this.triple(prefix);
    const values = texts.map(Number);
    const bad = values.findIndex((v, c) => texts[c] === '' || !Number.isFinite(v));
    if (bad >= 0) return { error: `${what}, ${CHANNELS[bad]}: '${texts[bad]}' is not a number` };
    return { values };
  }

  wireArtistColours() {
    const message = byId('artist-message');
    const text = byId('artist-text');
    const fromLook = () => {
      const answer = this.api.call({ op: 'nk_to_artist', n: this.look.n, k: this.look.k });
      showAnswer(message, answer);
      if (answer.error) return;
      this.setTriple('f0', answer.f0);
      this.setTriple('edge', answer.edge);
      say(text, withoutSnippet(answer.text));
      this.artistNk = null;
    };
    const toNk = () => {
      const f0 = this.numbers('f0', 'Colour at normal incidence');
      const edge = f0.error ? f0 : this.numbers('edge', 'Edge tint');
      const answer = edge.error
        ? edge
        : this.api.call({ op: 'artist_to_nk', f0: f0.values, edge: edge.values });
      this.artistNk = answer.error ? null : answer;
      showAnswer(message, answer);
      say(text, answer.error ? '' : withoutSnippet(answer.text));
    };
    for (const prefix of ['f0', 'edge']) {
      for (const c of [0, 1, 2]) byId(`${prefix}-${c}`).addEventListener('change', toNk);
    }
    byId('artist-from-look').addEventListener('click', fromLook);
    byId('artist-apply').addEventListener('click', () => {
      if (!this.artistNk) toNk();
      if (this.artistNk) this.useCustom(this.artistNk.n, this.artistNk.k);
    });
    this.artistFromLook = fromLook;
  }

  wireOtherRenderers() {
    const message = byId('convert-message');
    const text = byId('convert-back-text');
    const fromLook = () => {
      const { preset, n, k } = this.look;
      const answer = this.api.call({ op: 'convert', preset, n, k, to: byId('convert-to').value });
      say(message, answer.error);
      if (answer.error) return;
      this.setTriple('base', answer.base_color);
      this.setTriple('specular', answer.specular_color);
      toNk();
    };
    const toNk = () => {
      const base = this.numbers('base', 'Base colour');
      const specular = base.error ? base : this.numbers('specular', 'Specular colour');
      const answer = specular.error
        ? specular
        : this.api.call({
          op: 'convert',
          from: byId('convert-to').value,
          base_color: base.values,
          specular_color: specular.values,
        });
      this.convertedNk = answer.error ? null : answer;
      say(message, answer.error);
      say(text, answer.error ? '' : withoutSnippet(answer.text));
    };
    for (const prefix of ['base', 'specular']) {
      for (const c of [0, 1, 2]) byId(`${prefix}-${c}`).addEventListener('change', toNk);
    }
    byId('convert-from-look').addEventListener('click', fromLook);
    byId('convert-apply').addEventListener('click', () => {
      if (!this.convertedNk) toNk();
      if (this.convertedNk) this.useCustom(this.convertedNk.n, this.convertedNk.k);
    });
    this.convertFromLook = fromLook;
  }

  async savePng() {
    this.slot.drawNow(this.look, this.lit);
    const blob = await this.slot.toPngBlob();
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = `veltrane-${this.look.preset}${this.lit ? '-lit' : ''}.png`;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  async copySnippet() {
    const text = byId('snippet-text').textContent;
    let done = false;
    try {
      await navigator.clipboard.writeText(text);
      done = true;
    } catch {
      // The clipboard interface may be refused to a page opened from disk: select instead.
      const range = document.createRange();
      range.selectNodeContents(byId('snippet-text'));
      getSelection().removeAllRanges();
      getSelection().addRange(range);
      done = document.execCommand('copy');
    }
    say(byId('snippet-copied'), done ? 'Copied.' : 'Selected: press Ctrl+C to copy.');
  }

  // The look from the address fragment (or the defaults, saying why), then everything drawn.
  start() {
    const { look, lit, problem } = lookFromFragment(location.hash, this.catalogue, this.typed);
    this.look = look;
    this.lit = lit;
    const note = problem ? `The link's settings were not used (${problem}); showing the defaults.` : '';
    say(byId('message'), note);
    this.showLook();
    this.changed({});
    document.body.dataset.ready = 'true';
  }
}

async function boot() {
  try {
    const api = await loadApi();
    const workbench = new Workbench(api);
    workbench.start();
    // The browser tests and the benchmark drive the page through this.
    globalThis.workbench = workbench;
    window.addEventListener('hashchange', () => {
      if (location.hash.slice(1) !== fragmentOf(workbench.look, workbench.lit, workbench.catalogue)) {
        workbench.start();
      }
    });
  } catch (error) {
    say(byId('message'), `The workbench could not start: ${error.message}`);
    document.body.dataset.ready = 'failed';
  }
}

boot();
