// The advisor's page: the form is sent to POST /api/advice as the navigator types, and the
// answer is shown as it comes. The page computes nothing itself; every message and every
// figure is the server's. The situation lives in the address (after '#'), so a reload or a
// link shows the same advice.
'use strict';

// The classic defaults, shown when the address holds no situation.
const DEFAULTS = {
  mode: 'values', distance_nm: '1000', bearing_deg: '275', track_deg: '91', speed_kn: '11',
  keep_nm: '150', ship_speed_kn: '7', hemisphere: 'north',
};
// Which inputs each way of giving the storm sends.
const MODE_FIELDS = {
  values: ['distance_nm', 'bearing_deg', 'track_deg', 'speed_kn', 'keep_nm', 'ship_speed_kn',
    'hemisphere'],
  positions: ['ship', 'storm', 'fix1', 'fix2', 'at', 'track_deg', 'speed_kn', 'keep_nm',
    'ship_speed_kn', 'hemisphere'],
  advisory: ['ship', 'advisory', 'storm_id', 'margin_nm', 'to', 'course_deg', 'sea_room_nm',
    'avoid_kt', 'at', 'keep_nm', 'ship_speed_kn', 'hemisphere'],
};
const ALL_FIELDS = [...new Set(Object.values(MODE_FIELDS).flat())];
// What a mode takes over from the one left, when it has no entries of its own yet: the same ship
// and time, and the distance to keep only where the navigator must give it. An advisory forms
// its own keep, and two fixes their own track and speed, so neither inherits those.
const CARRIED = {
  values: ['keep_nm', 'ship_speed_kn'],
  positions: ['ship', 'at', 'keep_nm', 'ship_speed_kn'],
  advisory: ['ship', 'at', 'ship_speed_kn'],
};
const TYPING_PAUSE_MS = 150;
// A browser refuses an address of a few MiB, and the page would stop there; a longer advisory
// (a feed or a track file) is sent but not kept in the address.
const MAX_ADDRESS_ADVISORY = 64 * 1024;
const MAX_ADVISORY_BYTES = 4 * 1024 * 1024;  // as much as the server reads as an advisory
// A route of a few hundred waypoints is tens of KiB; the request must still hold the advisory.
const MAX_ROUTE_BYTES = 512 * 1024;

const form = document.getElementById('situation');
const answer = document.getElementById('answer');
const statusLine = document.getElementById('status');
let sent = 0;       // number of the latest request, so a late answer never overwrites a newer one
let shown = false;  // whether an advice is on screen
let night = false;
let timer = 0;
let shownMode = 'values';  // the mode whose entries the form holds
let route = null;          // the route file read, { name, text }: sent, not kept in the address
let markedField = null;    // the field whose message was last brought into view
const entries = {};        // each mode's entries while another mode is shown

// The page's name for an input the server names by its key: the text of the field's label.
const LABELS = (() => {
  const labels = { fixes: 'Fixes' };
  for (const message of form.querySelectorAll('.message[data-for]')) {
    const label = message.closest('.field');
    const text = label && label.firstChild && label.firstChild.textContent.trim();
    if (message.dataset.for && text) labels[message.dataset.for] = text;
  }
  return labels;
})();

function mode() {
  return form.elements.mode.value;
}

// The form's state as address parameters: the mode, its fields, the palette.
function stateOf() {
  const state = new URLSearchParams();
  state.set('mode', mode());
  for (const name of MODE_FIELDS[mode()]) {
    const value = form.elements[name].value;
    if (value === '' || (name === 'advisory' && value.length > MAX_ADDRESS_ADVISORY)) continue;
    state.set(name, value);
  }
  if (night) state.set('palette', 'night');
  return state;
}

function restore(state) {
  const source = state.has('mode') ? state : new URLSearchParams(DEFAULTS);
  const chosen = MODE_FIELDS[source.get('mode')] ? source.get('mode') : 'values';
  for (const radio of form.elements.mode) radio.checked = radio.value === chosen;
  for (const name of ALL_FIELDS) form.elements[name].value = source.get(name) ?? '';
  if (!form.elements.hemisphere.value) {
    form.elements.hemisphere.value = chosen === 'values' ? 'north' : '';
  }
  for (const name of Object.keys(entries)) delete entries[name];
  shownMode = chosen;
  setNight(state.get('palette') === 'night');
  showMode();
}

// A change of mode: the entries of the mode left are kept for a return to it, and the form
// shows the new mode's own, so no value typed for one way of giving the storm is sent with
// another (a track beside two fixes, a keep beside an advisory).
function switchMode() {
  const next = mode();
  if (next === shownMode) return;
  const left = {};
  for (const name of MODE_FIELDS[shownMode]) left[name] = form.elements[name].value;
  entries[shownMode] = left;
  const own = entries[next];
  for (const name of ALL_FIELDS) {
    if (name === 'hemisphere') continue;
    if (own) form.elements[name].value = own[name] ?? '';
    else form.elements[name].value = CARRIED[next].includes(name) ? (left[name] ?? '') : '';
  }
  // With a ship's position the hemisphere follows its latitude unless chosen otherwise.
  form.elements.hemisphere.value = own ? own.hemisphere : (next === 'values' ? 'north' : '');
  shownMode = next;
  showMode();
}

// Only the fieldsets (and the hemisphere choice) of the chosen mode are shown.
function showMode() {
  for (const element of form.querySelectorAll('[data-modes]')) {
    const wanted = element.dataset.modes.split(' ').includes(mode());
    element.hidden = !wanted;
    if (element.tagName === 'OPTION') element.disabled = !wanted;
  }
  const hemisphere = form.elements.hemisphere;
  if (hemisphere.selectedOptions[0]?.disabled) hemisphere.value = 'north';
}

// The request body: every field of the mode as typed; the server reads and judges them.
function bodyOf() {
  const body = {};
  for (const name of MODE_FIELDS[mode()]) {
    const value = form.elements[name].value;
    if (value === '' || name === 'fix1' || name === 'fix2') continue;
    body[name] = value;
  }
  const fixes = ['fix1', 'fix2'].map((name) => form.elements[name].value.trim());
  if (mode() === 'positions' && fixes.some((fix) => fix !== '')) body.fixes = fixes;
  if (mode() === 'advisory' && route) body.route = route.text;
  if (night) body.night = true;
  return body;
}

function clearMessages() {
  for (const element of form.querySelectorAll('.message')) element.textContent = '';
  for (const element of form.querySelectorAll('[aria-invalid]')) {
    element.removeAttribute('aria-invalid');
  }
}

// The server's message in the page's words: its template names every input as {key}, and
// each becomes the label on screen.
function inLabels(result, status) {
  if (typeof result.template === 'string') {
    return result.template.replace(/\{([a-z_]+(?:\[[01]\])?)\}/g, (whole, key) => LABELS[key] || key);
  }
  return result.error || `error ${status}`;
}

// The server's message beside the field it names ("fixes[1]" marks the later fix).
function markInvalid(field, message) {
  const fixInput = { 'fixes[0]': 'fix1', 'fixes[1]': 'fix2' }[field];
  const inputName = fixInput || field;
  let target = form.querySelector(`.message[data-for="${CSS.escape(field)}"]`);
  const input = inputName && form.elements[inputName];
  if (!target || target.closest('[hidden]')) target = form.querySelector('.form-message');
  target.textContent = message;
  if (input && input.setAttribute) input.setAttribute('aria-invalid', 'true');
  // A message out of sight (a file's, or one under the answer on a phone) is brought into
  // view once, not again at every key typed while it stands.
  const { top, bottom } = target.getBoundingClientRect();
  if (field !== markedField && (top < 0 || bottom > innerHeight)) {
    target.scrollIntoView({ block: 'center' });
  }
  markedField = field;
}

function setStatus(text, kind) {
  statusLine.textContent = text;
  statusLine.className = `status ${kind}`;
}

function formatted(number, digits) {
  return typeof number === 'number' ? number.toFixed(digits) : '–';
}

// The values the analysis used, as the server gives them; worth showing when they were worked
// out from positions, fixes or an advisory.
function usedLine(advice) {
  const s = advice.situation;
  if (!s || (!advice.derived && !advice.advisory)) return '';
  return `Used: distance ${formatted(s.distance_nm, 1)} nm, bearing ${formatted(s.bearing_deg, 1)}°,` +
    ` track ${formatted(s.track_deg, 1)}°, speed ${formatted(s.speed_kn, 1)} kn,` +
    (typeof s.keep_nm === 'number' ? ` keep ${formatted(s.keep_nm, 1)} nm,` : '') +
    ` ship ${formatted(s.ship_speed_kn, 1)} kn,` +
    ` ${advice.hemisphere} hemisphere`;
}

// A position as a navigator writes it: 24.7N 66.4W.
function positionText(lat, lon) {
  if (typeof lat !== 'number' || typeof lon !== 'number') return '–';
  return `${Math.abs(lat).toFixed(1)}${lat < 0 ? 'S' : 'N'} ` +
    `${Math.abs(lon).toFixed(1)}${lon < 0 ? 'W' : 'E'}`;
}

// An ISO time as the advisories write it: 12/2100Z, with the date for a second look.
function timeText(iso) {
  const match = /^(\d{4})-(\d{2})-(\d{2})T(\d{2}):(\d{2})/.exec(iso || '');
  return match ? `${match[3]}/${match[4]}${match[5]}Z (${match[1]}-${match[2]}-${match[3]})` : '–';
}

function keepText(advice) {
  const advisory = advice.advisory;
  const keep = `${formatted(advice.situation.keep_nm, 0)} nm`;
  const suggested = advisory.advisory_keep;
  // A keep the navigator gave is set beside the one the advisory would have formed.
  if (suggested?.source !== advisory.keep_source) {
    return suggested ? `${advisory.keep_source}, the advisory's is ${suggested.source}`
      : advisory.keep_source;
  }
  return `${keep} from the advisory: ${advisory.keep_source}`;
}

// The advisory's age at the advice time and when the next one is due, as the server gives them;
// marked when the server calls the advisory stale (its warning says why).
function showAdvisoryAge(advice) {
  const line = document.getElementById('advisory-age');
  const advisory = advice.advisory;
  line.hidden = !advisory;
  if (!advisory) return;
  line.classList.toggle('stale', Boolean(advisory.stale));
  line.textContent = `Advisory ${formatted(advisory.age_h, 1)} h old at the advice time` +
    (advisory.stale ? ' (STALE)' : '') +
    (advisory.next_advisory ? `; next due ${timeText(advisory.next_advisory)}` : '');
}

// What the advisory was read as, so the navigator can hold it against the bulletin.
function showAdvisory(advice) {
  const box = document.getElementById('advisory-read');
  const advisory = advice.advisory;
  box.hidden = !advisory;
  if (!advisory) return;
  const storm = [advisory.kind, advisory.name, `(${advisory.storm_id})`].filter(Boolean).join(' ');
  const number = advisory.number ? `advisory ${advisory.number}` : 'track file';
  const issued = advisory.issued ? `, issued ${timeText(advisory.issued)}` : '';
  const movement = advisory.movement
    ? `${formatted(advisory.movement.track_deg, 0)}° at ${formatted(advisory.movement.speed_kn, 0)} kn`
    : 'stationary';
  const moved = advice.derived && advice.derived.moved_from;
  const rows = [
    ['Storm', `${storm}, ${number}${issued}`],
    ['Centre', `${positionText(advisory.centre.lat, advisory.centre.lon)} at ` +
      `${timeText(advisory.centre.time)}` +
      (advisory.accuracy_nm ? `, accurate within ${advisory.accuracy_nm} nm` : '')],
    ...(moved ? [['Moved to', `${positionText(advice.derived.storm.lat, advice.derived.storm.lon)}` +
      ` at ${timeText(advice.derived.time)}, ${formatted(moved.hours, 1)} h along ` +
      (advisory.centre_at_advice === 'forecast_track' ? 'the forecast track' : 'its track')]] : []),
    ['Movement', movement],
    ['Max wind', `${advisory.max_wind_kt} kt`],
    ...(advisory.next_advisory ? [['Next due', timeText(advisory.next_advisory)]] : []),
    ['Keep', keepText(advice)],
  ];
  const list = document.getElementById('advisory-facts');
  list.replaceChildren(...rows.flatMap(([term, text]) => {
    const dt = document.createElement('dt');
    dt.textContent = term;
    const dd = document.createElement('dd');
    dd.textContent = text;
    return [dt, dd];
  }));
}

function showPicture(svgText, id = 'picture') {
  const picture = document.getElementById(id);
  picture.replaceChildren();
  if (!svgText) return;
  const parsed = new DOMParser().parseFromString(svgText, 'image/svg+xml');
  const svg = parsed.documentElement;
  if (svg.nodeName !== 'svg') return;
  picture.append(document.importNode(svg, true));
}

// The classic report, the verdict and dangerous-quarter lines marked as the server places them
// (the verdict's lines end the report), then the notes the classic lines leave unsaid (little
// speed in hand, a ship that cannot move).
function showReport(lines, notes = [], verdict = null) {
  const report = document.getElementById('report');
  report.replaceChildren();
  const verdictFrom = verdict ? lines.length - verdict.lines.length : lines.length;
  const quarterAt = verdict && verdict.quarter_line !== null ? verdictFrom - 1 : -1;
  const marked = (text, className) => {
    const span = document.createElement('span');
    span.textContent = text;
    if (className) span.className = className;
    report.append(span, '\n');
  };
  lines.forEach((line, index) => {
    marked(line, index >= verdictFrom ? 'line-verdict' : (index === quarterAt ? 'line-quarter' : ''));
  });
  for (const note of notes) marked(note, 'line-note');
}

// The [F] lines that say what to do, shown in the box above the others.
const FORECAST_ADVICE_PARTS = ['not_judged', 'no_forecast', 'cannot_move', 'none_open',
  'recommendation'];
// The other lines, what the navigator weighs first on top; the model and storms last, smaller.
const FORECAST_PART_ORDER = ['open', 'stay', 'classic_shut', 'disagrees', 'model', 'storm'];
const partRank = (part) => (FORECAST_PART_ORDER.includes(part) ? FORECAST_PART_ORDER.indexOf(part)
  : FORECAST_PART_ORDER.length);

// Advice [F] as the server words it: the lines saying what to do in a box, a warning when no
// course keeps clear at full speed; below them the others (model, storms, open courses, staying
// put, the classic advice), each marked with its part.
function showForecast(advice) {
  const box = document.getElementById('forecast');
  const forecast = advice.forecast;
  box.hidden = !forecast;
  if (!forecast) return;
  const lines = forecast.report.map((text, index) => ({ text, part: forecast.report_parts[index] }))
    .filter(({ part }) => part !== 'blank' && part !== 'heading');
  const advising = (line) => FORECAST_ADVICE_PARTS.includes(line.part);
  const warning = document.getElementById('forecast-warning');
  const recommended = document.getElementById('forecast-recommended');
  warning.hidden = !forecast.none_open;
  warning.replaceChildren();
  recommended.replaceChildren();
  (forecast.none_open ? warning : recommended).replaceChildren(...lines.filter(advising)
    .map(({ text, part }) => {
      const span = document.createElement('span');
      span.className = `forecast-line part-${part}`;
      span.textContent = text;
      return span;
    }));
  document.getElementById('forecast-lines').replaceChildren(...lines
    .filter((line) => !advising(line)).sort((a, b) => partRank(a.part) - partRank(b.part))
    .map(({ text, part }) => {
      const item = document.createElement('li');
      item.className = `part-${part}`;
      item.textContent = text;
      return item;
    }));
}

// The escape plan as the server words it: its first line the heading, then a line each; the
// box marked when the server says no plan keeps clear. With a voyage the plan leads; without
// one, advice [F] does.
function showPlan(advice) {
  const box = document.getElementById('plan');
  const plan = advice.plan;
  box.hidden = !plan;
  if (!plan) return;
  const [heading, ...lines] = plan.report;
  document.getElementById('plan-heading').textContent = heading;
  document.getElementById('plan-lines').replaceChildren(...lines.map((text) => {
    const item = document.createElement('li');
    item.textContent = text;
    return item;
  }));
  box.classList.toggle('danger', plan.judged && !plan.keeps_clear);
  const forecast = document.getElementById('forecast');
  const voyage = plan.judged && plan.voyage !== 'none';
  forecast.parentNode.insertBefore(box, voyage ? forecast : forecast.nextSibling);
}

function show(advice) {
  const verdict = document.getElementById('verdict');
  // Without 34-kt winds and a keep there is no classic verdict: what it needs instead.
  verdict.hidden = !advice.verdict;
  const needs = document.getElementById('classic-needs');
  needs.hidden = !advice.classic_needs;
  const needed = advice.classic_needs;
  needs.textContent = needed ? `Classic advice left out: ${inLabels({ template: needed.template, error: needed.message })}. ` +
    `Enter “${LABELS[needed.input] || needed.input}” to have it.` : '';
  // The verdict as the server gives it: its kind, its dangerous-quarter line and its lines.
  const judged = advice.verdict;
  verdict.dataset.area = judged ? judged.kind : '';
  const quarter = document.getElementById('quarter');
  quarter.hidden = !(judged && judged.quarter_line !== null);
  quarter.textContent = judged && judged.quarter_line !== null ? judged.quarter_line.trim() : '';
  document.getElementById('area').replaceChildren(...(judged ? judged.lines : []).map((line) => {
    const span = document.createElement('span');
    span.className = 'verdict-line';
    span.textContent = line.trim();
    return span;
  }));
  document.getElementById('used').textContent = usedLine(advice);
  const warnings = document.getElementById('warnings');
  warnings.replaceChildren(...(advice.warnings || []).map((text) => {
    const item = document.createElement('li');
    item.textContent = text;
    return item;
  }));
  showAdvisoryAge(advice);
  showAdvisory(advice);
  showForecast(advice);
  showPlan(advice);
  showPicture(advice.svg);
  showPicture(advice.chart, 'chart');
  document.getElementById('pictures').classList.toggle('two', Boolean(advice.chart));
  showReport(advice.report || [], advice.notes || [], advice.verdict);
  shown = true;
}

async function update() {
  const number = ++sent;
  answer.setAttribute('aria-busy', 'true');
  history.replaceState(null, '', `#${stateOf()}`);
  let response;
  let result;
  try {
    response = await fetch('/api/advice', {
      method: 'POST',
      headers: { 'Content-Type': 'application/json' },
      body: JSON.stringify(bodyOf()),
    });
    result = await response.json();
  } catch (failure) {
    if (number !== sent) return;
    answer.removeAttribute('aria-busy');
    answer.classList.toggle('stale', shown);
    setStatus(shown ? 'The advisor cannot be reached: the advice below is STALE.'
      : 'The advisor cannot be reached.', 'error');
    return;
  }
  if (number !== sent) return;
  answer.removeAttribute('aria-busy');
  clearMessages();
  if (response.ok) {
    markedField = null;
    show(result);
    answer.classList.remove('stale');
    setStatus('Advice for the situation entered.', 'current');
    return;
  }
  markInvalid(result.field || '', inLabels(result, response.status));
  answer.classList.toggle('stale', shown);
  setStatus(shown ? 'STALE: the advice below is for the last valid entries. Mend the marked field.'
    : 'No advice yet: mend the marked field.', 'error');
}

function soon() {
  // Busy from the first key to the answer of the last, for assistive technology (and tests).
  answer.setAttribute('aria-busy', 'true');
  clearTimeout(timer);
  timer = setTimeout(update, TYPING_PAUSE_MS);
}

function setNight(on) {
  night = on;
  document.body.classList.toggle('night', on);
  const button = document.getElementById('night');
  button.setAttribute('aria-pressed', String(on));
  button.textContent = on ? 'Day palette' : 'Night palette';
}

// The route file as text, sent with every request in advisory mode until removed.
function readRouteFile(file) {
  if (!file) return;
  clearMessages();
  if (file.size > MAX_ROUTE_BYTES) {
    markInvalid('route', `Route: the file is ${file.size} bytes; at most ${MAX_ROUTE_BYTES} are read`);
    return;
  }
  file.text().then((text) => {
    setRoute({ name: file.name, text });
    soon();
  });
}

function setRoute(chosen) {
  route = chosen;
  document.getElementById('route-name').textContent = chosen ? chosen.name : '';
  document.getElementById('route-clear').hidden = !chosen;
  if (!chosen) document.getElementById('route-file').value = '';
}

// A picture full size in a dialog: the browser keeps the focus inside and closes it on Escape;
// the focus goes back to the picture opened.
const viewer = document.getElementById('viewer');
function openPicture(holder) {
  const svg = holder.querySelector('svg');
  if (!svg) return;
  document.getElementById('viewer-title').textContent = holder.getAttribute('aria-label')
    .replace(/: open full size$/, '');
  document.getElementById('viewer-picture').replaceChildren(svg.cloneNode(true));
  viewer.returnTo = holder;
  viewer.showModal();
  document.getElementById('viewer-close').focus();
}

function readAdvisoryFile(file) {
  if (!file) return;
  if (file.size > MAX_ADVISORY_BYTES) {
    clearMessages();
    markInvalid('advisory', `${LABELS.advisory || 'advisory'}: the file is ${file.size} bytes; at most ${MAX_ADVISORY_BYTES} are read`);
    return;
  }
  file.text().then((text) => {
    form.elements.advisory.value = text;
    soon();
  });
}

form.addEventListener('input', soon);
form.addEventListener('change', (event) => {
  if (event.target.name === 'mode') switchMode();
  soon();
});
form.addEventListener('submit', (event) => {
  event.preventDefault();
  update();
});
document.getElementById('advisory-file').addEventListener('change', (event) => {
  readAdvisoryFile(event.target.files[0]);
});
const advisoryBox = form.elements.advisory;
advisoryBox.addEventListener('dragover', (event) => {
  event.preventDefault();
  advisoryBox.classList.add('dropping');
});
advisoryBox.addEventListener('dragleave', () => advisoryBox.classList.remove('dropping'));
advisoryBox.addEventListener('drop', (event) => {
  event.preventDefault();
  advisoryBox.classList.remove('dropping');
  readAdvisoryFile(event.dataTransfer.files[0]);
});
document.getElementById('night').addEventListener('click', () => {
  setNight(!night);
  update();
});
document.getElementById('print').addEventListener('click', () => window.print());
document.getElementById('route-file').addEventListener('change', (event) => {
  readRouteFile(event.target.files[0]);
});
document.getElementById('route-clear').addEventListener('click', () => {
  setRoute(null);
  soon();
});
for (const holder of document.querySelectorAll('.picture')) {
  holder.addEventListener('click', () => openPicture(holder));
  holder.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' && event.key !== ' ') return;
    event.preventDefault();
    openPicture(holder);
  });
}
document.getElementById('viewer-close').addEventListener('click', () => viewer.close());
// A click on the dark margin around the picture closes it too.
viewer.addEventListener('click', (event) => {
  if (event.target === viewer) viewer.close();
});
viewer.addEventListener('close', () => {
  document.getElementById('viewer-picture').replaceChildren();
  viewer.returnTo?.focus();
});
window.addEventListener('hashchange', () => {
  if (location.hash.slice(1) === stateOf().toString()) return;
  restore(new URLSearchParams(location.hash.slice(1)));
  update();
});

restore(new URLSearchParams(location.hash.slice(1)));
update();
