'use strict';
// One UCI engine process: start, line-oriented I/O with timeouts, and a ring of recent I/O for logs.

const { spawn } = require('node:child_process');
const { performance } = require('node:perf_hooks');

// Grace period between the 'exit' event and giving up on the 'close' event (stdio still draining).
const EXIT_SETTLE_MS = 300;

class UciEngine {
  // definition: { label, cmd, args, options: [[name, value]], logLines, onLine(engine, line) }
  constructor(definition) {
    this.label = definition.label;
    this.cmd = definition.cmd;
    this.args = definition.args || [];
    this.options = definition.options || [];
    this.env = definition.env; // undefined: the runner's own environment
    this.logLines = definition.logLines || 50;
    this.onLine = definition.onLine || (() => {});
    this.idName = null;
    this.proc = null;
    this.ring = [];
    this.queue = [];
    this.waiter = null;
    this.exitInfo = null;
    this.starts = 0;
  }

  // True while the process runs and its output has not ended.
  get alive() {
    return this.proc !== null && this.exitInfo === null;
  }

  // Spawns the process; a failure to spawn shows up as an exit.
  spawn() {
    this.ring = [];
    this.queue = [];
    this.exitInfo = null;
    this.accounted = false; // set once this process's end is explained (a recorded crash, our kill, quit)
    this.partial = '';
    this.starts += 1;
    this.note(`# start ${this.cmd} ${this.args.join(' ')}`.trimEnd());
    const proc = spawn(this.cmd, this.args, { stdio: ['pipe', 'pipe', 'pipe'], env: this.env });
    this.proc = proc;
    proc.stdin.on('error', () => {}); // EPIPE after a crash is reported through the exit
    proc.stdout.on('data', (chunk) => this.receive(proc, chunk));
    proc.stdout.on('end', () => this.flushPartial(proc));
    proc.stderr.on('data', (chunk) => {
      for (const line of chunk.toString('latin1').split('\n')) {
        if (line.replace(/\r$/, '') !== '') this.note(`! ${line.replace(/\r$/, '')}`);
      }
    });
    let settle = null;
    const finish = (code, signal, why) => {
      if (this.proc !== proc || this.exitInfo !== null) return;
      clearTimeout(settle);
      this.exitInfo = { code, signal, why };
      this.note(`# exit code=${code} signal=${signal}${why ? ' (' + why + ')' : ''}`);
      this.resolveWaiter({ kind: 'exit', code, signal, why });
    };
    proc.on('error', (err) => finish(null, null, err.message));
    proc.on('exit', (code, signal) => {
      settle = setTimeout(() => finish(code, signal), EXIT_SETTLE_MS);
      proc.once('close', () => finish(code, signal));
    });
  }

  // Splits raw output into lines; bytes are taken as latin1 so any byte sequence survives.
  receive(proc, chunk) {
    if (this.proc !== proc) return;
    const parts = (this.partial + chunk.toString('latin1')).split('\n');
    this.partial = parts.pop();
    for (const raw of parts) this.deliver(raw.replace(/\r$/, ''));
  }

  flushPartial(proc) {
    if (this.proc !== proc || this.partial === '') return;
    const last = this.partial.replace(/\r$/, '');
    this.partial = '';
    this.deliver(last);
  }

  deliver(line) {
    const at = performance.now();
    this.note(`< ${line}`);
    this.onLine(this, line);
    if (this.waiter && this.waiter.pred(line)) {
      this.resolveWaiter({ kind: 'line', line, at });
    } else if (!this.waiter) {
      this.queue.push({ line, at });
    }
  }

  note(text) {
    this.ring.push(text);
    if (this.ring.length > this.logLines) this.ring.shift();
  }

  // The last lines of I/O: "> " sent, "< " received, "! " stderr, "# " events.
  recent() {
    return this.ring.slice();
  }

  // Writes one command line; returns the time it was written (ms) or null when the process is gone.
  send(line) {
    if (!this.alive) return null;
    this.note(`> ${line}`);
    try {
      this.proc.stdin.write(line + '\n');
    } catch {
      return null;
    }
    return performance.now();
  }

  // Forgets output nobody asked for (a late bestmove of an abandoned search, info lines).
  drain() {
    this.queue = [];
  }

  // Waits for the first line matching pred. Resolves {kind:'line', line, at} | {kind:'timeout'} | {kind:'exit', ...}.
  waitFor(pred, timeoutMs) {
    while (this.queue.length > 0) {
      const item = this.queue.shift();
      if (pred(item.line)) return Promise.resolve({ kind: 'line', line: item.line, at: item.at });
    }
    if (!this.alive) {
      const e = this.exitInfo || {};
      return Promise.resolve({ kind: 'exit', code: e.code ?? null, signal: e.signal ?? null, why: e.why });
    }
    return new Promise((resolve) => {
      const timer = setTimeout(() => this.resolveWaiter({ kind: 'timeout' }), Math.max(0, timeoutMs));
      this.waiter = { pred, resolve, timer };
    });
  }

  resolveWaiter(result) {
    const w = this.waiter;
    if (!w) return;
    this.waiter = null;
    clearTimeout(w.timer);
    w.resolve(result);
  }

  // Starts the process and runs uci/uciok, the options and isready/readyok.
  // Returns null on success or a fault {kind, detail}.
  async start(timeoutMs) {
    this.spawn();
    this.send('uci');
    const ok = await this.waitFor((l) => {
      this.takeId(l);
      return firstToken(l) === 'uciok';
    }, timeoutMs);
    if (ok.kind === 'timeout') return { kind: 'no-uciok', detail: `no uciok within ${timeoutMs} ms` };
    if (ok.kind === 'exit') return { kind: 'crash', detail: `exited during start-up (${describeExit(ok)})` };
    for (const [name, value] of this.options) this.send(`setoption name ${name} value ${value}`);
    return this.sync(timeoutMs);
  }

  // Remembers the name from "id name ...".
  takeId(line) {
    const m = /^\s*id\s+name\s+(.*?)\s*$/.exec(line);
    if (m) this.idName = m[1];
  }

  // isready/readyok round trip; null on success or a fault.
  async sync(timeoutMs) {
    this.send('isready');
    const r = await this.waitFor((l) => firstToken(l) === 'readyok', timeoutMs);
    if (r.kind === 'timeout') return { kind: 'no-readyok', detail: `no readyok within ${timeoutMs} ms` };
    if (r.kind === 'exit') return { kind: 'crash', detail: `exited before readyok (${describeExit(r)})` };
    return null;
  }

  // Ends the process: "quit", end of input, then a kill if it lingers. Resolves once it is gone.
  async quit(graceMs) {
    if (!this.proc) return;
    this.accounted = true;
    if (this.alive) {
      this.send('quit');
      try {
        this.proc.stdin.end();
      } catch {
        // already closed
      }
      const r = await this.waitFor(() => false, graceMs);
      if (r.kind === 'timeout') await this.kill();
    }
  }

  // Kills the process (our own child, by its pid) and waits for its exit.
  async kill() {
    if (!this.proc) return;
    this.accounted = true;
    if (this.alive) {
      this.note('# kill');
      this.proc.kill('SIGKILL');
      await this.waitFor(() => false, 5000);
    }
  }
}

function firstToken(line) {
  const t = line.trim().split(/\s+/);
  return t[0] || '';
}

function describeExit(r) {
  if (r.why) return r.why;
  return r.signal ? `signal ${r.signal}` : `exit code ${r.code}`;
}

module.exports = { UciEngine, firstToken, describeExit };
