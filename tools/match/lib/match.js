'use strict';
// A match: the schedule of games over the openings, the engine processes, results, faults and logs.

const fs = require('node:fs');
const path = require('node:path');
const { Chess } = require('chess.js');
const { UciEngine } = require('./engine');
const { playGame, positionCommand } = require('./game');

const LOG_LINES = 50;

// Game i plays opening i/2 (cycling), the engine under test taking white in even games.
function schedule(games, openings) {
  const out = [];
  for (let i = 0; i < games; i++) {
    out.push({ game: i + 1, opening: openings[Math.floor(i / 2) % openings.length], engineWhite: i % 2 === 0 });
  }
  return out;
}

// A fresh pair of engine processes for one worker.
function makePair(config) {
  const onLine = (engine, line) => {
    if (line.startsWith('ERROR')) engine.errorLines.push(line);
  };
  const make = (definition, role) => {
    const e = new UciEngine({ ...definition, logLines: LOG_LINES, onLine });
    e.role = role;
    e.underTest = role === 'engine' || config.selfPlay;
    e.errorLines = [];
    return e;
  };
  return { engine: make(config.engine, 'engine'), opponent: make(config.opponent, 'opponent') };
}

// Plays the whole match. config: { engine, opponent, selfPlay, openings, games, tc, movetime, margin,
// startTimeout, stopGrace, concurrency, logDir, errorOutputFails, onGame }.
async function runMatch(config) {
  const settings = {
    tc: config.tc || null,
    movetime: config.movetime || null,
    margin: config.margin ?? 100,
    startTimeout: config.startTimeout ?? 5000,
    stopGrace: config.stopGrace ?? 1000,
  };
  const queue = schedule(config.games, config.openings);
  const records = [];
  const stats = {};
  const pairs = [];
  const statsOf = (e) => (stats[e.label] ??= { moves: 0, totalMs: 0, maxMs: 0, overruns: 0 });

  const worker = async () => {
    const pair = makePair(config);
    pairs.push(pair);
    for (let job = queue.shift(); job; job = queue.shift()) {
      const white = job.engineWhite ? pair.engine : pair.opponent;
      const black = job.engineWhite ? pair.opponent : pair.engine;
      const rec = await playGame({ game: job.game, opening: job.opening, white, black, settings, stats: statsOf });
      Object.assign(rec, { game: job.game, opening: job.opening.name, white: white.label, black: black.label, engineWhite: job.engineWhite });
      for (const f of rec.faults) f.underTest = (f.role === 'engine') || !!config.selfPlay;
      records.push(rec);
      if (config.onGame) config.onGame(rec, config.games);
    }
  };
  await Promise.all(Array.from({ length: Math.max(1, config.concurrency || 1) }, worker));

  // An engine that died after its last game, unseen so far, still counts as a crash.
  const late = [];
  for (const pair of pairs) {
    for (const e of [pair.engine, pair.opponent]) {
      if (e.proc && !e.alive && !e.accounted) {
        late.push({ game: null, engine: e.label, role: e.role, underTest: e.underTest, kind: 'crash', detail: 'exited after its last game', io: e.recent() });
      }
      await e.quit(2000);
    }
  }

  records.sort((a, b) => a.game - b.game);
  const summary = summarise(config, records, stats, late);
  if (config.logDir) writeLogs(config, summary);
  return summary;
}

// Score of the engine under test, results by reason, faults by engine and kind.
function summarise(config, records, stats, lateFaults) {
  const score = { wins: 0, draws: 0, losses: 0 };
  const reasons = {};
  for (const r of records) {
    reasons[r.reason] = (reasons[r.reason] || 0) + 1;
    const engineWon = (r.result === '1-0' && r.engineWhite) || (r.result === '0-1' && !r.engineWhite);
    if (r.result === '1/2-1/2') score.draws += 1;
    else if (engineWon) score.wins += 1;
    else score.losses += 1;
  }
  const faults = records.flatMap((r) => r.faults).concat(lateFaults);
  const failing = faults.filter((f) => f.underTest && (config.errorOutputFails !== false || f.kind !== 'error-output'));
  return { config, records, score, reasons, faults, stats, failed: failing.length > 0 };
}

// Elo difference with a 95% interval from the per-game score spread; null when undefined.
function eloEstimate({ wins, draws, losses }) {
  const n = wins + draws + losses;
  if (n === 0) return null;
  const s = (wins + draws / 2) / n;
  const variance = (wins * (1 - s) ** 2 + draws * (0.5 - s) ** 2 + losses * s ** 2) / n;
  const se = Math.sqrt(variance / n);
  const elo = (p) => (p <= 0 ? -Infinity : p >= 1 ? Infinity : -400 * Math.log10(1 / p - 1));
  return { elo: elo(s), low: elo(s - 1.96 * se), high: elo(s + 1.96 * se) };
}

// The result table printed at the end of a match.
function formatSummary(summary) {
  const { config, records, score, reasons, faults, stats } = summary;
  const e = config.engine.label;
  const o = config.opponent.label;
  const n = records.length;
  const points = score.wins + score.draws / 2;
  const mode = config.movetime ? `movetime ${config.movetime} ms` : `tc ${config.tc.base / 1000}+${config.tc.inc / 1000} s`;
  const lines = [];
  lines.push(`Match ${e} vs ${o}: ${n} games, ${mode}, margin ${config.margin ?? 100} ms`);
  lines.push('');
  lines.push(pad(['engine', 'games', 'wins', 'draws', 'losses', 'points', 'score'], [-20, 6, 6, 6, 7, 8, 8]));
  lines.push(pad([e, n, score.wins, score.draws, score.losses, points.toFixed(1), n ? `${((100 * points) / n).toFixed(1)}%` : '-'], [-20, 6, 6, 6, 7, 8, 8]));
  const est = eloEstimate(score);
  if (est) lines.push(`Elo difference ${fmtElo(est.elo)} (95% interval ${fmtElo(est.low)} .. ${fmtElo(est.high)})`);
  lines.push('');
  lines.push('Results by reason: ' + (Object.entries(reasons).map(([k, v]) => `${k} ${v}`).join(', ') || 'none'));
  lines.push('');
  lines.push('Time per move:');
  lines.push(pad(['engine', 'moves', 'mean ms', 'max ms', 'over limit'], [-20, 7, 9, 9, 10]));
  for (const [label, s] of Object.entries(stats)) {
    lines.push(pad([label, s.moves, s.moves ? (s.totalMs / s.moves).toFixed(1) : '-', s.maxMs.toFixed(1), s.overruns], [-20, 7, 9, 9, 10]));
  }
  lines.push('');
  if (faults.length === 0) {
    lines.push('Faults: none');
  } else {
    lines.push('Faults:');
    const counts = new Map();
    for (const f of faults) {
      const key = `${f.engine}\t${f.kind}\t${f.underTest ? 'under test' : 'opponent'}`;
      counts.set(key, (counts.get(key) || 0) + 1);
    }
    lines.push(pad(['engine', 'kind', 'count', ''], [-20, -20, 6, -12]));
    for (const [key, count] of counts) {
      const [label, kind, who] = key.split('\t');
      lines.push(pad([label, kind, count, ` ${who}`], [-20, -20, 6, -12]));
    }
    lines.push('');
    for (const f of faults) lines.push(`  game ${f.game ?? '-'}: ${f.engine} ${f.kind}: ${f.detail}`);
  }
  if (config.logDir) lines.push(`\nLogs and games: ${config.logDir}`);
  lines.push(summary.failed ? '\nFAILED: the engine under test committed faults' : '\nOK: no fault by the engine under test');
  return lines.join('\n');
}

function fmtElo(x) {
  if (!Number.isFinite(x)) return x > 0 ? '+inf' : '-inf';
  return (x >= 0 ? '+' : '') + x.toFixed(0);
}

// One table row: a negative width aligns the cell left, a positive one right.
function pad(cells, widths) {
  return cells
    .map((c, i) => (widths[i] < 0 ? String(c).padEnd(-widths[i]) : String(c).padStart(widths[i])))
    .join(' ')
    .trimEnd();
}

// Writes games.pgn and one file with the last engine I/O per fault.
function writeLogs(config, summary) {
  fs.mkdirSync(config.logDir, { recursive: true });
  const pgn = summary.records.map((r) => gamePgn(config, r)).join('\n\n');
  fs.writeFileSync(path.join(config.logDir, 'games.pgn'), pgn + '\n');
  for (const f of summary.faults) {
    const r = summary.records.find((x) => x.game === f.game);
    const name = `game-${f.game ?? 'end'}-${f.engine}-${f.kind}.log`.replace(/[^A-Za-z0-9_.#-]/g, '_');
    const head = [
      `fault: ${f.kind} by ${f.engine}: ${f.detail}`,
      r ? `game ${r.game}: ${r.white} (white) vs ${r.black} (black), opening ${r.opening}` : 'after the last game',
      r ? `start: ${r.startFen}` : '',
      r ? `last position: ${positionCommand(r.startFen, r.moves)}` : '',
      r ? `result: ${r.result} (${r.reason})` : '',
      `last ${f.io.length} lines of ${f.engine} I/O ("> " sent, "< " received, "! " stderr, "# " events):`,
    ].filter((x) => x !== '');
    fs.writeFileSync(path.join(config.logDir, name), head.concat(f.io).join('\n') + '\n', 'latin1');
  }
}

// PGN text of one game, replayed with chess.js from its opening.
function gamePgn(config, r) {
  const board = new Chess(r.startFen);
  for (const m of r.moves) board.move({ from: m.slice(0, 2), to: m.slice(2, 4), promotion: m[4] });
  board.setHeader('Event', `${config.engine.label} vs ${config.opponent.label}`);
  board.setHeader('Round', String(r.game));
  board.setHeader('White', r.white);
  board.setHeader('Black', r.black);
  board.setHeader('Result', r.result === '0-0' ? '*' : r.result);
  board.setHeader('Termination', r.reason);
  board.setHeader('Opening', r.opening);
  return board.pgn();
}

module.exports = { runMatch, formatSummary, schedule, eloEstimate };
