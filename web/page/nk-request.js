// A refractive-index database file as the module's "nk_blocks" request: the YAML is read
// here for its structure only (the top level, the DATA list, each block's scalar fields as
// their source text); the module checks, refuses and interpolates the blocks as the
// `veltrane nk` command does.
import { loadAll, FAILSAFE_SCHEMA } from 'js-yaml';

function isMapping(node) {
  return node !== null && typeof node === 'object' && !Array.isArray(node);
}

// A block's scalar fields by key; nested collections and empty values are left out, as
// the command sees no scalar there.
function scalarFields(block) {
  const fields = {};
  for (const [key, value] of Object.entries(block)) {
    if (typeof value === 'string') fields[key] = value;
  }
  return fields;
}

// "line L, column C: reason", counted from 1, from the YAML reader's error.
function yamlProblem(error) {
  const reason = error.reason || error.message || String(error);
  const mark = error.mark;
  if (!mark || typeof mark.line !== 'number') return reason;
  return `line ${mark.line + 1}, column ${mark.column + 1}: ${reason}`;
}

/** The request for the text of file `fileName`, point-sampled or spectral. */
export function nkRequest(fileName, text, spectral) {
  const request = { op: 'nk_blocks', file: fileName, spectral };
  let documents;
  try {
    // The failsafe schema keeps every scalar as its text; duplicate keys do not stop the
    // read (the later one counts).
    documents = loadAll(text, { schema: FAILSAFE_SCHEMA, json: true, filename: fileName });
  } catch (error) {
    return { ...request, yaml_error: yamlProblem(error) };
  }
  const root = documents[0];
  request.top_level_map = isMapping(root);
  if (!request.top_level_map) return request;
  if (Array.isArray(root.DATA)) {
    request.blocks = root.DATA.map((block) => (isMapping(block) ? scalarFields(block) : null));
  }
  return request;
}
