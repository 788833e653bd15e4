// The side panel: scenario transport and timeline, power and lighting,
// the window list, failure switches and the token variable inspector.

import { post } from './api.js';

const $ = (id) => document.getElementById(id);

// The aircraft's masters, set like any variable.
const POWER = [
  { name: 'BATTERY_SWITCH', label: 'Battery' },
  { name: 'ALTERNATOR_SWITCH', label: 'Alternator' },
  { name: 'AVIONICS_MASTER', label: 'Avionics' },
];
const LIGHTING = [
  { key: 'night', label: 'Night' },
  { key: 'panel_lights', label: 'Panel lights' },
];

export function formatTime(seconds, tenths = true) {
  const s = Math.max(0, seconds);
  const m = Math.floor(s / 60);
  const rest = s - m * 60;
  const text = tenths ? rest.toFixed(1).padStart(4, '0') : String(Math.floor(rest)).padStart(2, '0');
  return `${m}:${text}`;
}

// "NAV1_RECEIVER" reads "NAV1 Receiver": radio names stay as lettered.
function readable(name) {
  return name.split('_')
    .map((w) => (/^(COM|NAV\d?|DME|ADF|HSI)$/.test(w) ? w : w[0] + w.slice(1).toLowerCase()))
    .join(' ');
}

function hex(value) {
  return `0x${(Math.trunc(value) >>> 0).toString(16).toUpperCase().padStart(4, '0')}`;
}

// What the inspector shows: BCD values as the digits they hold, the rest
// as plain numbers without float noise.
export function showValue(v, value) {
  if (value === null || value === undefined) return '—';
  if (v.bcd) return hex(value);
  return String(Number(value.toPrecision(10)));
}

// What a person typed, as a number: decimal, or 0x hexadecimal (BCD).
export function parseValue(text) {
  const t = text.trim();
  if (/^[+-]?0x[0-9a-f]+$/i.test(t)) {
    const negative = t.startsWith('-');
    const n = parseInt(t.replace(/^[+-]/, ''), 16);
    return negative ? -n : n;
  }
  if (!/^[+-]?(\d+\.?\d*|\.\d+)(e[+-]?\d+)?$/i.test(t)) return NaN;
  return Number(t);
}

function toggleButton(label, onClick) {
  const b = document.createElement('button');
  b.type = 'button';
  b.className = 'toggle';
  b.setAttribute('aria-pressed', 'false');
  b.innerHTML = '<span class="lamp" aria-hidden="true"></span>';
  b.append(label);
  b.addEventListener('click', onClick);
  return b;
}

export class SidePanel {
  constructor({ onError, panelView }) {
    this.onError = onError;
    this.panelView = panelView;
    this.rows = new Map();       // variable id → row
    this.failures = new Map();   // key → row
    this.windowBoxes = new Map();
    this.power = new Map();      // variable id → button
    this.lighting = new Map();
    this.seeking = false;
    this.values = {};
  }

  setup(state) {
    this.state = state;
    this.#setupScenario(state.scenario);
    this.#setupPower(state);
    this.#setupWindows(state.windows);
    this.#setupFailures(state.failures);
    this.#setupVariables(state.variables);
    this.live({
      time: state.scenario.time, playing: state.scenario.playing, speed: state.scenario.speed,
      lighting: state.lighting,
      values: Object.fromEntries(state.variables.map((v) => [v.id, v.value])),
      failed: state.failures.filter((f) => f.failed).map((f) => f.key),
      active: state.failures.filter((f) => f.active).map((f) => f.key),
    });
  }

  live(live) {
    this.values = live.values;
    this.#liveScenario(live);
    for (const [id, button] of this.power) button.setAttribute('aria-pressed', String(Boolean(live.values[id])));
    for (const [key, button] of this.lighting) button.setAttribute('aria-pressed', String(Boolean(live.lighting[key])));
    for (const [key, row] of this.failures) {
      row.box.checked = row.power ? live.active.includes(key) : live.failed.includes(key);
      row.li.classList.toggle('failed', live.active.includes(key));
    }
    for (const [id, row] of this.rows) {
      if (document.activeElement === row.input || row.editing) continue;
      row.input.value = showValue(row.v, live.values[id]);
    }
  }

  setLayout(layout) {
    for (const { id, visible } of layout.windows) {
      const box = this.windowBoxes.get(id);
      if (box) box.checked = visible;
    }
  }

  // --- scenario ---------------------------------------------------------

  #setupScenario(s) {
    const play = $('play'), timeline = $('timeline'), speed = $('speed');
    $('duration').textContent = formatTime(s.duration, false);
    timeline.max = String(s.duration);
    timeline.disabled = !s.loaded;
    play.disabled = !s.loaded;
    $('scenario-name').textContent = s.loaded ? s.path.split('/').pop() : 'No scenario: values change only by your hand.';
    play.onclick = () => this.#scenario({ action: this.playing ? 'pause' : 'play' });
    speed.onchange = () => this.#scenario({ action: 'speed', value: Number(speed.value) });
    timeline.oninput = () => {
      this.seeking = true;
      $('time').textContent = formatTime(Number(timeline.value));
      this.#seekSoon(Number(timeline.value));
    };
    timeline.onchange = () => {
      this.#seekSoon(Number(timeline.value));
      this.seeking = false;
    };

    // Marks where the scenario throws a switch, with what it does.
    const marks = $('marks');
    marks.replaceChildren();
    if (!s.loaded || s.duration <= 0) return;
    for (const ev of s.events) {
      const m = document.createElement('span');
      m.className = 'mark';
      m.style.left = `${(100 * ev.time) / s.duration}%`;
      m.title = `${formatTime(ev.time)}  ${ev.variable} → ${ev.value}`;
      marks.append(m);
    }
  }

  #seekSoon(value) {
    this.pendingSeek = value;
    if (this.seekBusy) return;
    this.seekBusy = true;
    const next = () => {
      if (this.pendingSeek === null) {
        this.seekBusy = false;
        return;
      }
      const v = this.pendingSeek;
      this.pendingSeek = null;
      post('api/scenario', { action: 'seek', value: v }).catch((e) => this.onError(e.message)).then(next);
    };
    next();
  }

  async #scenario(body) {
    try {
      this.#liveScenario(await post('api/scenario', body));
    } catch (e) {
      this.onError(e.message);
    }
  }

  #liveScenario({ time, playing, speed }) {
    this.playing = playing;
    const play = $('play');
    play.classList.toggle('playing', playing);
    play.setAttribute('aria-label', playing ? 'Pause' : 'Play');
    if (!this.seeking) {
      $('time').textContent = formatTime(time);
      $('timeline').value = String(time);
    }
    const select = $('speed');
    if (document.activeElement !== select) select.value = String(speed);
  }

  // --- power and lighting -----------------------------------------------

  #setupPower(state) {
    const power = $('power'), lighting = $('lighting');
    power.replaceChildren();
    lighting.replaceChildren();
    this.power.clear();
    this.lighting.clear();
    for (const p of POWER) {
      const v = state.variables.find((x) => x.name === p.name);
      if (!v) continue;
      const b = toggleButton(p.label, () => this.setVariable(v, this.values[v.id] ? 0 : 1));
      b.title = `${v.name}: ${v.changed_by}`;
      b.dataset.variable = v.name;
      power.append(b);
      this.power.set(v.id, b);
    }
    for (const l of LIGHTING) {
      const b = toggleButton(l.label, async () => {
        try {
          const lit = await post('api/lighting', { [l.key]: b.getAttribute('aria-pressed') !== 'true' });
          for (const [key, button] of this.lighting) button.setAttribute('aria-pressed', String(lit[key]));
        } catch (e) {
          this.onError(e.message);
        }
      });
      b.dataset.lighting = l.key;
      lighting.append(b);
      this.lighting.set(l.key, b);
    }
  }

  // --- windows ----------------------------------------------------------

  #setupWindows(windows) {
    const list = $('window-list');
    list.replaceChildren();
    this.windowBoxes.clear();
    for (const w of windows) {
      const li = document.createElement('li');
      const label = document.createElement('label');
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.className = 'switch';
      box.checked = w.visible;
      box.dataset.window = w.id;
      box.addEventListener('change', () => this.panelView.setOpen(w.id, box.checked));
      const name = document.createElement('span');
      name.textContent = w.title;
      const id = document.createElement('span');
      id.className = 'dim';
      id.textContent = `#${w.id}`;
      label.append(box, name, id);
      li.append(label);
      list.append(li);
      this.windowBoxes.set(w.id, box);
    }
  }

  // --- failures ---------------------------------------------------------

  #setupFailures(failures) {
    const list = $('failures');
    list.replaceChildren();
    this.failures.clear();
    for (const f of failures) {
      const li = document.createElement('li');
      const label = document.createElement('label');
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.className = 'switch danger';
      box.dataset.failure = f.key;
      box.disabled = f.power;
      box.addEventListener('change', async () => {
        try {
          await post('api/failure', { key: f.key, failed: box.checked });
        } catch (e) {
          box.checked = !box.checked;
          this.onError(e.message);
        }
      });
      const text = document.createElement('span');
      text.className = 'failure-text';
      const name = document.createElement('strong');
      name.textContent = `${f.key} ${readable(f.name)}`;
      const system = document.createElement('small');
      system.textContent = f.power ? `${f.system} (follows the power switches)` : f.system;
      text.append(name, system);
      label.append(box, text);
      li.append(label);
      list.append(li);
      this.failures.set(f.key, { li, box, power: f.power });
    }
  }

  // --- variables --------------------------------------------------------

  #setupVariables(variables) {
    const body = $('variables');
    body.replaceChildren();
    this.rows.clear();
    for (const v of variables) {
      const tr = document.createElement('tr');
      tr.dataset.name = v.name;
      tr.dataset.search = `${v.name} 0x${v.id.toString(16)} ${v.id} ${v.unit}`.toLowerCase();
      const th = document.createElement('th');
      th.scope = 'row';
      const name = document.createElement('span');
      name.className = 'var-name';
      name.textContent = v.name;
      const meta = document.createElement('small');
      meta.textContent = `0x${v.id.toString(16).padStart(3, '0')} · ${v.unit}`;
      th.title = `${v.name} (0x${v.id.toString(16)}), ${v.form}\n${v.unit}\nset by ${v.changed_by}\nshown range ${showValue(v, v.min)} to ${showValue(v, v.max)}`;
      th.append(name, meta);
      if (v.scenario) {
        const badge = document.createElement('span');
        badge.className = 'badge';
        badge.textContent = 'scenario';
        badge.title = 'The scenario sets this while it plays: pause it to keep your value.';
        th.append(badge);
      }
      const td = document.createElement('td');
      const input = document.createElement('input');
      input.className = 'value';
      input.spellcheck = false;
      input.autocomplete = 'off';
      input.setAttribute('aria-label', v.name);
      input.value = showValue(v, v.value);
      const error = document.createElement('div');
      error.className = 'error';
      error.hidden = true;
      td.append(input, error);
      tr.append(th, td);
      body.append(tr);
      const row = { v, tr, input, error, editing: false };
      input.addEventListener('focus', () => { row.editing = true; input.select(); });
      input.addEventListener('blur', () => {
        row.editing = false;
        this.#clearError(row);
        input.value = showValue(v, this.values[v.id]);
      });
      input.addEventListener('keydown', (e) => {
        if (e.key === 'Enter') this.#commit(row);
        if (e.key === 'Escape') input.blur();
      });
      this.rows.set(v.id, row);
    }
    $('filter').oninput = (e) => {
      const words = e.target.value.toLowerCase().split(/\s+/).filter(Boolean);
      for (const { tr } of this.rows.values()) tr.hidden = !words.every((w) => tr.dataset.search.includes(w));
    };
  }

  #clearError(row) {
    row.error.hidden = true;
    row.tr.classList.remove('invalid');
  }

  #showError(row, message) {
    row.error.textContent = message;
    row.error.hidden = false;
    row.tr.classList.add('invalid');
  }

  async #commit(row) {
    // Only the newest entry of a row has its say, whatever answers come late.
    const entry = (row.entry = (row.entry ?? 0) + 1);
    const value = parseValue(row.input.value);
    const { v } = row;
    if (!Number.isFinite(value)) {
      this.#showError(row, v.bcd ? 'a number, e.g. 0x2280' : 'a number, please');
      return;
    }
    if (value < v.low || value > v.high) {
      this.#showError(row, `from ${showValue(v, v.low)} to ${showValue(v, v.high)}`);
      return;
    }
    const answer = await this.setVariable(v, value, (message) => {
      if (entry === row.entry) this.#showError(row, message);
    });
    if (!answer || entry !== row.entry) return;
    this.#clearError(row);
    this.values[v.id] = answer.value;
    row.input.value = showValue(v, answer.value);
    row.tr.classList.add('saved');
    setTimeout(() => row.tr.classList.remove('saved'), 600);
    if (answer.overwritten_by_scenario) this.onError(`${v.name} follows the scenario while it plays: pause it to keep ${row.input.value}.`);
  }

  async setVariable(v, value, onRefused = this.onError) {
    try {
      const answer = await post('api/variable', { variable: v.name, value });
      this.values[v.id] = answer.value;
      const button = this.power.get(v.id);
      if (button) button.setAttribute('aria-pressed', String(Boolean(answer.value)));
      return answer;
    } catch (e) {
      onRefused(e.message);
      return null;
    }
  }
}
