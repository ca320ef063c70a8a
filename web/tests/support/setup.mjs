// What every browser test shares: one browser, the built page, the native command.
let shared = null;

export function provide(value) {
  shared = value;
}

/** { browser, html, native, data } for the running tests. */
export function setup() {
  if (!shared) throw new Error('the tests were started without run.mjs');
  return shared;
}
