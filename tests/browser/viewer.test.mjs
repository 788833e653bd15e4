// The viewer as a pilot uses it: vantor-panel serve in the background,
// Debian's Chromium on the page, and every check made both on what the
// page shows (its pixels, cursor and tooltip) and on what the panel holds
// (the state endpoint).
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { mkdtempSync, mkdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const binary = process.env.VANTOR_PANEL ?? path.join(root, 'build/release/host/vantor-panel');
const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';

const MAIN = 0, RADIO_STACK = 10, DME = 30;

let server, base, context, page, profile;

function startServer() {
  server = spawn(binary, ['serve', '--port', '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
  return new Promise((resolve, reject) => {
    let seen = '';
    const timer = setTimeout(() => reject(new Error(`no address printed in 60 s: ${seen}`)), 60000);
    server.stdout.on('data', (chunk) => {
      seen += chunk;
      const m = /Vantor panel: (http:\/\/127\.0\.0\.1:\d+\/)/.exec(seen);
      if (m) {
        clearTimeout(timer);
        resolve(m[1]);
      }
    });
    server.on('exit', (code) => reject(new Error(`vantor-panel serve ended (${code}): ${seen}`)));
  });
}

async function api(route, body) {
  const response = await fetch(new URL(route, base), body === undefined ? {} : {
    method: 'POST', headers: { 'Content-Type': 'application/json' }, body: JSON.stringify(body),
  });
  const json = await response.json();
  assert.ok(response.ok, `${route}: ${json.error}`);
  return json;
}

async function variable(name) {
  const state = await api('api/state');
  return state.variables.find((v) => v.name === name).value;
}

async function until(what, check, timeout = 10000) {
  const end = Date.now() + timeout;
  let last;
  for (;;) {
    last = await check();
    if (last) return last;
    if (Date.now() > end) assert.fail(`timed out waiting for ${what}`);
    await new Promise((r) => setTimeout(r, 50));
  }
}

// The page point (CSS pixels) over a window pixel, scrolled into view.
async function pagePoint(windowId, x, y) {
  return page.evaluate(({ id, x, y }) => {
    const canvas = document.getElementById(`window-${id}`);
    canvas.scrollIntoView({ block: 'nearest', inline: 'nearest' });
    const r = canvas.getBoundingClientRect();
    return { x: r.left + ((x + 0.5) * r.width) / canvas.width, y: r.top + ((y + 0.5) * r.height) / canvas.height };
  }, { id: windowId, x, y });
}

async function pixels(windowId, { x, y, w, h }) {
  return page.evaluate(({ id, x, y, w, h }) => {
    const canvas = document.getElementById(`window-${id}`);
    return Array.from(canvas.getContext('2d').getImageData(x, y, w, h).data);
  }, { id: windowId, x, y, w, h });
}

// Pixels bright enough to be lit text on a dark display.
const lit = (data) => data.filter((_, i) => i % 4 === 0 && data[i] + data[i + 1] + data[i + 2] > 300).length;

async function hitArea(windowId, test) {
  const map = await api(`api/windows/${windowId}/hitmap`);
  const area = map.areas.find(test);
  assert.ok(area, `no such area in window ${windowId}`);
  return area;
}

async function clickWindow(windowId, x, y) {
  const p = await pagePoint(windowId, x, y);
  await page.mouse.click(p.x, p.y);
}

const visible = (id) => page.locator(`article.window[data-id="${id}"]`).isVisible();

before(async () => {
  base = await startServer();
  profile = mkdtempSync(path.join(tmpdir(), 'vantor-chromium-'));
  context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    viewport: { width: 1720, height: 1200 },
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--no-first-run', '--disable-sync'],
  });
  page = context.pages()[0] ?? await context.newPage();
  page.on('pageerror', (e) => console.error('page error:', e.message));
  await page.goto(base);
});

after(async () => {
  await context?.close();
  if (profile) rmSync(profile, { recursive: true, force: true });
  server?.kill('SIGTERM');
});

test('the page shows the main panel first, drawn from the stream', async () => {
  await until('the main panel picture', async () => Number(await page.getAttribute(`article.window[data-id="${MAIN}"]`, 'data-frames')) > 0);
  const first = await page.getAttribute('#windows > article.window:first-child', 'data-id');
  assert.equal(Number(first), MAIN);
  assert.equal(await visible(RADIO_STACK), false);
  // The picture is the panel's, not an empty canvas.
  const sample = await pixels(MAIN, { x: 0, y: 0, w: 1280, h: 560 });
  assert.ok(sample.some((v, i) => i % 4 !== 3 && v > 40));
});

test('the power buttons switch the battery and the avionics master', async () => {
  for (const name of ['BATTERY_SWITCH', 'AVIONICS_MASTER']) {
    await page.click(`#power [data-variable="${name}"]`);
    await until(`${name} on`, async () => (await variable(name)) === 1);
    assert.equal(await page.getAttribute(`#power [data-variable="${name}"]`, 'aria-pressed'), 'true');
  }
});

test('a window button opens and closes its window', async () => {
  const button = await hitArea(MAIN, (a) => a.gauge === 'Toggle10' && a.child >= 0);
  const cx = button.x + (button.w >> 1), cy = button.y + (button.h >> 1);
  await clickWindow(MAIN, cx, cy);
  await until('the radio stack to open', () => visible(RADIO_STACK));
  assert.equal((await api('api/state')).windows.find((w) => w.id === RADIO_STACK).visible, true);
  await clickWindow(MAIN, cx, cy);
  await until('the radio stack to close', async () => !(await visible(RADIO_STACK)));
  assert.equal((await api('api/state')).windows.find((w) => w.id === RADIO_STACK).visible, false);
  await clickWindow(MAIN, cx, cy);
  await until('the radio stack to open again', () => visible(RADIO_STACK));
});

test('the zoom buttons swap the main panel for its close-up and back', async () => {
  const CLOSE_UP = 21;
  const zoom = await hitArea(MAIN, (a) => a.gauge === 'ToggleOpen' && a.child >= 0);
  await clickWindow(MAIN, zoom.x + (zoom.w >> 1), zoom.y + (zoom.h >> 1));
  await until('the close-up instead of the main panel', async () => (await visible(CLOSE_UP)) && !(await visible(MAIN)));
  await until('the close-up drawn', async () => Number(await page.getAttribute(`article.window[data-id="${CLOSE_UP}"]`, 'data-frames')) > 0);
  const back = await hitArea(CLOSE_UP, (a) => a.gauge === 'ToggleClose' && a.child >= 0);
  await clickWindow(CLOSE_UP, back.x + (back.w >> 1), back.y + (back.h >> 1));
  await until('the main panel again', async () => (await visible(MAIN)) && !(await visible(CLOSE_UP)));
});

test('the COM 1 MHz knob shows its cursor and help, and tunes the display', async () => {
  const up = await hitArea(RADIO_STACK, (a) => a.gauge === 'RadioComNav1' && a.cursor === 1 && a.flags === 0x20200000);
  const x = up.x + 3, y = up.y + (up.h >> 1);
  // The first area from the left that raises is the MHz one.
  const p = await pagePoint(RADIO_STACK, x, y);
  await page.mouse.move(p.x, p.y);
  const canvas = page.locator(`#window-${RADIO_STACK}`);
  await until('the raise cursor', async () => (await canvas.getAttribute('data-cursor')) === '1');
  assert.match(await canvas.evaluate((c) => c.style.cursor), /n-resize/);
  await until('the help text', () => page.locator('#tooltip').isVisible());
  assert.match(await page.textContent('#tooltip'), /^COM 1 frequency/);

  // The display: the COM string of the first radio, in window pixels.
  const display = { x: 56, y: 148, w: 108, h: 36 };
  const before = await until('the lit COM display', async () => {
    const d = await pixels(RADIO_STACK, display);
    return lit(d) > 20 ? d : null;
  });
  const frequency = await variable('COM1_ACTIVE_FREQUENCY');
  await page.mouse.down();
  await page.mouse.up();
  await until('COM 1 one MHz up', async () => (await variable('COM1_ACTIVE_FREQUENCY')) === frequency + 0x100);
  await until('the display to change', async () => {
    const d = await pixels(RADIO_STACK, display);
    return lit(d) > 20 && d.some((v, i) => v !== before[i]);
  });
});

test('the inspector sets a variable, and the DME power switch brings up the speed text', async () => {
  const row = page.locator('#variables tr[data-name="DME1_SPEED"] input');
  await row.fill('120');
  await row.press('Enter');
  await until('DME1_SPEED set', async () => (await variable('DME1_SPEED')) === 120);
  // A value out of range is refused where it was typed.
  await row.fill('1e9');
  await row.press('Enter');
  await until('the range under the field', () => page.locator('#variables tr[data-name="DME1_SPEED"] .error').isVisible());
  assert.match(await page.textContent('#variables tr[data-name="DME1_SPEED"] .error'), /^from -?\d+ to \d+$/);
  assert.equal(await variable('DME1_SPEED'), 120);
  await row.press('Escape');

  const button = await hitArea(MAIN, (a) => a.gauge === 'Toggle30' && a.child >= 0);
  await clickWindow(MAIN, button.x + (button.w >> 1), button.y + (button.h >> 1));
  await until('the DME window', () => visible(DME));
  await until('the DME picture', async () => Number(await page.getAttribute(`article.window[data-id="${DME}"]`, 'data-frames')) > 0);

  // The speed text: the left part of the display, dark while switched off.
  const speed = { x: 27, y: 37, w: 88, h: 25 };
  assert.equal(lit(await pixels(DME, speed)), 0);
  const on = await hitArea(DME, (a) => a.gauge === 'RadioDME' && a.cursor === 1);
  await clickWindow(DME, on.x + (on.w >> 1), on.y + (on.h >> 1));
  await until('the speed text', async () => lit(await pixels(DME, speed)) > 20);
});

test('a dragged lever follows the pointer, past its slot to the end of its travel', async () => {
  const throttle = await hitArea(MAIN, (a) => a.gauge === 'Controls' && a.child === 0);
  const x = throttle.x + 5;
  const at = (y) => pagePoint(MAIN, x, y);
  const start = await at(throttle.y + (throttle.h >> 1));
  await page.mouse.move(start.x, start.y);
  const resting = await variable('THROTTLE_LEVER');
  await page.mouse.down();
  // The lever has reached the pointer once it moved and then holds still.
  const throttleNot = (old) => async () => {
    const v = await variable('THROTTLE_LEVER');
    if (v === old) return null;
    await new Promise((r) => setTimeout(r, 200));
    return (await variable('THROTTLE_LEVER')) === v ? { v } : null;
  };
  const { v: middle } = await until('the throttle to take the pressed height', throttleNot(resting));
  const seen = [];
  for (const y of [throttle.y + 20, throttle.y + throttle.h - 20, throttle.y + throttle.h + 40]) {
    const p = await at(y);
    await page.mouse.move(p.x, p.y, { steps: 5 });
    seen.push((await until(`the throttle to follow to y ${y}`, throttleNot(seen.at(-1) ?? middle))).v);
  }
  await page.mouse.up();
  assert.ok(seen[0] > middle, `up the slot: ${seen[0]} > ${middle}`);
  assert.ok(seen[1] < middle, `down the slot: ${seen[1]} < ${middle}`);
  // The pressed lever holds the pointer: below its slot it closes fully.
  assert.equal(seen[2], 0, `below the slot: ${seen[2]}`);
  // The other levers stayed where they were.
  assert.equal(await variable('PROPELLER_LEVER'), 16383);
});

test('the key switch stays at START while held and springs back when let go', async () => {
  const right = await hitArea(MAIN, (a) => a.gauge === 'start' && a.cursor === 1);
  const p = await pagePoint(MAIN, right.x + (right.w >> 1), right.y + (right.h >> 1));
  await page.mouse.move(p.x, p.y);
  await page.mouse.down();
  await until('the key at START', async () => (await variable('KEY_SWITCH')) === 4);
  // Held well past the spring's half second, it stays.
  await new Promise((r) => setTimeout(r, 1200));
  assert.equal(await variable('KEY_SWITCH'), 4);
  await page.mouse.up();
  await until('the key back at BOTH', async () => (await variable('KEY_SWITCH')) === 3);
});

test('a second browser sees the same panel', async () => {
  const second = await context.newPage();
  try {
    await second.goto(base);
    const card = (id) => second.locator(`article.window[data-id="${id}"]`);
    await until('the main panel in the second page', async () => Number(await card(MAIN).getAttribute('data-frames')) > 0);
    assert.equal(await card(RADIO_STACK).isVisible(), true);
    // Closed in the first page's window list, the window closes in both.
    await page.locator(`#window-list input[data-window="${RADIO_STACK}"]`).uncheck();
    await until('the radio stack to close in the second page', async () => !(await card(RADIO_STACK).isVisible()));
    await page.locator(`#window-list input[data-window="${RADIO_STACK}"]`).check();
    await until('the radio stack back in the second page', async () => card(RADIO_STACK).isVisible());
    await until('the radio stack drawn there', async () => Number(await card(RADIO_STACK).getAttribute('data-frames')) > 0);
  } finally {
    await second.close();
  }
});

test('failure switches and night lighting reach the panel', async () => {
  const com = page.locator('#failures input[data-failure="9"]');
  await page.click('details:has(#failures) summary');
  await com.check();
  await until('COM radios failed', async () => (await api('api/state')).failures.find((f) => f.key === 9).failed);
  await com.uncheck();
  await until('COM radios back', async () => !(await api('api/state')).failures.find((f) => f.key === 9).failed);
  // The power keys follow the switches and cannot be thrown by hand.
  assert.equal(await page.locator('#failures input[data-failure="20"]').isDisabled(), true);

  // The main panel's summed colour, added up in the page.
  const brightness = () => page.evaluate(() => {
    const d = document.getElementById('window-0').getContext('2d').getImageData(0, 0, 1280, 560).data;
    let sum = 0;
    for (let i = 0; i < d.length; i += 4) sum += d[i] + d[i + 1] + d[i + 2];
    return sum;
  });
  const day = await brightness();
  await page.click('#lighting [data-lighting="night"]');
  await until('night', async () => (await api('api/state')).lighting.night);
  await until('a darker panel', async () => (await brightness()) < 0.6 * day);
  await page.click('#lighting [data-lighting="night"]');
  await until('day', async () => !(await api('api/state')).lighting.night);
});

test('the scenario plays, changes speed, seeks and pauses from the side panel', async () => {
  const scenario = async () => (await api('api/state')).scenario;
  await page.selectOption('#speed', '4');
  await until('speed 4', async () => (await scenario()).speed === 4);
  await page.click('#play');
  await until('playing', async () => (await scenario()).playing);
  const t0 = (await scenario()).time;
  await until('time to pass', async () => (await scenario()).time > t0 + 1);
  await page.click('#play');
  await until('paused', async () => !(await scenario()).playing);
  // Dragging the timeline seeks.
  await page.locator('#timeline').evaluate((input) => {
    input.value = '200';
    input.dispatchEvent(new Event('input'));
    input.dispatchEvent(new Event('change'));
  });
  await until('the scenario at 200 s', async () => Math.abs((await scenario()).time - 200) < 0.5);
  await until('the clock to show it', async () => (await page.textContent('#time')) === '3:20.0');
  await page.selectOption('#speed', '1');
});

test('a screenshot of the viewer for the README', async () => {
  await api('api/scenario', { action: 'seek', value: 150 });
  await page.click('details:has(#failures) summary');  // folded again: the inspector shows
  await page.mouse.move(5, 5);
  await until('the picture to settle', async () => {
    const n = Number(await page.getAttribute(`article.window[data-id="${MAIN}"]`, 'data-frames'));
    await new Promise((r) => setTimeout(r, 400));
    return Number(await page.getAttribute(`article.window[data-id="${MAIN}"]`, 'data-frames')) === n;
  });
  mkdirSync(path.join(root, 'docs'), { recursive: true });
  await page.screenshot({ path: path.join(root, 'docs/viewer.png') });
});
