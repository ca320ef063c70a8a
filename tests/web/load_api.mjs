// Loads the WebAssembly module and runs the native command, for the tests of the web build.
import { spawnSync } from 'node:child_process';
import { createRequire } from 'node:module';
import path from 'node:path';

/// The module built as build/web/veltrane_api.js, instantiated.
export async function loadApi(modulePath) {
  const require = createRequire(import.meta.url);
  const factory = require(path.resolve(modulePath));
  return factory();
}

/// Runs the native command; its standard output, or a thrown Error with its standard error.
export function runNative(tool, args, input) {
  const run = spawnSync(tool, args, { input, encoding: 'utf8', maxBuffer: 1 << 28 });
  if (run.error) throw run.error;
  return { status: run.status, stdout: run.stdout, stderr: run.stderr };
}

/// The two paths every web test takes: the module and the native command.
export function testArguments() {
  const [modulePath, tool] = process.argv.slice(2);
  if (!modulePath || !tool) {
    console.error('usage: node TEST.mjs build/web/veltrane_api.js build/dev/tools/veltrane');
    process.exit(2);
  }
  return { modulePath, tool };
}
