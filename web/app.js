// The Vantor panel in a browser: loads the panel's state, then follows the
// server's event stream (pictures, open windows, live values).

import { get, listen } from './api.js';
import { PanelView } from './panel-view.js';
import { SidePanel } from './side-panel.js';

const $ = (id) => document.getElementById(id);

let toastTimer = 0;
function toast(message) {
  const t = $('toast');
  t.textContent = message;
  t.hidden = false;
  clearTimeout(toastTimer);
  toastTimer = setTimeout(() => { t.hidden = true; }, 4000);
}

function setConnection(state) {
  const c = $('connection');
  c.dataset.state = state;
  c.textContent = { live: 'live', reconnecting: 'reconnecting…', closed: 'disconnected', connecting: 'connecting' }[state];
}

// The view's size mode and DPI stay as the person left them.
function setupScale(view, serverDpi) {
  const stored = Number(localStorage.getItem('vantor.dpi'));
  const dpiInput = $('dpi');
  dpiInput.value = String(stored >= 30 && stored <= 1200 ? stored : serverDpi);
  let mode = localStorage.getItem('vantor.scale') ?? 'pixels';
  const apply = () => {
    for (const b of document.querySelectorAll('[data-scale]')) b.setAttribute('aria-pressed', String(b.dataset.scale === mode));
    dpiInput.closest('.dpi').hidden = mode !== 'true';
    view.setScaleMode(mode, Number(dpiInput.value) || serverDpi);
  };
  for (const b of document.querySelectorAll('[data-scale]')) {
    b.addEventListener('click', () => {
      mode = b.dataset.scale;
      localStorage.setItem('vantor.scale', mode);
      apply();
    });
  }
  dpiInput.addEventListener('change', () => {
    const dpi = Number(dpiInput.value);
    if (dpi >= 30 && dpi <= 1200) localStorage.setItem('vantor.dpi', String(dpi));
    else dpiInput.value = String(serverDpi);
    apply();
  });
  apply();
}

async function start() {
  const view = new PanelView($('windows'), $('tooltip'), { onError: toast });
  const side = new SidePanel({ onError: toast, panelView: view });
  let state;
  try {
    state = await get('api/state');
  } catch (e) {
    setConnection('closed');
    toast(`The panel does not answer: ${e.message}`);
    return;
  }
  view.setup(state.windows);
  side.setup(state);
  setupScale(view, state.dpi);
  document.title = `Vantor panel · ${state.panel.split('/').pop()}`;

  listen({
    layout: (layout) => {
      view.setLayout(layout);
      side.setLayout(layout);
    },
    frame: (frame) => view.drawFrame(frame),
    live: (live) => side.live(live),
  }, setConnection);
}

start();
