// An edit field with a spinner, as the rollout has them: type a value and press Enter (or
// leave the field), use the arrow keys, or drag the handle up and down. The value a field
// takes, and the text it shows, are the rollout's treatment of what was typed, asked of the
// module; the field itself never clamps or rounds.

const PIXELS_PER_STEP = 1;

export class Spinner {
  /**
   * host: the element to fill; name: for messages; label: the accessible name where no
   * <label> names the field; param: 'n', 'k', 'gamma', 'hue' or 'sat'; step: one spinner
   * step; typed(param, text) → {value, text} | {error}; onChange(value, {dragging}) after
   * each change; onRefused(message) when typed text is not taken.
   */
  constructor({ host, id, label, name, param, step, typed, onChange, onRefused }) {
    this.param = param;
    this.name = name;
    this.step = step;
    this.typed = typed;
    this.onChange = onChange;
    this.onRefused = onRefused;
    this.value = 0;
    this.text = '';

    this.input = document.createElement('input');
    this.input.type = 'text';
    this.input.inputMode = 'decimal';
    this.input.id = id;
    this.input.autocomplete = 'off';
    this.input.spellcheck = false;
    if (label) this.input.setAttribute('aria-label', label);
    this.handle = document.createElement('span');
    this.handle.className = 'spin-handle';
    this.handle.setAttribute('aria-hidden', 'true');
    host.classList.add('spin');
    host.replaceChildren(this.input, this.handle);
    this.host = host;

    this.input.addEventListener('change', () => this.commit(this.input.value, false));
    this.input.addEventListener('keydown', (event) => this.onKey(event));
    this.handle.addEventListener('pointerdown', (event) => this.startDrag(event));
  }

  /** Shows a value given by the page (a preset, a file, a fragment), as the rollout would. */
  show(value) {
    const answer = this.typed(this.param, String(value));
    this.value = answer.error ? value : answer.value;
    this.text = answer.error ? String(value) : answer.text;
    this.input.value = this.text;
  }

  setEnabled(enabled) {
    this.input.disabled = !enabled;
    this.host.classList.toggle('disabled', !enabled);
  }

  get enabled() {
    return !this.input.disabled;
  }

  // Takes typed text; refused text puts the last value back.
  commit(text, dragging) {
    const answer = this.typed(this.param, text);
    if (answer.error) {
      this.input.value = this.text;
      this.onRefused(`${this.name}: '${text}' was not taken (${answer.error})`);
      return;
    }
    const changed = answer.value !== this.value;
    this.value = answer.value;
    this.text = answer.text;
    this.input.value = this.text;
    if (changed || !dragging) this.onChange(this.value, { dragging });
  }

  // The text of the value `steps` spinner steps away from `from`; the module reads it as
  // it reads typed text, so it alone decides the stored value.
  stepped(from, steps) {
    return String(from + steps * this.step);
  }

  onKey(event) {
    if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
    event.preventDefault();
    const steps = (event.key === 'ArrowUp' ? 1 : -1) * (event.shiftKey ? 10 : 1);
    this.commit(this.stepped(this.value, steps), false);
  }

  startDrag(event) {
    if (!this.enabled || event.button !== 0) return;
    event.preventDefault();
    const startY = event.clientY;
    const startValue = this.value;
    this.handle.setPointerCapture(event.pointerId);
    const move = (e) => {
      const steps = Math.round((startY - e.clientY) / PIXELS_PER_STEP);
      this.commit(this.stepped(startValue, steps), true);
    };
    const end = () => {
      this.handle.removeEventListener('pointermove', move);
      this.handle.removeEventListener('pointerup', end);
      this.handle.removeEventListener('pointercancel', end);
      this.onChange(this.value, { dragging: false });
    };
    this.handle.addEventListener('pointermove', move);
    this.handle.addEventListener('pointerup', end);
    this.handle.addEventListener('pointercancel', end);
  }
}
