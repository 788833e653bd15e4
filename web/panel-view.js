// The panel windows: one canvas each, painted from the pictures the server
// streams, and the mouse as the simulator has it: cursors and help texts
// from the window's hit map, clicks sent to the host's own mouse dispatch,
// drags for the levers and repeats for whatever repeats while held.

import { get, post, Sequence } from './api.js';
import { cursorFor } from './cursors.js';

const REPEAT_FLAG = 0x00200000;  // the child acts again while the button is held
const DRAG_FLAG = 0x00800000;    // the child follows the pointer while the button is held
// The key switch springs back from START half a second after its last turn:
// a held button repeats well inside that.
const REPEAT_DELAY_MS = 300;
const REPEAT_EVERY_MS = 100;
const HELP_DELAY_MS = 450;

export class PanelView {
  constructor(container, tooltip, { onError }) {
    this.container = container;
    this.tooltip = tooltip;
    this.onError = onError;
    this.windows = new Map();
    this.mode = 'pixels';
    this.dpi = 96;
    this.mouse = new Sequence();
    this.pressed = null;
    this.help = { area: null, timer: 0 };
    new ResizeObserver(() => { if (this.mode === 'fit') this.#applyScales(); }).observe(container);
    window.addEventListener('pointerup', (e) => this.#release(e));
    window.addEventListener('pointercancel', (e) => this.#release(e));
  }

  // One card per window of the panel, in the configuration's order, so the
  // main panel comes first; closed windows stay in the page, hidden.
  setup(windows) {
    this.container.replaceChildren();
    this.windows.clear();
    for (const w of windows) {
      const card = document.createElement('article');
      card.className = 'window';
      card.dataset.id = w.id;
      card.dataset.frames = '0';
      card.hidden = !w.visible;

      const bar = document.createElement('header');
      bar.className = 'window-bar';
      const title = document.createElement('span');
      title.className = 'window-title';
      title.textContent = w.title;
      const meta = document.createElement('span');
      meta.className = 'window-meta';
      meta.textContent = `#${w.id} · ${w.width}×${w.height}`;
      const close = document.createElement('button');
      close.type = 'button';
      close.className = 'window-close';
      close.title = `Close ${w.title}`;
      close.setAttribute('aria-label', `Close ${w.title}`);
      close.textContent = '×';
      close.addEventListener('click', () => this.setOpen(w.id, false));
      bar.append(title, meta, close);

      const canvas = document.createElement('canvas');
      canvas.id = `window-${w.id}`;
      canvas.width = w.width;
      canvas.height = w.height;
      canvas.setAttribute('aria-label', w.title);
      const win = {
        info: w, card, canvas, ctx: canvas.getContext('2d'), drawing: Promise.resolve(),
        frames: 0, areas: null, scale: 1,
      };
      canvas.addEventListener('pointermove', (e) => this.#move(win, e));
      canvas.addEventListener('pointerleave', () => { if (!this.pressed) this.#showHelp(null); });
      canvas.addEventListener('pointerdown', (e) => this.#press(win, e));
      canvas.addEventListener('contextmenu', (e) => e.preventDefault());
      card.append(bar, canvas);
      this.container.append(card);
      this.windows.set(w.id, win);
      if (w.visible) this.#loadAreas(win);
    }
    this.#applyScales();
  }

  setLayout(layout) {
    for (const { id, visible } of layout.windows) {
      const win = this.windows.get(id);
      if (!win || win.card.hidden === !visible) continue;
      win.card.hidden = !visible;
      win.info.visible = visible;
      if (visible) this.#loadAreas(win);
    }
    this.#applyScales();
  }

  setScaleMode(mode, dpi) {
    this.mode = mode;
    this.dpi = dpi;
    this.#applyScales();
  }

  async setOpen(id, visible) {
    try {
      this.setLayout(await post('api/window', { window: id, visible }));
    } catch (e) {
      this.onError(e.message);
    }
  }

  // Pictures are decoded as they come and painted in the order they were
  // sent, so a late decode never paints over a newer picture.
  drawFrame({ window: id, full, patches }) {
    const win = this.windows.get(id);
    if (!win) return;
    const images = patches.map((p) => {
      const img = new Image();
      img.src = `data:image/png;base64,${p.png}`;
      return img.decode().then(() => img);
    });
    win.drawing = win.drawing
      .then(() => Promise.all(images))
      .then((decoded) => {
        if (full) win.ctx.clearRect(0, 0, win.canvas.width, win.canvas.height);
        decoded.forEach((img, i) => {
          const p = patches[i];
          win.ctx.clearRect(p.x, p.y, p.w, p.h);
          win.ctx.drawImage(img, p.x, p.y);
        });
        win.frames += 1;
        win.card.dataset.frames = String(win.frames);
        win.card.classList.add('drawn');
      })
      .catch(() => {});
  }

  #scaleOf(win) {
    const w = win.info;
    if (this.mode === 'true') return this.dpi / 25.4 / w.px_per_mm / (window.devicePixelRatio || 1);
    if (this.mode === 'fit') {
      const room = this.container.clientWidth - 28;
      return Math.min(1, room / w.width);
    }
    return 1;
  }

  #applyScales() {
    for (const win of this.windows.values()) {
      if (win.card.hidden) continue;
      win.scale = this.#scaleOf(win);
      win.canvas.style.width = `${Math.round(win.info.width * win.scale)}px`;
      win.canvas.style.height = `${Math.round(win.info.height * win.scale)}px`;
      // Blown-up pixels stay crisp; shrunk ones are smoothed.
      win.canvas.classList.toggle('pixelated', win.scale > 1);
    }
  }

  async #loadAreas(win) {
    if (win.areas) return;
    try {
      const map = await get(`api/windows/${win.info.id}/hitmap`);
      win.help = map.help;
      win.areas = map.areas;
    } catch (e) {
      this.onError(`hit map of ${win.info.title}: ${e.message}`);
    }
  }

  // The window pixel under the pointer, kept inside the window.
  #point(win, e) {
    const r = win.canvas.getBoundingClientRect();
    const x = Math.floor(((e.clientX - r.left) * win.canvas.width) / r.width);
    const y = Math.floor(((e.clientY - r.top) * win.canvas.height) / r.height);
    return {
      x: Math.min(Math.max(x, 0), win.canvas.width - 1),
      y: Math.min(Math.max(y, 0), win.canvas.height - 1),
    };
  }

  #areaAt(win, x, y) {
    for (const a of win.areas ?? []) {
      if (x >= a.x && y >= a.y && x < a.x + a.w && y < a.y + a.h) return a;
    }
    return null;
  }

  #move(win, e) {
    if (this.pressed) {
      if (this.pressed.win === win) this.#drag(e);
      return;
    }
    const { x, y } = this.#point(win, e);
    const area = this.#areaAt(win, x, y);
    win.canvas.style.cursor = cursorFor(area);
    win.canvas.dataset.cursor = area && area.child >= 0 ? String(area.cursor) : '';
    this.#showHelp(area && area.help ? { area, text: win.help[area.help], e } : null);
  }

  #showHelp(help) {
    const same = help && this.help.area === help.area;
    if (same) {
      this.#placeTooltip(help.e);
      return;
    }
    clearTimeout(this.help.timer);
    this.tooltip.hidden = true;
    this.help.area = help?.area ?? null;
    if (!help || !help.text) return;
    this.help.timer = setTimeout(() => {
      this.tooltip.textContent = help.text;
      this.tooltip.hidden = false;
      this.#placeTooltip(help.e);
    }, HELP_DELAY_MS);
  }

  #placeTooltip(e) {
    const t = this.tooltip;
    const x = Math.min(e.clientX + 14, window.innerWidth - t.offsetWidth - 8);
    const y = e.clientY + 20 + t.offsetHeight > window.innerHeight ? e.clientY - t.offsetHeight - 12 : e.clientY + 20;
    t.style.left = `${Math.max(4, x)}px`;
    t.style.top = `${Math.max(4, y)}px`;
  }

  #send(win, x, y, action) {
    return this.mouse.run(() => post('api/click', { window: win.info.id, x, y, action }))
      .catch((e) => this.onError(e.message));
  }

  #press(win, e) {
    if (e.button !== 0 || this.pressed) return;
    e.preventDefault();
    const { x, y } = this.#point(win, e);
    const area = this.#areaAt(win, x, y);
    // Where the hit map knows of nothing to click, the host would do nothing.
    if (win.areas && (!area || area.child < 0)) return;
    this.#showHelp(null);
    win.canvas.setPointerCapture(e.pointerId);
    const flags = area?.flags ?? 0;
    // The host holds the lever that was pressed: the drags that follow move
    // it wherever the pointer goes, and its handler stops it at its ends.
    const pressed = { win, area, flags, x, y, pointer: e.pointerId, timer: 0, dragging: false, next: null };
    this.pressed = pressed;
    this.#send(win, x, y, 'click');
    if (flags & REPEAT_FLAG) {
      const repeat = () => {
        if (this.pressed !== pressed) return;
        this.#send(win, pressed.x, pressed.y, 'repeat');
        pressed.timer = setTimeout(repeat, REPEAT_EVERY_MS);
      };
      pressed.timer = setTimeout(repeat, REPEAT_DELAY_MS);
    }
  }

  // Drags are sent one at a time; while one is on its way only the newest
  // point waits, so a fast pointer never queues up stale positions.
  #drag(e) {
    const p = this.pressed;
    if (!(p.flags & DRAG_FLAG)) return;
    const { x, y } = this.#point(p.win, e);
    if (x === p.x && y === p.y) return;
    p.x = x;
    p.y = y;
    p.next = { x, y };
    if (p.dragging) return;
    p.dragging = true;
    const pump = () => {
      if (!p.next) {
        p.dragging = false;
        return;
      }
      const { x: nx, y: ny } = p.next;
      p.next = null;
      this.#send(p.win, nx, ny, 'drag').then(pump);
    };
    pump();
  }

  #release(e) {
    const p = this.pressed;
    if (!p || e.pointerId !== p.pointer) return;
    clearTimeout(p.timer);
    this.pressed = null;
    if (p.win.canvas.hasPointerCapture(e.pointerId)) p.win.canvas.releasePointerCapture(e.pointerId);
  }
}
