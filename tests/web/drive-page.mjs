// Plays a packed book's page in headless Chromium and reports what it did, for the web player's
// tests and benchmarks. Speaks the DevTools protocol over Chromium's pipe, so it needs nothing
// but node.
//
//   node drive-page.mjs [--script FILE [--times]] [--shots DIR] [--profile DIR]
//                       [--read-file PATH] [--timeout S] PAGE
//
// PAGE is the index.html rozeva-web wrote. With --script the page plays that rozeva-headless
// script (shots land in DIR as NAME.png) and the run ends with the program; without it the run
// ends at the first frame; with --times the shots report when they were taken instead of the
// canvas (milliseconds of the page's clock). --profile keeps the browser's storage in DIR across runs (a reload);
// --read-file reports the book's file PATH as the program left it, in base64. Prints one JSON
// line: the exit code, the message boxes, the first frame's time, the loudest sample played,
// script problems, why the page cannot play the book, page errors and the file.
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

function parseArguments(words) {
  const options = { script: null, shots: null, times: false, profile: null, readFile: null, timeout: 60, page: null };
  for (let i = 0; i < words.length; ++i) {
    const word = words[i];
    if (word === '--script') options.script = words[++i];
    else if (word === '--shots') options.shots = words[++i];
    else if (word === '--times') options.times = true;
    else if (word === '--profile') options.profile = words[++i];
    else if (word === '--read-file') options.readFile = words[++i];
    else if (word === '--timeout') options.timeout = Number(words[++i]);
    else if (options.page === null) options.page = word;
    else throw new Error(`unexpected argument ${word}`);
  }
  if (options.page === null) throw new Error('usage: drive-page.mjs [--script FILE] [--shots DIR] [--profile DIR] [--read-file PATH] [--timeout S] PAGE');
  return options;
}

class Browser {
  constructor(profile) {
    this.keepProfile = profile !== null;
    this.profile = profile !== null ? profile : mkdtempSync(join(tmpdir(), 'rozeva-chromium-'));
    this.process = spawn(process.env.CHROMIUM || '/usr/bin/chromium', [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--autoplay-policy=no-user-gesture-required', '--window-size=1280,900',
      `--user-data-dir=${this.profile}`, '--remote-debugging-pipe', 'about:blank',
    ], { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
    this.stderr = '';
    this.process.stderr.on('data', (chunk) => { this.stderr += chunk; });
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = [];
    let buffered = '';
    this.process.stdio[4].on('data', (chunk) => {
      buffered += chunk.toString('utf8');
      let end;
      while ((end = buffered.indexOf('\0')) >= 0) {
        this.receive(JSON.parse(buffered.slice(0, end)));
        buffered = buffered.slice(end + 1);
      }
    });
    this.exited = new Promise((done) => this.process.on('exit', done));
  }

  receive(message) {
    if (message.id !== undefined && this.pending.has(message.id)) {
      const { resolve: done, reject } = this.pending.get(message.id);
      this.pending.delete(message.id);
      if (message.error) reject(new Error(`${message.error.message} ${message.error.data || ''}`));
      else done(message.result);
      return;
    }
    for (const listener of this.listeners) listener(message);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    this.process.stdio[3].write(JSON.stringify(message) + '\0');
    return new Promise((done, reject) => this.pending.set(id, { resolve: done, reject }));
  }

  async close() {
    this.send('Browser.close').catch(() => {});
    const timer = setTimeout(() => this.process.kill('SIGKILL'), 5000);
    await this.exited;
    clearTimeout(timer);
    if (!this.keepProfile) rmSync(this.profile, { recursive: true, force: true });
  }
}

const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

async function main() {
  const options = parseArguments(process.argv.slice(2));
  const browser = new Browser(options.profile);
  const report = { exitCode: null, messages: [], firstFrameMs: null, loudestSample: 0, scriptProblems: null, problem: null,
                   pageErrors: [], shots: [], timedOut: false, file: null };
  try {
    const { targetId } = await browser.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await browser.send('Target.attachToTarget', { targetId, flatten: true });
    const page = (method, params) => browser.send(method, params, sessionId);
    browser.listeners.push((message) => {
      if (message.sessionId !== sessionId) return;
      if (message.method === 'Runtime.exceptionThrown') {
        const details = message.params.exceptionDetails;
        report.pageErrors.push((details.exception && details.exception.description) || details.text);
      }
    });
    await page('Runtime.enable');
    await page('Page.enable');
    let url = pathToFileURL(resolve(options.page)).href;
    if (options.script !== null)
      url += (options.times ? '#times=' : '#script=') + encodeURIComponent(readFileSync(options.script, 'utf8'));
    await page('Page.navigate', { url });

    const evaluate = async (expression) =>
      (await page('Runtime.evaluate', { expression, returnByValue: true })).result.value;
    const deadline = Date.now() + options.timeout * 1000;
    const finished = options.script !== null
      ? 'typeof RozevaPage !== "undefined" && ((RozevaPage.exitCode !== null && RozevaPage.savesUnderway === 0) || !!RozevaPage.scriptProblems || !!RozevaPage.problem)'
      : 'typeof RozevaPage !== "undefined" && (RozevaPage.firstFrameMs !== null || !!RozevaPage.problem)';
    while (!(await evaluate(finished))) {
      if (report.pageErrors.length > 0) break;
      if (Date.now() > deadline) { report.timedOut = true; break; }
      await sleep(50);
    }
    const state = await evaluate(`typeof RozevaPage === "undefined" ? null : JSON.stringify({
        exitCode: RozevaPage.exitCode, messages: RozevaPage.messages, firstFrameMs: RozevaPage.firstFrameMs,
        loudestSample: RozevaPage.loudestSample, scriptProblems: RozevaPage.scriptProblems || null,
        problem: RozevaPage.problem,
        shots: RozevaPage.shots.length })`);
    if (options.readFile !== null) {
      report.file = await evaluate(`(function() {
          try { var b = FS.readFile('/book/' + ${JSON.stringify(options.readFile)}); } catch (e) { return null; }
          var s = ''; for (var i = 0; i < b.length; ++i) s += String.fromCharCode(b[i]); return btoa(s); })()`);
    }
    if (state !== null) {
      const parsed = JSON.parse(state);
      Object.assign(report, parsed, { shots: [] });
      for (let i = 0; i < parsed.shots; ++i) {
        const shot = await evaluate(`RozevaPage.shots[${i}]`);
        report.shots.push(options.times ? shot : shot.name);
        if (options.times) continue;
        if (options.shots) writeFileSync(join(options.shots, shot.name + '.png'), Buffer.from(shot.png.split(',')[1], 'base64'));
      }
    }
  } finally {
    await browser.close();
  }
  process.stdout.write(JSON.stringify(report) + '\n');
}

main().catch((error) => {
  process.stderr.write(`drive-page: ${error.stack || error}\n`);
  process.exit(1);
});
