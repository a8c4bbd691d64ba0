'use strict';
// The match runner against a fake engine: adjudication by the rules, and every fault it must catch.

const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawnSync } = require('node:child_process');
const { runMatch } = require('../lib/match');
const { parseOpeningLine } = require('../lib/openings');

const FAKE = path.join(__dirname, 'fake-engine.js');
const START = 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1';

const logDirs = [];
test.after(() => {
  for (const d of logDirs) fs.rmSync(d, { recursive: true, force: true });
});

function fake(label, args = []) {
  return { label, cmd: process.execPath, args: [FAKE, ...args] };
}

// One match of `games` games from one opening; the engine under test is white in odd games.
function match({ engine = [], opponent = [], fen = START, games = 1, tc = { base: 1000, inc: 0 }, movetime, startTimeout = 2000 }) {
  return runMatch({
    engine: fake('tested', engine),
    opponent: fake('other', opponent),
    openings: [parseOpeningLine(fen)],
    games,
    tc: movetime ? null : tc,
    movetime,
    margin: 200, // generous: the machine may be busy, and only the hung engine should run out
    startTimeout,
    stopGrace: 200,
    logDir: logDirs[logDirs.push(fs.mkdtempSync(path.join(os.tmpdir(), 'match-test-'))) - 1],
  });
}

test('games end by the rules of chess', async () => {
  const cases = [
    { name: "fool's mate", fen: START, script: 'f2f3,e7e5,g2g4,d8h4', result: '0-1', reason: 'checkmate', plies: 4 },
    { name: 'stalemate', fen: '7k/8/5Q2/8/8/8/8/K7 w - - 0 1', script: 'f6g6', result: '1/2-1/2', reason: 'stalemate', plies: 1 },
    { name: 'bare kings', fen: '7k/8/8/8/8/8/1r6/K7 w - - 0 1', script: 'a1b2', result: '1/2-1/2', reason: 'insufficient material', plies: 1 },
    { name: 'fifty moves', fen: '7k/8/8/8/8/8/8/KR6 w - - 99 80', script: 'b1b2', result: '1/2-1/2', reason: 'fifty-move rule', plies: 1 },
    { name: 'mate on the hundredth half-move', fen: '7k/8/6K1/8/8/8/8/R7 w - - 99 80', script: 'a1a8', result: '1-0', reason: 'checkmate', plies: 1 },
    { name: 'knights out and back', fen: START, script: 'g1f3,g8f6,f3g1,f6g8,g1f3,g8f6,f3g1,f6g8', result: '1/2-1/2', reason: 'threefold repetition', plies: 8 },
  ];
  for (const c of cases) {
    const args = ['--script', c.script];
    const s = await match({ engine: args, opponent: args, fen: c.fen });
    const g = s.records[0];
    assert.deepStrictEqual([g.result, g.reason, g.plies], [c.result, c.reason, c.plies], c.name);
    assert.deepStrictEqual(s.faults, [], c.name);
    assert.strictEqual(s.failed, false, c.name);
  }
});

test('each fault of the engine under test loses the game and fails the run', async () => {
  const cases = [
    { fault: 'illegal', kind: 'illegal-move' },
    { fault: 'malformed', kind: 'malformed-bestmove' },
    { fault: 'null', kind: 'null-bestmove' },
    { fault: 'zero', kind: 'null-bestmove' },
    { fault: 'crash', kind: 'crash' },
    { fault: 'hang', kind: 'time-forfeit' },
    { fault: 'hang', kind: 'time-forfeit', movetime: 100 },
    { fault: 'no-uciok', kind: 'no-uciok', startTimeout: 3000 }, // long enough for a healthy opponent on a busy machine
    { fault: 'no-readyok', kind: 'no-readyok', startTimeout: 3000 },
  ];
  for (const c of cases) {
    const label = `${c.fault}${c.movetime ? ' (movetime)' : ''}`;
    const s = await match({ engine: ['--fault', c.fault], tc: { base: 300, inc: 0 }, movetime: c.movetime, startTimeout: c.startTimeout });
    const g = s.records[0];
    assert.deepStrictEqual([g.result, g.reason], ['0-1', c.kind], label);
    assert.deepStrictEqual(s.faults.map((f) => [f.engine, f.kind]), [['tested', c.kind]], label);
    assert.strictEqual(s.failed, true, label);
    const log = fs.readFileSync(path.join(s.config.logDir, `game-1-tested-${c.kind}.log`), 'latin1');
    assert.match(log, /^> uci$/m, label);
  }
});

test('ERROR lines are recorded without changing the result', async () => {
  const s = await match({ engine: ['--fault', 'error-output', '--script', 'f2f3,e7e5,g2g4,d8h4'], opponent: ['--script', 'f2f3,e7e5,g2g4,d8h4'] });
  assert.deepStrictEqual([s.records[0].result, s.records[0].reason], ['0-1', 'checkmate']);
  assert.deepStrictEqual(s.faults.map((f) => [f.engine, f.kind]), [['tested', 'error-output']]);
  assert.match(s.faults[0].detail, /ERROR from\(in Iterative_Deepening\)/);
  assert.strictEqual(s.failed, true);
});

test('a crashed engine is restarted for the next game; opponent faults do not fail the run', async () => {
  const s = await match({ opponent: ['--fault', 'crash'], games: 2 });
  assert.deepStrictEqual(s.records.map((g) => [g.result, g.reason]), [['1-0', 'crash'], ['0-1', 'crash']]);
  // Game 2: the restarted opponent is white and dies at its first move, before any move is made.
  assert.deepStrictEqual(s.records.map((g) => g.plies), [1, 0]);
  assert.deepStrictEqual(s.faults.map((f) => [f.game, f.engine, f.kind, f.underTest]), [[1, 'other', 'crash', false], [2, 'other', 'crash', false]]);
  assert.strictEqual(s.failed, false);
});

test('the command line exits non-zero only for faults of the engine under test', () => {
  const logDir = fs.mkdtempSync(path.join(os.tmpdir(), 'match-test-'));
  logDirs.push(logDir);
  const args = ['--engine', FAKE, '--opponent', 'self', '--games', '2', '--movetime', '20', '--margin', '1000', '--log', logDir, '--quiet'];
  const run = (env) =>
    spawnSync(process.execPath, [path.join(__dirname, '..', 'match.js'), ...args], {
      env: { ...process.env, ...env },
      encoding: 'utf8',
    });
  const good = run({});
  assert.strictEqual(good.status, 0, good.stdout + good.stderr);
  assert.match(good.stdout, /fake-engine\.js\s+2\s/);
  assert.match(good.stdout, /Faults: none/);
  const bad = run({ FAKE_FAULT: 'illegal', FAKE_AT: '2' });
  assert.strictEqual(bad.status, 1, bad.stdout + bad.stderr);
  assert.match(bad.stdout, /illegal-move\s+2/);
  assert.strictEqual(spawnSync(process.execPath, [path.join(__dirname, '..', 'match.js')]).status, 2);
});
