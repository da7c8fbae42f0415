// What the page's browser tests share: puppeteer-core (or the skip status 77 without it), the
// served program started on a free port, the checks and their tally, and the system Chromium.
import { spawn } from 'node:child_process';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createInterface } from 'node:readline';

export async function loadPuppeteer() {
  try {
    return (await import('puppeteer-core')).default;
  } catch {
    console.log('puppeteer-core is not installed: run npm ci in tests/server/browser');
    process.exit(77);
  }
}

// `program serve --listen 127.0.0.1:0 ...extra`, resolved with the server and its address once
// it names it on its first line.
export function startServer(program, extra = []) {
  const server = spawn(program, ['serve', '--listen', '127.0.0.1:0', ...extra],
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

export const failures = [];
export function check(what, ok, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}${ok || !detail ? '' : `: ${detail}`}`);
  if (!ok) failures.push(what);
}

// The system Chromium, headless, with a profile of its own and nothing fetched in the
// background.
export async function launchBrowser(puppeteer, extraArgs = []) {
  const profile = mkdtempSync(join(tmpdir(), 'hurricane-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      ...extraArgs],
  });
  return { browser, profile };
}
