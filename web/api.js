// Talking to vantor-panel serve: JSON requests and the event stream.

export class ApiError extends Error {
  constructor(status, message) {
    super(message);
    this.status = status;
  }
}

async function answer(response) {
  let body = null;
  try {
    body = await response.json();
  } catch {
    // not JSON: fall through to the status
  }
  if (!response.ok) throw new ApiError(response.status, body?.error ?? `HTTP ${response.status}`);
  return body;
}

export async function get(path) {
  return answer(await fetch(path, { cache: 'no-store' }));
}

export async function post(path, body) {
  return answer(await fetch(path, {
    method: 'POST',
    headers: { 'Content-Type': 'application/json' },
    body: JSON.stringify(body),
  }));
}

// Requests that must reach the panel in the order they were made (a press,
// the drags that follow it, the release of a held key), one at a time.
export class Sequence {
  #tail = Promise.resolve();

  run(task) {
    const result = this.#tail.then(task);
    this.#tail = result.catch(() => {});
    return result;
  }
}

// The server-sent events, with the handlers by event name. The browser
// reconnects by itself; the server then starts the page over with whole
// pictures.
export function listen(handlers, onState) {
  const source = new EventSource('api/events');
  for (const [name, handler] of Object.entries(handlers)) {
    source.addEventListener(name, (e) => handler(JSON.parse(e.data)));
  }
  source.onopen = () => onState('live');
  source.onerror = () => onState(source.readyState === EventSource.CLOSED ? 'closed' : 'reconnecting');
  return source;
}
