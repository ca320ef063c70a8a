// Writes the workbench as one self-contained HTML file: the page's template with its style
// sheet, the WebAssembly module's loader (module embedded) and the bundled page script inline.
// Usage: node web/build-page.mjs build/web/veltrane_api.js build/web/veltrane-workbench.html
//        node web/build-page.mjs build/web          (the same two files in that folder)
import { build } from 'esbuild';
import { readFile, writeFile, rename } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const pageDir = path.join(here, 'page');

function outputPaths(args) {
  if (args.length === 1) {
    return [path.join(args[0], 'veltrane_api.js'), path.join(args[0], 'veltrane-workbench.html')];
  }
  if (args.length === 2) return args;
  console.error('usage: node build-page.mjs API.js OUT.html | node build-page.mjs BUILD_DIR');
  process.exit(2);
}

// Text placed inside <script> or <style> must not close the element early.
function inlineSafe(text, tag) {
  return text.replace(new RegExp(`</(${tag})`, 'gi'), '<\\/$1');
}

async function bundledScript() {
  const result = await build({
    entryPoints: [path.join(pageDir, 'main.js')],
    bundle: true,
    format: 'iife',
    target: 'es2020',
    minify: true,
    legalComments: 'none',
    write: false,
  });
  return result.outputFiles[0].text;
}

async function main() {
  const [apiPath, outPath] = outputPaths(process.argv.slice(2));
  const [template, style, api, script] = await Promise.all([
    readFile(path.join(pageDir, 'workbench.html'), 'utf8'),
    readFile(path.join(pageDir, 'workbench.css'), 'utf8'),
    readFile(apiPath, 'utf8'),
    bundledScript(),
  ]);
  const parts = {
    '/*STYLE*/': inlineSafe(style, 'style'),
    '/*API*/': inlineSafe(api, 'script'),
    '/*SCRIPT*/': inlineSafe(script, 'script'),
  };
  let html = template;
  for (const [marker, text] of Object.entries(parts)) {
    if (!html.includes(marker)) throw new Error(`workbench.html lacks the marker ${marker}`);
    // A function replacement: the inserted text may hold '$' patterns.
    html = html.replace(marker, () => text);
  }
  // Written beside, then renamed: a failed build never leaves half a page.
  const partial = `${outPath}.partial`;
  await writeFile(partial, html);
  await rename(partial, outPath);
  console.log(`wrote ${outPath} (${Math.round(html.length / 1024)} KiB)`);
}

main().catch((error) => {
  console.error(`build-page: ${error.message}`);
  process.exit(1);
});
