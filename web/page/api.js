// The computing module's two entry points, wrapped: one JSON request in, one JSON answer
// out, and the sample slot's pixels.

/** Loads the WebAssembly module embedded in the page and wraps it. */
export async function loadApi() {
  const factory = globalThis.VeltraneApi;
  if (typeof factory !== 'function') throw new Error('the computing module is missing from the page');
  return new Api(await factory());
}

export class Api {
  constructor(module) {
    this.module = module;
    this.encoder = new TextEncoder();
    this.decoder = new TextDecoder();
    this.renderSlotC = module.cwrap('vw_render_slot', 'number', Array(13).fill('number'));
    this.pixels = { pointer: 0, bytes: 0 };
  }

  /** One request, e.g. {op: 'eval', ...}; the answer object, or {error} as the module says. */
  call(request) {
    // The request goes through the heap rather than the stack: a database file may be large.
    const bytes = this.encoder.encode(JSON.stringify(request));
    const pointer = this.module._malloc(bytes.length + 1);
    if (!pointer) return { error: 'out of memory' };
    try {
      this.module.HEAPU8.set(bytes, pointer);
      this.module.HEAPU8[pointer + bytes.length] = 0;
      const answer = this.module.ccall('vw_call', 'number', ['number'], [pointer]);
      return JSON.parse(this.cString(answer));
    } finally {
      this.module._free(pointer);
    }
  }

  cString(pointer) {
    const heap = this.module.HEAPU8;
    let end = pointer;
    while (heap[end] !== 0) ++end;
    return this.decoder.decode(heap.subarray(pointer, end));
  }

  /**
   * The sample slot of a look as size x size RGBA bytes (a copy); step > 1 computes every
   * step-th pixel only, for quick feedback while a control is dragged.
   */
  renderSlot(look, size, lit, step) {
    const bytes = size * size * 4;
    if (this.pixels.bytes !== bytes) {
      if (this.pixels.pointer) this.module._free(this.pixels.pointer);
      this.pixels = { pointer: this.module._malloc(bytes), bytes };
      if (!this.pixels.pointer) throw new Error('out of memory for the sample slot');
    }
    const { n, k } = look;
    const status = this.renderSlotC(n[0], n[1], n[2], k[0], k[1], k[2], look.hue, look.sat,
                                    look.gamma, size, lit ? 1 : 0, step, this.pixels.pointer);
    if (status !== 0) throw new Error(`the sample slot could not be drawn (status ${status})`);
    // HEAPU8 is read afresh: a grown memory replaces the view.
    const heap = this.module.HEAPU8;
    return new Uint8ClampedArray(heap.subarray(this.pixels.pointer, this.pixels.pointer + bytes));
  }
}
