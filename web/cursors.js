// The pointer shapes behind the gauges' cursor numbers: 1 raises a value,
// 2 lowers it, 5 presses a button, switch or lever. Raise and lower get a
// drawn cursor (a plus or a minus with an arrow, as a knob's halves turn),
// with the nearest system shape behind it for browsers that cannot draw one.

function drawn(svg, fallback) {
  return `url("data:image/svg+xml,${encodeURIComponent(svg)}") 12 12, ${fallback}`;
}

const ring = "<circle cx='12' cy='12' r='7.5' fill='#14181d' stroke='#f4f6f8' stroke-width='1.6'/>";
const bar = "<path d='M8.5 12h7' stroke='#ffc44d' stroke-width='2.4' stroke-linecap='round'/>";
const post = "<path d='M12 8.5v7' stroke='#ffc44d' stroke-width='2.4' stroke-linecap='round'/>";
const svg = (body) => `<svg xmlns='http://www.w3.org/2000/svg' width='24' height='24'>${body}</svg>`;

export const CURSORS = {
  1: drawn(svg(`<path d='M12 0l4 4h-8z' fill='#f4f6f8'/>${ring}${bar}${post}`), 'n-resize'),
  2: drawn(svg(`<path d='M12 24l4-4h-8z' fill='#f4f6f8'/>${ring}${bar}`), 's-resize'),
  5: 'pointer',
};

export const CURSOR_NAMES = { 1: 'raise', 2: 'lower', 5: 'press' };

// The CSS cursor over an area; areas with only a help text keep the arrow.
export function cursorFor(area) {
  if (!area || area.child < 0) return 'default';
  return CURSORS[area.cursor] ?? 'pointer';
}
