// The look being edited (preset, n and k per channel, gamma, hue, saturation) and its
// address fragment, so that a link or a bookmark brings the same look back.

const CUSTOM = 'custom';
const KEYS = new Set(['preset', 'n', 'k', 'gamma', 'hue', 'sat', 'lit']);
const ADJUSTMENTS = ['gamma', 'hue', 'sat'];

/** The catalogue's default look: its default preset with the neutral colour adjustment. */
export function defaultLook(catalogue) {
  const metal = metalById(catalogue, catalogue.default_preset);
  return {
    preset: metal.id,
    n: [...metal.n],
    k: [...metal.k],
    gamma: catalogue.params.gamma.default,
    hue: catalogue.params.hue.default,
    sat: catalogue.params.sat.default,
  };
}

export function metalById(catalogue, id) {
  return catalogue.metals.find((metal) => metal.id === id);
}

export function isCustom(look) {
  return look.preset === CUSTOM;
}

/** "preset=copper&gamma=1.5": the preset, the six values for Custom, adjustments that differ. */
export function fragmentOf(look, lit, catalogue) {
  const parts = [`preset=${look.preset}`];
  if (isCustom(look)) parts.push(`n=${look.n.join(',')}`, `k=${look.k.join(',')}`);
  for (const name of ADJUSTMENTS) {
    if (look[name] !== catalogue.params[name].default) parts.push(`${name}=${look[name]}`);
  }
  if (lit) parts.push('lit=1');
  return parts.join('&');
}

class FragmentError extends Error {}

/**
 * The look a fragment describes, each value given the rollout's treatment of a typed value
 * (`typed(param, text)` answers {value} or {error}). An empty fragment is the default look;
 * a malformed one gives the default look and `problem`, one line saying what was wrong.
 */
export function lookFromFragment(fragment, catalogue, typed) {
  const text = fragment.replace(/^#/, '');
  const fallback = { look: defaultLook(catalogue), lit: false, problem: null };
  if (text === '') return fallback;
  try {
    return { ...readFragment(text, catalogue, typed), problem: null };
  } catch (error) {
    if (!(error instanceof FragmentError)) throw error;
    return { ...fallback, problem: error.message };
  }
}

function readFragment(text, catalogue, typed) {
  const fields = new Map();
  for (const part of text.split('&')) {
    const at = part.indexOf('=');
    if (at <= 0) throw new FragmentError(`'${part}' is not name=value`);
    const name = decodePart(part.slice(0, at));
    if (!KEYS.has(name)) throw new FragmentError(`unknown setting '${name}'`);
    if (fields.has(name)) throw new FragmentError(`'${name}' is given twice`);
    fields.set(name, decodePart(part.slice(at + 1)));
  }
  const look = defaultLook(catalogue);
  if (fields.has('preset')) {
    const id = fields.get('preset');
    if (id === CUSTOM) {
      if (!fields.has('n') || !fields.has('k')) throw new FragmentError('Custom needs n and k');
      look.preset = CUSTOM;
      look.n = channelValues(fields.get('n'), 'n', typed);
      look.k = channelValues(fields.get('k'), 'k', typed);
    } else {
      const metal = metalById(catalogue, id);
      if (!metal) throw new FragmentError(`unknown preset '${id}'`);
      look.preset = metal.id;
      look.n = [...metal.n];
      look.k = [...metal.k];
    }
  }
  if (look.preset !== CUSTOM && (fields.has('n') || fields.has('k'))) {
    throw new FragmentError('n and k are given only with preset=custom');
  }
  for (const name of ADJUSTMENTS) {
    if (fields.has(name)) look[name] = typedValue(name, fields.get(name), name, typed);
  }
  const lit = fields.get('lit') ?? '0';
  if (lit !== '0' && lit !== '1') throw new FragmentError(`lit must be 0 or 1, not '${lit}'`);
  return { look, lit: lit === '1' };
}

function decodePart(text) {
  try {
    return decodeURIComponent(text);
  } catch {
    throw new FragmentError(`'${text}' is not a valid address text`);
  }
}

function channelValues(text, param, typed) {
  const parts = text.split(',');
  if (parts.length !== 3) throw new FragmentError(`${param} needs three values, red,green,blue`);
  return parts.map((part) => typedValue(param, part, param, typed));
}

function typedValue(param, text, name, typed) {
  if (text.trim() === '') throw new FragmentError(`${name} has an empty value`);
  const answer = typed(param, text);
  if (answer.error) throw new FragmentError(`${name}: ${answer.error}`);
  return answer.value;
}
