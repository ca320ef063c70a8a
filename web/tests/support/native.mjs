// The native `veltrane` command, run for the numbers and pictures the page must match.
import { execFile } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { promisify } from 'node:util';
import { PNG } from 'pngjs';

const run = promisify(execFile);

export class NativeTool {
  constructor(executable) {
    this.executable = executable;
    this.scratch = mkdtempSync(path.join(tmpdir(), 'veltrane-web-'));
  }

  dispose() {
    rmSync(this.scratch, { recursive: true, force: true });
  }

  /** stdout and stderr of a run that must succeed. */
  async run(args, options = {}) {
    return run(this.executable, args, { ...options, encoding: 'utf8' });
  }

  /** stdout of a run that must succeed. */
  async stdout(args, options = {}) {
    const { stdout } = await run(this.executable, args, { ...options, encoding: 'utf8' });
    return stdout;
  }

  /** The one-line message of a run that must fail with status 2, without the command's name. */
  async refusal(args, options = {}) {
    try {
      await run(this.executable, args, { ...options, encoding: 'utf8' });
    } catch (error) {
      if (error.code !== 2) throw error;
      return error.stderr.trim().replace(/^veltrane[^:]*: /, '');
    }
    throw new Error(`veltrane ${args.join(' ')} succeeded; a refusal was expected`);
  }

  /** The RGBA of pixel (x, y) of `veltrane preview` with these options. */
  async previewPixel(options, x, y) {
    const file = path.join(this.scratch, 'preview.png');
    await this.stdout(['preview', ...options, '--threads', '1', '-o', file]);
    const png = PNG.sync.read(readFileSync(file));
    const at = (y * png.width + x) * 4;
    return [...png.data.subarray(at, at + 4)];
  }
}

/** The command's options for a look: a preset by name, or the six values. */
export function lookOptions(look) {
  const metal = look.preset === 'custom'
    ? ['--n', look.n.join(','), '--k', look.k.join(',')]
    : ['--preset', look.preset];
  return [...metal, '--hue', String(look.hue), '--sat', String(look.sat), '--gamma', String(look.gamma)];
}

/** A report up to the blank line before the MAXScript snippet the command prints last. */
export function reportOf(stdout) {
  const blank = stdout.indexOf('\n\n');
  return blank < 0 ? stdout : stdout.slice(0, blank + 1);
}
