// The served page in a real browser, used as a navigator would: opened bare, typed into, put
// in a position mode, reloaded from its address. Uses the system Chromium (no download).
//
//   node page_test.mjs PROGRAM GOLDEN_TRANSCRIPT ADVISORY ARTEFACT_DIR
//
// Exits 0 when every check passes, 1 with the failed checks listed, 77 (skipped) when
// puppeteer-core is not installed (run `npm ci` here first).
import { readFileSync, rmSync, mkdirSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { check, failures, launchBrowser, loadPuppeteer, startServer } from './harness.mjs';

const puppeteer = await loadPuppeteer();

const [program, golden, advisoryFile, artefacts] = process.argv.slice(2);
mkdirSync(artefacts, { recursive: true });

// The classic report of the default situation: the lines after "==> Result:" up to the empty
// line before the restart prompt.
function classicReport(transcript) {
  const lines = readFileSync(transcript, 'utf8').split('\n');
  const start = lines.findIndex((line) => line.includes('==> Result:')) + 1;
  const end = lines.findIndex((line, i) => i > start && line.includes('<..hit RETURN'));
  return lines.slice(start, end - 1).join('\n');
}


const { server, url } = await startServer(program);
const { browser, profile } = await launchBrowser(puppeteer);

try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 1000 });
  const problems = [];
  // A 400 is the server's answer to an invalid field, which the page shows; anything else the
  // console reports is a fault of the page.
  page.on('console', (message) => {
    const text = message.text();
    if (message.type() === 'error' && !text.includes('status of 400')) problems.push(text);
  });
  page.on('pageerror', (error) => problems.push(String(error)));

  const reportText = () => page.$eval('#report', (element) => element.textContent.replace(/\n$/, ''));
  const waitForStatus = (kind) => page.waitForSelector(`#status.${kind}`, { timeout: 20000 });

  // Opened bare: the classic defaults and their advice at once.
  await page.goto(url, { waitUntil: 'networkidle0' });
  await waitForStatus('current');
  // The classic lines byte for byte, then what they leave unsaid: 6.4 of 7 kn is 91%.
  const reserveNote = "     little reserve: course 176 needs 6.4 of the ship's 7.0 kn (91%)";
  const defaultReport = `${classicReport(golden)}\n${reserveNote}`;
  check('the default report equals the classic one, then its note',
    (await reportText()) === defaultReport, await reportText());
  check('the note is marked as a note', (await page.$$('#report .line-note')).length === 1);
  check('the defaults are in the form',
    (await page.$eval('[name=distance_nm]', (input) => input.value)) === '1000');
  check('the picture is there', (await page.$$('#picture svg')).length === 1);
  check('the picture shows the open range 153 to 200',
    (await page.$$('#picture svg .admissible[data-first="153"][data-last="200"]')).length === 1);
  check('the dangerous quarter is highlighted',
    await page.$eval('#quarter', (element) => !element.hidden));
  check('the verdict line is marked', (await page.$$('#report .line-verdict')).length === 1);
  await page.screenshot({ path: join(artefacts, 'page-default.png'), fullPage: true });

  // Typing a bad distance: its message from the server, the last advice kept and marked.
  await page.click('[name=distance_nm]', { clickCount: 3 });
  await page.type('[name=distance_nm]', '12x');
  await waitForStatus('error');
  const message = await page.$eval('.message[data-for="distance_nm"]', (element) => element.textContent);
  check('an invalid distance shows the server\'s message in the label\'s words',
    message === 'Distance "12x": not a number', message);
  check('the field is marked invalid',
    (await page.$eval('[name=distance_nm]', (input) => input.getAttribute('aria-invalid'))) === 'true');
  check('the last advice stays, marked stale',
    (await page.$eval('#answer', (element) => element.classList.contains('stale'))) &&
    (await reportText()) === defaultReport);
  await page.screenshot({ path: join(artefacts, 'page-invalid.png'), fullPage: true });

  // Mending it updates the advice as typed, and the address follows.
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  await page.type('[name=distance_nm]', '100');
  await waitForStatus('current');
  check('the message is gone', (await page.$eval('.message[data-for="distance_nm"]',
    (element) => element.textContent)) === '');
  check('the advice follows the typing', (await reportText()) !== classicReport(golden));
  const address = page.url();
  check('the situation is in the address', address.includes('distance_nm=100'), address);

  // A reload of that address shows the same advice.
  const before = await reportText();
  await page.reload({ waitUntil: 'networkidle0' });
  await waitForStatus('current');
  check('a reload shows the same advice', (await reportText()) === before);

  // Southern hemisphere from the select.
  await page.select('[name=hemisphere]', 'south');
  await page.waitForFunction(() => location.hash.includes('hemisphere=south'), { timeout: 5000 });
  await waitForStatus('current');

  // Night palette.
  await page.goto(url, { waitUntil: 'networkidle0' });
  await waitForStatus('current');
  await page.click('#night');
  await page.waitForFunction(() => document.body.classList.contains('night'));
  await waitForStatus('current');
  check('the board is drawn at night too', await page.waitForSelector(
    '#picture svg[data-palette="night"]', { timeout: 5000 }).then(() => true, () => false));
  await page.screenshot({ path: join(artefacts, 'page-night.png'), fullPage: true });
  check('the night palette is in the address', page.url().includes('palette=night'));

  // A message naming two keys names both fields by their labels.
  await page.goto('about:blank');
  await page.goto(`${url}#mode=values&bearing_deg=1&track_deg=1&speed_kn=1&keep_nm=1&ship_speed_kn=1`,
    { waitUntil: 'networkidle0' });
  await waitForStatus('error');
  const twoKeys = await page.$eval('.message[data-for="distance_nm"]', (element) => element.textContent);
  check('a message names fields by their labels', twoKeys.includes('Bearing needs Distance') &&
    !/_deg|_nm/.test(twoKeys), twoKeys);

  // A new hash alone is no new page: leave first, so the status waited for is this page's own.
  await page.goto('about:blank');
  await page.goto(`${url}#mode=values&distance_nm=1&bearing_deg=1&track_deg=1&speed_kn=1&keep_nm=1`,
    { waitUntil: 'networkidle0' });
  await waitForStatus('error');
  const shipSpeed = await page.$eval('.message[data-for="ship_speed_kn"]', (element) => element.textContent);
  check('a key holding another is named whole', shipSpeed.includes('Ship\'s maximum speed') &&
    !shipSpeed.includes('ship_'), shipSpeed);

  // Every request body the page sends, newest last.
  const bodies = [];
  page.on('request', (request) => {
    if (request.url().endsWith('/api/advice')) bodies.push(JSON.parse(request.postData()));
  });
  const lastBody = () => bodies[bodies.length - 1];
  const setField = (name, value) => page.$eval(`[name=${name}]`, (input, text) => {
    input.value = text;
    input.dispatchEvent(new Event('input', { bubbles: true }));
  }, value);
  // An advisory's answer (the forecast swept against land, its chart) can take seconds on a
  // machine shared with other work.
  const settled = async (kind = 'current') => {
    await page.waitForFunction(() => !document.querySelector('#answer').hasAttribute('aria-busy'),
      { timeout: 20000 });
    await page.waitForSelector(`#status.${kind}`, { timeout: 20000 });
  };

  // From the six values to positions: two fixes alone give the motion; the six-value track
  // and speed are not sent with them.
  await page.goto(url, { waitUntil: 'networkidle0' });
  await waitForStatus('current');
  await page.click('input[name=mode][value=positions]');
  check('positions start without the six-value track and speed',
    (await page.$eval('[name=track_deg]', (input) => input.value)) === '' &&
    (await page.$eval('[name=speed_kn]', (input) => input.value)) === '');
  await setField('ship', '15S,150E');
  await setField('fix1', '2023-02-01T00:00Z,13S,153E');
  await setField('fix2', '2023-02-01T06:00Z,13.5S,152.4E');
  await settled();
  check('two fixes and a ship give advice (southern hemisphere)',
    (await page.$eval('#used', (element) => element.textContent)).includes('south hemisphere'),
    await page.$eval('#status', (element) => element.textContent));
  check('the positions request carries the ship speed and keep of the six values',
    lastBody().ship_speed_kn === '7' && lastBody().keep_nm === '150' && !('track_deg' in lastBody()),
    JSON.stringify(lastBody()));
  for (const [width, height] of [[390, 844], [1280, 900]]) {
    await page.setViewport({ width, height });
    const sideways = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
    check(`positions at ${width} px: no sideways scrolling`, sideways <= 0, `${sideways} px too wide`);
    await page.screenshot({ path: join(artefacts, `page-south-${width}.png`) });
  }
  await page.setViewport({ width: 1280, height: 1000 });
  // Back to the six values: their own entries again.
  await page.click('input[name=mode][value=values]');
  await settled();
  check('the six values come back as they were',
    (await page.$eval('[name=track_deg]', (input) => input.value)) === '91' &&
    lastBody().distance_nm === '1000' && !('ship' in lastBody()), JSON.stringify(lastBody()));

  // Advisory mode: no keep unless the navigator types one, and what was read shown.
  await page.click('input[name=mode][value=advisory]');
  await setField('advisory', readFileSync(advisoryFile, 'utf8'));
  await setField('ship', '27N,70W');
  await settled();
  check('the advisory request carries no keep', !('keep_nm' in lastBody()) &&
    !('track_deg' in lastBody()) && !('distance_nm' in lastBody()), JSON.stringify(lastBody()));
  const facts = () => page.$eval('#advisory-read', (element) => element.hidden ? '' : element.textContent);
  const read = await facts();
  check('the page shows the advisory as read', ['HURRICANE LEE (AL132023), advisory 30',
    '24.7N 66.4W at 12/2100Z', '315° at 6 kn',
    '230 nm from the advisory: 210 nm 34-kt radius (NE) + 20 nm position accuracy = 230 nm']
    .every((part) => read.includes(part)), read);
  // Stale advisories: the age and the next advisory beside the advice; STALE first among the
  // warnings past 12 h; past 48 h the server's refusal.
  const ageLine = () => page.$eval('#advisory-age', (element) => element.hidden ? '' : element.textContent);
  check('the advisory\'s age and next time beside the advice',
    (await ageLine()) === 'Advisory 0.0 h old at the advice time; next due 13/0300Z (2023-09-13)',
    await ageLine());
  await setField('at', '13/1200Z');
  await settled();
  const firstWarning = await page.$eval('#warnings', (list) => list.firstElementChild?.textContent || '');
  check('a stale advisory is said first and marked', firstWarning.startsWith('STALE') &&
    (await ageLine()).startsWith('Advisory 15.0 h old at the advice time (STALE)'),
    `${firstWarning} | ${await ageLine()}`);
  await setField('at', 'now');
  await settled('error');
  const refusal = await page.$eval('#answer', (element) => element.textContent);
  check('an advisory two years old is refused', /h old at the advice time.*latest advisory/s
    .test(await page.evaluate(() => document.body.textContent)), refusal.slice(0, 300));
  await setField('at', '');
  await settled();

  // Advice [F] beside the classic advice: the API's lines, none worded by the page.
  const answerNow = async () => (await fetch(new URL('/api/advice', url), {
    method: 'POST', headers: { 'Content-Type': 'application/json' },
    body: JSON.stringify(lastBody()),
  })).json();
  const leeAnswer = await answerNow();
  const lee = leeAnswer.forecast;
  const forecastText = () => page.$eval('#forecast', (element) => element.hidden ? '' : element.innerText);
  const shownLines = await page.$$eval('#forecast .forecast-line, #forecast li',
    (elements) => elements.map((element) => element.textContent));
  const spoken = lee.report.filter((line, index) => !['blank', 'heading'].includes(lee.report_parts[index]));
  check('the page shows the [F] lines of the API, each once and as written',
    spoken.length > 3 && [...shownLines].sort().join('\n') === [...spoken].sort().join('\n'),
    `${JSON.stringify(shownLines)} | ${JSON.stringify(spoken)}`);
  const boxed = await page.$$eval('#forecast .forecast-line', (elements) => elements.map((element) => element.textContent));
  check('the recommendation is in the box above the other lines',
    boxed.includes(lee.report[lee.report_parts.indexOf('recommendation')]), JSON.stringify(boxed));
  check('no course open: the warning is shown', lee.none_open ===
    !(await page.$eval('#forecast-warning', (element) => element.hidden)));
  const verdictShown = await page.$eval('#area', (element) => element.innerText);
  check('the verdict is the API\'s verdict lines', leeAnswer.verdict.lines.every((line) =>
    verdictShown.includes(line.trim())), `${verdictShown} | ${JSON.stringify(leeAnswer.verdict)}`);

  // A low without 34-kt winds and no keep: [F] alone, and what the classic advice needs.
  const low = readFileSync(join(dirname(advisoryFile), 'tcm-cp012024-42-no34kt.txt'), 'utf8');
  await setField('advisory', low);
  await setField('ship', '25N,178E');
  await settled();
  const needs = await page.$eval('#classic-needs', (element) => element.hidden ? '' : element.textContent);
  check('without 34-kt winds the page says the classic advice needs a keep',
    needs.includes('no 34-kt wind radius') && !needs.includes('keep_nm'), needs);
  check('without 34-kt winds no verdict and no board, but [F]',
    (await page.$eval('#verdict', (element) => element.hidden)) &&
    (await page.$$('#picture svg')).length === 0 && (await forecastText()).includes('CP012024'),
    await forecastText());
  await page.setViewport({ width: 390, height: 844 });
  const lowOverflow = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
  check('[F] alone at 390 px: no sideways scrolling', lowOverflow <= 0, `${lowOverflow} px too wide`);
  await page.screenshot({ path: join(artefacts, 'page-low-390.png'), fullPage: true });
  await page.setViewport({ width: 1280, height: 1000 });
  await setField('advisory', readFileSync(advisoryFile, 'utf8'));
  await setField('ship', '27N,70W');
  await settled();

  await setField('keep_nm', '150');
  await settled();
  check('a typed keep is sent and set beside the advisory\'s', lastBody().keep_nm === '150' &&
    (await facts()).includes('150 nm given, the advisory\'s is 210 nm 34-kt radius (NE) + ' +
      '20 nm position accuracy = 230 nm'), await facts());
  // A season's track file (50 storms, over a MiB) is answered, and kept out of the address.
  const storm = readFileSync(join(dirname(advisoryFile), 'bal132023-at-adv30.dat'), 'utf8');
  const season = Array.from({ length: 50 }, (_, i) => storm.replace(/^AL, 13,/gm, `AL, ${10 + i},`))
    .join('');
  await setField('advisory', season);
  await setField('storm_id', 'AL132023');
  await settled();
  check('a season\'s track file is answered', (await facts()).includes('(AL132023), track file') &&
    !page.url().includes('advisory='), `${await facts()} ${page.url().length}`);
  await setField('storm_id', '');
  await setField('advisory', readFileSync(advisoryFile, 'utf8'));
  await setField('keep_nm', '');
  await settled();

  // A voyage: the plan leads the answer at each of the three screens, its lines the API's; the
  // voyage fields' errors beside their fields and in view; the pictures open full size.
  await page.setViewport({ width: 1280, height: 1000 });
  await setField('ship', '20.5N,69.0W');
  await setField('ship_speed_kn', '14');
  await setField('to', '25.5N,77.5W');
  await settled();
  const voyageAnswer = await answerNow();
  check('a destination is sent and planned for', lastBody().to === '25.5N,77.5W' &&
    voyageAnswer.plan?.voyage === 'destination', JSON.stringify(voyageAnswer.plan));
  const planLines = () => page.$$eval('#plan h2, #plan li', (elements) => elements.map((element) =>
    element.textContent));
  check('the plan box holds the API\'s plan lines as written',
    (await planLines()).join('\n') === voyageAnswer.plan.report.join('\n'),
    JSON.stringify(await planLines()));
  check('with a voyage the plan comes before [F]', await page.evaluate(() =>
    Boolean(document.querySelector('#plan').compareDocumentPosition(document.querySelector('#forecast')) &
      Node.DOCUMENT_POSITION_FOLLOWING)));
  // A fresh page at each size (a change to a touch screen reloads the page).
  const openAt = async (width, height, address) => {
    await page.goto('about:blank');
    await page.setViewport({ width, height, isMobile: width < 1000, hasTouch: width < 1000 });
    await page.goto(address, { waitUntil: 'networkidle0' });
    await settled();
  };
  const voyageAddress = page.url();
  // The phone last: the checks after the loop are made on it.
  for (const [width, height, name] of [[820, 1180, 'tablet'], [1280, 800, 'desktop'],
    [390, 844, 'phone']]) {
    await openAt(width, height, voyageAddress);
    const plan = await page.evaluate(() => {
      const box = document.querySelector('#plan');
      const firstLine = box.querySelector('li');
      return { hidden: box.hidden, top: box.getBoundingClientRect().top,
        lineBottom: firstLine ? firstLine.getBoundingClientRect().bottom : Infinity,
        overflow: document.documentElement.scrollWidth - innerWidth };
    });
    check(`${name}: the plan's heading and first line on the first screen`, !plan.hidden &&
      plan.top >= 0 && plan.lineBottom <= height, JSON.stringify(plan));
    check(`${name}: the plan without sideways scrolling`, plan.overflow <= 0, JSON.stringify(plan));
    await page.screenshot({ path: join(artefacts, `page-plan-${name}.png`) });
  }

  // On the phone, where the form lies under the answer: a wrong destination's message beside
  // the destination and brought into view.
  await setField('to', '95N,77.5W');
  await settled('error');
  const destination = await page.$eval('.message[data-for="to"]', (element) => {
    const { top, bottom } = element.getBoundingClientRect();
    return { text: element.textContent, seen: top >= 0 && bottom <= innerHeight };
  });
  check('a wrong destination is said beside it, in view', destination.text.startsWith('Destination') &&
    destination.seen, JSON.stringify(destination));
  await setField('to', '');
  await settled();
  // A voyage course typed as text is taken as the course.
  await setField('course_deg', '285');
  await settled();
  check('a typed voyage course steers the plan', lastBody().course_deg === '285' &&
    (await answerNow()).plan?.voyage === 'course', JSON.stringify(lastBody()));
  await setField('course_deg', '');
  // A route file is read in the browser and sent as text; one that cannot be read is said
  // beside the route's button.
  const routeInput = await page.$('#route-file');
  const badRoute = join(artefacts, 'not-a-route.gpx');
  writeFileSync(badRoute, '<gpx>');
  await routeInput.uploadFile(badRoute);
  await settled('error');
  const routeMessage = await page.$eval('.message[data-for="route"]', (element) => {
    const { top, bottom } = element.getBoundingClientRect();
    return { text: element.textContent, seen: top >= 0 && bottom <= innerHeight };
  });
  check('an unreadable route is said beside the route, in view', routeMessage.text.length > 0 &&
    routeMessage.seen, JSON.stringify(routeMessage));
  const goodRoute = join(dirname(advisoryFile), '../../route/data/miami_nassau_rte.gpx');
  await setField('ship', '25.5N,79.5W');
  await routeInput.uploadFile(goodRoute);
  await settled();
  check('a route file is sent as its text and steers the plan',
    lastBody().route === readFileSync(goodRoute, 'utf8') &&
    (await answerNow()).plan?.voyage === 'route' && !page.url().includes('route='),
    JSON.stringify({ ...lastBody(), advisory: undefined, route: lastBody().route?.length }));
  await page.click('#route-clear');
  await settled();
  check('a removed route is no longer sent', !('route' in lastBody()));

  // A tap on the board opens it across the screen; Escape closes it and the focus comes back.
  const thumbnail = await page.$eval('#picture svg', (svg) => svg.getBoundingClientRect().width);
  await page.tap('#picture');
  const opened = await page.evaluate(() => ({
    open: document.querySelector('#viewer').open,
    width: document.querySelector('#viewer svg')?.getBoundingClientRect().width ?? 0,
  }));
  check('a tap opens the board larger than its thumbnail', opened.open &&
    opened.width > 2 * thumbnail, JSON.stringify({ thumbnail, ...opened }));
  await page.screenshot({ path: join(artefacts, 'page-board-full-phone.png') });
  await page.keyboard.press('Escape');
  check('Escape closes it, the focus back on the board', await page.evaluate(() =>
    !document.querySelector('#viewer').open && document.activeElement?.id === 'picture'));
  // By keyboard on the desktop: Enter on the chart fills the screen with it.
  await openAt(1280, 800, page.url());
  await page.focus('#chart');
  await page.keyboard.press('Enter');
  const chartOpened = await page.evaluate(() => {
    const box = document.querySelector('#viewer svg')?.getBoundingClientRect();
    return { open: document.querySelector('#viewer').open, width: box?.width ?? 0,
      height: box?.height ?? 0 };
  });
  check('Enter opens the chart across the screen', chartOpened.open &&
    (chartOpened.width >= 1200 || chartOpened.height >= 700), JSON.stringify(chartOpened));
  await page.screenshot({ path: join(artefacts, 'page-chart-full-desktop.png') });
  await page.click('#viewer-close');
  check('the close button closes it', !(await page.$eval('#viewer', (dialog) => dialog.open)));
  await page.setViewport({ width: 1280, height: 1000 });
  await setField('ship', '27N,70W');
  await setField('ship_speed_kn', '7');
  await settled();

  // The three screens, with a chart beside the board as the server gives it for an advisory
  // (stubbed here when the answer has none).
  await page.setRequestInterception(true);
  page.on('request', async (request) => {
    if (!request.url().endsWith('/api/advice')) return request.continue();
    const response = await fetch(request.url(), {
      method: 'POST', headers: { 'Content-Type': 'application/json' }, body: request.postData(),
    });
    const result = await response.json();
    if (response.ok && result.advisory && !result.chart) {
      result.chart = '<svg xmlns="http://www.w3.org/2000/svg" class="stub-chart" ' +
        'viewBox="0 0 400 300"><rect width="400" height="300" fill="#cde"/></svg>';
    }
    return request.respond({ status: response.status, contentType: 'application/json',
      body: JSON.stringify(result) });
  });
  const advisoryAddress = page.url();
  for (const [width, height, name] of [[390, 844, 'phone'], [800, 1200, 'tablet'],
    [1280, 900, 'desktop']]) {
    await page.setViewport({ width, height, isMobile: width < 1000, hasTouch: width < 1000 });
    await page.goto('about:blank');
    await page.goto(advisoryAddress, { waitUntil: 'networkidle0' });
    await waitForStatus('current');
    const layout = await page.evaluate(() => {
      const box = (selector) => {
        const { top, bottom, left, right, width } = document.querySelector(selector)
          .getBoundingClientRect();
        return { top, bottom, left, right, width };
      };
      return {
        overflow: document.documentElement.scrollWidth - innerWidth,
        verdictBottom: box('#verdict').bottom,
        forecastTop: box('#forecast').top,
        boardBottom: box('#picture svg').bottom,
        board: box('#picture svg'),
        chart: box('#chart svg'),
        answerTop: box('#answer').top,
        formTop: box('#situation').top,
      };
    });
    check(`${name}: no sideways scrolling`, layout.overflow <= 0, `${layout.overflow} px too wide`);
    check(`${name}: the chart is shown`, layout.chart.width > 100);
    if (width < 1000) {
      check(`${name}: the advice above the form`, layout.answerTop < layout.formTop);
    } else {
      check(`${name}: the chart beside the board`, Math.abs(layout.chart.top - layout.board.top) < 2 &&
        layout.chart.left >= layout.board.right);
    }
    // The plan and [F] lead the answer now; the board follows them, below the first screen.
    if (name === 'tablet') {
      check('tablet: [F] and the verdict without scrolling', layout.forecastTop >= 0 &&
        layout.forecastTop < layout.verdictBottom && layout.verdictBottom <= height,
      JSON.stringify(layout));
    }
    await page.screenshot({ path: join(artefacts, `page-${name}.png`) });
    await page.screenshot({ path: join(artefacts, `page-${name}-full.png`), fullPage: true });
  }

  check('no script or policy errors on the page', problems.length === 0, problems.join(' | '));
} finally {
  await browser.close();
  server.kill('SIGTERM');
  rmSync(profile, { recursive: true, force: true });
}

console.log(`${failures.length === 0 ? 'all checks passed' : `${failures.length} checks failed`}`);
process.exit(failures.length === 0 ? 0 : 1);
