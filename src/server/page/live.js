// The watch's live view, when the server stands one (serve --watch-dir): the state from
// GET /api/live, then each new one from the stream at /api/live/events, and the alarms
// acknowledged through POST /api/live/ack. As with the form, every value is the server's; the
// page only lays it out. An active alarm not yet acknowledged shows in the banner and beeps.
'use strict';

(() => {
  const live = document.getElementById('live');
  const banner = document.getElementById('live-banner');
  const liveStatus = document.getElementById('live-status');
  const BEEP_EVERY_MS = 1500;
  let beeper = 0;
  let audio = null;
  let latest = null;
  const asked = new Set();  // alarms whose acknowledgement is on its way

  function item(text, className) {
    const li = document.createElement('li');
    li.textContent = text;
    if (className) li.className = className;
    return li;
  }

  // A position as the plan's lines write it, degrees and minutes to 0.1': 24°42.0'N 066°24.0'W.
  function position(lat, lon) {
    const part = (value, width, positive, negative) => {
      const tenths = Math.round(Math.abs(value) * 600);
      const degrees = String(Math.floor(tenths / 600)).padStart(width, '0');
      const minutes = ((tenths % 600) / 10).toFixed(1).padStart(4, '0');
      return `${degrees}°${minutes}'${value < 0 ? negative : positive}`;
    };
    return `${part(lat, 2, 'N', 'S')} ${part(lon, 3, 'E', 'W')}`;
  }

  // An ISO time as the advisories write it: 12/2100Z, with the date for a second look.
  function time(iso) {
    const match = /^(\d{4})-(\d{2})-(\d{2})T(\d{2}):(\d{2})/.exec(iso || '');
    return match ? `${match[3]}/${match[4]}${match[5]}Z (${match[1]}-${match[2]}-${match[3]})` : '–';
  }

  function number(value, digits, unit) {
    return typeof value === 'number' ? `${value.toFixed(digits)}${unit}` : '–';
  }

  function alarmKey(alarm) {
    return `${alarm.kind}\n${alarm.subject}`;
  }

  function showShip(state) {
    const ship = document.getElementById('live-ship');
    ship.classList.toggle('lost', Boolean(state.position_lost));
    if (state.position_lost) {
      ship.textContent = `Position lost: ${state.position_lost}`;
      return;
    }
    const s = state.own_ship;
    ship.textContent = s
      ? `Own ship ${position(s.lat, s.lon)}, COG ${number(s.cog_deg, 0, '°')}, ` +
        `SOG ${number(s.sog_kn, 1, ' kn')}, at ${time(s.time)}, from ${s.source}`
      : 'Own ship: no fix yet';
  }

  function showStorms(state) {
    document.getElementById('live-storms').replaceChildren(...state.storms.map((storm) => {
      const name = [storm.name, storm.id].filter(Boolean).join(' ');
      const advisory = storm.advisory !== undefined ? `advisory ${storm.advisory}` : 'track';
      const next = storm.next_advisory
        ? `; next due ${time(storm.next_advisory)}${storm.overdue ? ' – OVERDUE' : ''}` : '';
      const li = item(`${name}, ${advisory} (${storm.file}): ${number(storm.age_h, 1, ' h')} ` +
        `old${next}${storm.advised ? '' : '; left out of the advice'}`,
      storm.overdue ? 'overdue' : (storm.advised ? '' : 'left-out'));
      li.dataset.file = storm.file;
      return li;
    }));
    document.getElementById('live-unread').replaceChildren(...state.files_unread.map((fault) => {
      const li = item(`Cannot read ${fault.file}: ${fault.problem}`, 'unread');
      li.dataset.file = fault.file;
      return li;
    }));
  }

  function showPlan(state) {
    const [heading, ...lines] = state.report;
    document.getElementById('live-plan-heading').textContent =
      heading || (state.no_answer ? `No answer: ${state.no_answer}` : 'No plan');
    document.getElementById('live-plan').replaceChildren(...lines.map((line) => item(line)));
    document.getElementById('live-time').textContent =
      state.advice_time ? `Advice for ${time(state.advice_time)}` : 'No advice yet';
  }

  async function acknowledge(alarm, button) {
    asked.add(alarmKey(alarm));
    button.disabled = true;
    try {
      const response = await fetch('/api/live/ack', {
        method: 'POST',
        headers: { 'Content-Type': 'application/json' },
        body: JSON.stringify({ kind: alarm.kind, subject: alarm.subject }),
      });
      if (!response.ok) throw new Error((await response.json()).error);
    } catch (failure) {
      asked.delete(alarmKey(alarm));
      button.disabled = false;
      liveStatus.textContent = `Not acknowledged: ${failure.message}`;
    }
  }

  function showAlarms(state) {
    const list = document.getElementById('live-alarms');
    list.replaceChildren(...state.alarms.map((alarm) => {
      const li = document.createElement('li');
      li.className = `alarm ${alarm.state}`;
      li.dataset.kind = alarm.kind;
      li.dataset.subject = alarm.subject;
      const text = document.createElement('span');
      text.textContent = `${alarm.kind}${alarm.subject ? ` (${alarm.subject})` : ''}: ` +
        `${alarm.reason}, since ${time(alarm.since)}` +
        (alarm.state === 'acknowledged' ? ', acknowledged' : '');
      li.append(text);
      if (alarm.state === 'active') {
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = 'Acknowledge';
        button.disabled = asked.has(alarmKey(alarm));
        button.addEventListener('click', () => acknowledge(alarm, button));
        li.append(button);
      } else {
        asked.delete(alarmKey(alarm));
      }
      return li;
    }));
    if (state.alarms.length === 0) list.append(item('No alarms', 'quiet'));
    const active = state.alarms.filter((alarm) => alarm.state === 'active');
    banner.hidden = active.length === 0;
    banner.textContent = active.length === 1
      ? `ALARM ${active[0].kind}${active[0].subject ? ` (${active[0].subject})` : ''}: ${active[0].reason}`
      : `${active.length} ALARMS: ${active.map((alarm) => alarm.kind).join(', ')}`;
    beep(active.length > 0);
  }

  // A short tone, again every BEEP_EVERY_MS while an alarm waits to be acknowledged. The
  // browser lets sound start only after the navigator has touched the page once.
  function tone() {
    if (!audio) return;
    if (audio.state === 'suspended') audio.resume();
    const oscillator = audio.createOscillator();
    const gain = audio.createGain();
    oscillator.frequency.value = 880;
    gain.gain.value = 0.2;
    oscillator.connect(gain).connect(audio.destination);
    oscillator.start();
    oscillator.stop(audio.currentTime + 0.25);
  }

  function beep(on) {
    document.body.dataset.beeping = on ? 'yes' : 'no';
    if (on && !beeper) {
      tone();
      beeper = setInterval(tone, BEEP_EVERY_MS);
    } else if (!on && beeper) {
      clearInterval(beeper);
      beeper = 0;
    }
  }

  function wakeAudio() {
    if (!audio && window.AudioContext) audio = new AudioContext();
    if (audio?.state === 'suspended') audio.resume();
  }

  function show(state) {
    latest = state;
    live.hidden = false;
    showShip(state);
    showStorms(state);
    showPlan(state);
    showAlarms(state);
    liveStatus.textContent = `Updated ${time(state.updated)}`;
  }

  function listen() {
    const stream = new EventSource('/api/live/events');
    stream.addEventListener('live', (event) => show(JSON.parse(event.data)));
    stream.addEventListener('open', () => {
      if (latest) liveStatus.textContent = `Updated ${time(latest.updated)}`;
    });
    // The browser reconnects by itself; the navigator is told meanwhile.
    stream.addEventListener('error', () => {
      liveStatus.textContent = 'Connection to the watch lost: reconnecting…';
    });
  }

  async function start() {
    let response;
    try {
      const health = await (await fetch('/api/health')).json();
      if (!health.watch) return;  // this server stands no watch
      response = await fetch('/api/live');
    } catch {
      return;
    }
    live.hidden = false;
    if (response.ok) show(await response.json());
    else liveStatus.textContent = 'The watch has not answered yet';
    listen();
  }

  for (const kind of ['pointerdown', 'keydown']) {
    document.addEventListener(kind, wakeAudio, { passive: true });
  }
  start();
})();
