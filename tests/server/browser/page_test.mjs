// The served page in a real browser, used as a navigator would: opened bare, typed into, put
// in a position mode, reloaded from its address. Uses the system Chromium (no download).
//
//   node page_test.mjs PROGRAM GOLDEN_TRANSCRIPT ARTEFACT_DIR
//
// Exits 0 when every check passes, 1 with the failed checks listed, 77 (skipped) when
// puppeteer-core is not installed (run `npm ci` here first).
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, mkdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createInterface } from 'node:readline';

let puppeteer;
try {
  puppeteer = (await import('puppeteer-core')).default;
} catch {
  console.log('puppeteer-core is not installed: run npm ci in tests/server/browser');
  process.exit(77);
}

const [program, golden, artefacts] = process.argv.slice(2);
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';
mkdirSync(artefacts, { recursive: true });

// The classic report of the default situation: the lines after "==> Result:" up to the empty
// line before the restart prompt.
function classicReport(transcript) {
  const lines = readFileSync(transcript, 'utf8').split('\n');
  const start = lines.findIndex((line) => line.includes('==> Result:')) + 1;
  const end = lines.findIndex((line, i) => i > start && line.includes('<..hit RETURN'));
  return lines.slice(start, end - 1).join('\n');
}

function startServer() {
  const server = spawn(program, ['serve', '--listen', '127.0.0.1:0'],
    { stdio: ['ignore', 'pipe', 'inherit'] });
  return new Promise((resolve, reject) => {
    const lines = createInterface({ input: server.stdout });
    lines.once('line', (line) => {
      const match = /^listening on (http:\/\/\S+)$/.exec(line);
      if (match) resolve({ server, url: match[1] });
      else reject(new Error(`unexpected first line: ${line}`));
    });
    server.once('exit', (code) => reject(new Error(`server ended with ${code}`)));
  });
}

const failures = [];
function check(what, ok, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}${ok || !detail ? '' : `: ${detail}`}`);
  if (!ok) failures.push(what);
}

const { server, url } = await startServer();
const profile = mkdtempSync(join(tmpdir(), 'hurricane-chromium-'));
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

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
  const waitForStatus = (kind) => page.waitForSelector(`#status.${kind}`, { timeout: 5000 });

  // Opened bare: the classic defaults and their advice at once.
  await page.goto(url, { waitUntil: 'networkidle0' });
  await waitForStatus('current');
  check('the default report equals the classic one', (await reportText()) === classicReport(golden),
    await reportText());
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
  check('an invalid distance shows the server\'s message', message === 'distance_nm "12x": not a number', message);
  check('the field is marked invalid',
    (await page.$eval('[name=distance_nm]', (input) => input.getAttribute('aria-invalid'))) === 'true');
  check('the last advice stays, marked stale',
    (await page.$eval('#answer', (element) => element.classList.contains('stale'))) &&
    (await reportText()) === classicReport(golden));
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
  await page.screenshot({ path: join(artefacts, 'page-night.png'), fullPage: true });
  check('the night palette is in the address', page.url().includes('palette=night'));

  // A tablet in portrait: the form above the answer, nothing wider than the screen.
  await page.setViewport({ width: 768, height: 1024, isMobile: true, hasTouch: true });
  await page.goto(url, { waitUntil: 'networkidle0' });
  await waitForStatus('current');
  const overflow = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
  check('a tablet needs no sideways scrolling', overflow <= 0, `${overflow} px too wide`);
  await page.screenshot({ path: join(artefacts, 'page-tablet.png'), fullPage: true });

  check('no script or policy errors on the page', problems.length === 0, problems.join(' | '));
} finally {
  await browser.close();
  server.kill('SIGTERM');
  rmSync(profile, { recursive: true, force: true });
}

console.log(`${failures.length === 0 ? 'all checks passed' : `${failures.length} checks failed`}`);
process.exit(failures.length === 0 ? 0 : 1);
