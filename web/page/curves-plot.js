// Reflectance against the angle of incidence per channel, drawn from the arrays the module
// computes: the map's curve solid, the curve it is compared with dashed.

const SVG = 'http://www.w3.org/2000/svg';
const WIDTH = 720;
const HEIGHT = 210;
const PAD = { left: 34, right: 10, top: 8, bottom: 24 };
const MAX_ANGLE = 90;

function element(name, attributes, text) {
  const node = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, String(value));
  if (text !== undefined) node.textContent = text;
  return node;
}

// Plot coordinates of an angle in degrees and a reflectance in [0, 1].
function x(angle) {
  return PAD.left + (angle / MAX_ANGLE) * (WIDTH - PAD.left - PAD.right);
}
function y(value) {
  return HEIGHT - PAD.bottom - value * (HEIGHT - PAD.top - PAD.bottom);
}

function polyline(angles, rows, channel, className) {
  const points = angles.map((angle, i) => `${x(angle).toFixed(1)},${y(rows[i][channel]).toFixed(1)}`);
  return element('polyline', { class: `${className} c${channel}`, points: points.join(' ') });
}

/** Replaces the plot in svg with the curves of a `curves` answer. */
export function drawCurves(svg, curves) {
  const nodes = [];
  for (const tick of [0, 0.25, 0.5, 0.75, 1]) {
    nodes.push(element('line', { class: 'grid', x1: x(0), x2: x(MAX_ANGLE), y1: y(tick), y2: y(tick) }));
    nodes.push(element('text', { x: PAD.left - 5, y: y(tick) + 3, 'text-anchor': 'end' }, String(tick)));
  }
  for (const angle of [0, 15, 30, 45, 60, 75, 90]) {
    nodes.push(element('text', { x: x(angle), y: HEIGHT - 8, 'text-anchor': 'middle' }, `${angle}°`));
  }
  nodes.push(element('polyline', {
    class: 'axis',
    points: `${x(0)},${y(1)} ${x(0)},${y(0)} ${x(MAX_ANGLE)},${y(0)}`,
  }));
  for (let channel = 0; channel < 3; ++channel) {
    nodes.push(polyline(curves.angles, curves.reference, channel, 'reference'));
    nodes.push(polyline(curves.angles, curves.map, channel, 'map'));
  }
  svg.replaceChildren(...nodes);
}
