// The sample slot on the page: drawn by the module as `veltrane preview` draws it, coarse
// while a control is being dragged and refined once the look stays still.

const COARSE_STEP = 4;
const REFINE_AFTER_MS = 150;

export class SlotView {
  constructor(canvas, api) {
    this.canvas = canvas;
    this.context = canvas.getContext('2d');
    this.api = api;
    this.size = canvas.width;
    this.pending = null;
    this.frame = 0;
    this.refineTimer = 0;
    this.lastMs = 0;
  }

  /** Draws the look: coarse at once while dragging, then fine once nothing changed a while. */
  show(look, lit, { dragging = false } = {}) {
    clearTimeout(this.refineTimer);
    this.pending = { look: structuredClone(look), lit, step: dragging ? COARSE_STEP : 1 };
    if (!this.frame) this.frame = requestAnimationFrame(() => this.drawPending());
    if (dragging) {
      this.refineTimer = setTimeout(() => this.show(look, lit), REFINE_AFTER_MS);
    }
  }

  /** Draws the look at full quality now (saving, tests). */
  drawNow(look, lit) {
    clearTimeout(this.refineTimer);
    this.pending = null;
    this.draw(look, lit, 1);
  }

  drawPending() {
    this.frame = 0;
    if (!this.pending) return;
    const { look, lit, step } = this.pending;
    this.pending = null;
    this.draw(look, lit, step);
  }

  draw(look, lit, step) {
    const start = performance.now();
    const pixels = this.api.renderSlot(look, this.size, lit, step);
    this.context.putImageData(new ImageData(pixels, this.size, this.size), 0, 0);
    this.lastMs = performance.now() - start;
    this.canvas.dataset.step = String(step);
  }

  /** The slot as a PNG file. */
  toPngBlob() {
    return new Promise((resolve) => this.canvas.toBlob(resolve, 'image/png'));
  }
}
