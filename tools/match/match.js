#!/usr/bin/env node
'use strict';
// Command line of the match runner: plays a UCI engine against Stockfish, itself or another engine.

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { parseArgs } = require('node:util');
const { loadOpenings } = require('./lib/openings');
const { runMatch, formatSummary } = require('./lib/match');

const USAGE = `usage: node tools/match/match.js --engine PATH|stockfish [options]

  --engine PATH           engine under test (the word "stockfish" means Debian's Stockfish)
  --opponent X            stockfish (default), self (a second process of the engine), or a PATH
  --engine-option N=V     setoption for the engine under test (repeatable)
  --opponent-option N=V   setoption for the opponent (repeatable)
  --elo N                 UCI_Elo of Stockfish, which plays with UCI_LimitStrength (default 1350, its lowest)
  --games N               number of games (default: every opening twice)
  --openings K            play the first K openings, each twice with colours swapped
  --openings-file FILE    EPD or FEN file (default: openings.epd beside this script)
  --tc BASE+INC           clocks in seconds, e.g. 2+0.05 (default)
  --movetime MS           fixed time per move instead of clocks
  --margin MS             time allowed past the limit before a loss on time (default 100)
  --start-timeout MS      wait for uciok / readyok (default 5000)
  --concurrency N         games played at once (default 1, which keeps timing fair)
  --log DIR               where games.pgn and fault logs go (default: a new folder in the temp dir)
  --json FILE             also write the results as JSON
  --ignore-error-output   ERROR lines are still reported but do not fail the run
  --quiet                 no line per game

Exit status: 0 when the engine under test committed no fault, 1 when it did, 2 on a usage error.`;

const STOCKFISH_PATHS = ['/usr/games/stockfish', '/usr/bin/stockfish', '/usr/local/bin/stockfish'];

// Parses "2+0.05" (seconds) into milliseconds.
function parseTc(text) {
  const m = /^(\d+(?:\.\d+)?)(?:\+(\d+(?:\.\d+)?))?$/.exec(text);
  if (!m) throw new Error(`bad --tc "${text}", expected BASE+INC in seconds`);
  return { base: Math.round(parseFloat(m[1]) * 1000), inc: Math.round(parseFloat(m[2] || '0') * 1000) };
}

function parseOptions(list) {
  return (list || []).map((item) => {
    const i = item.indexOf('=');
    if (i <= 0) throw new Error(`bad option "${item}", expected Name=Value`);
    return [item.slice(0, i), item.slice(i + 1)];
  });
}

function positiveInt(text, name) {
  const n = Number(text);
  if (!Number.isInteger(n) || n <= 0) throw new Error(`--${name} must be a positive integer`);
  return n;
}

// An engine description from a path or the word "stockfish".
function engineSpec(what, extraOptions, elo) {
  if (what === 'stockfish') {
    const cmd = STOCKFISH_PATHS.find((p) => fs.existsSync(p));
    if (!cmd) throw new Error('stockfish is not installed; run tools/match/setup.sh');
    const options = [['Threads', '1'], ['Hash', '16'], ['UCI_LimitStrength', 'true'], ['UCI_Elo', String(elo)]];
    return { label: 'stockfish', cmd, args: [], options: options.concat(extraOptions) };
  }
  const cmd = path.resolve(what);
  if (!fs.existsSync(cmd)) throw new Error(`no engine at ${cmd}`);
  return { label: path.basename(cmd), cmd, args: [], options: extraOptions };
}

function buildConfig(argv) {
  const { values } = parseArgs({
    args: argv,
    options: {
      engine: { type: 'string' },
      opponent: { type: 'string', default: 'stockfish' },
      'engine-option': { type: 'string', multiple: true },
      'opponent-option': { type: 'string', multiple: true },
      elo: { type: 'string', default: '1350' },
      games: { type: 'string' },
      openings: { type: 'string' },
      'openings-file': { type: 'string', default: path.join(__dirname, 'openings.epd') },
      tc: { type: 'string' },
      movetime: { type: 'string' },
      margin: { type: 'string', default: '100' },
      'start-timeout': { type: 'string', default: '5000' },
      concurrency: { type: 'string', default: '1' },
      log: { type: 'string' },
      json: { type: 'string' },
      'ignore-error-output': { type: 'boolean', default: false },
      quiet: { type: 'boolean', default: false },
      help: { type: 'boolean', short: 'h', default: false },
    },
  });
  if (values.help) return null;
  if (!values.engine) throw new Error('--engine is required');
  if (values.tc && values.movetime) throw new Error('give --tc or --movetime, not both');
  if (values.games && values.openings) throw new Error('give --games or --openings, not both');

  const elo = positiveInt(values.elo, 'elo');
  const engine = engineSpec(values.engine, parseOptions(values['engine-option']), elo);
  const selfPlay = values.opponent === 'self';
  let opponent;
  if (selfPlay) {
    opponent = { ...engine, label: `${engine.label}#2`, options: engine.options.concat(parseOptions(values['opponent-option'])) };
  } else {
    opponent = engineSpec(values.opponent, parseOptions(values['opponent-option']), elo);
    if (opponent.label === engine.label) opponent.label += '#2';
  }

  const openings = loadOpenings(values['openings-file']);
  let games = 2 * openings.length;
  if (values.games) games = positiveInt(values.games, 'games');
  if (values.openings) games = 2 * positiveInt(values.openings, 'openings');

  const logDir = values.log ? path.resolve(values.log) : fs.mkdtempSync(path.join(os.tmpdir(), 'match-'));
  return {
    engine,
    opponent,
    selfPlay,
    openings,
    games,
    tc: values.movetime ? null : parseTc(values.tc || '2+0.05'),
    movetime: values.movetime ? positiveInt(values.movetime, 'movetime') : null,
    margin: Number(values.margin),
    startTimeout: positiveInt(values['start-timeout'], 'start-timeout'),
    concurrency: positiveInt(values.concurrency, 'concurrency'),
    logDir,
    json: values.json,
    errorOutputFails: !values['ignore-error-output'],
    quiet: values.quiet,
  };
}

async function main() {
  let config;
  try {
    config = buildConfig(process.argv.slice(2));
  } catch (err) {
    console.error(`match: ${err.message}\n\n${USAGE}`);
    return 2;
  }
  if (config === null) {
    console.log(USAGE);
    return 0;
  }
  if (!config.quiet) {
    config.onGame = (r, total) => {
      const faults = r.faults.map((f) => ` [${f.engine} ${f.kind}]`).join('');
      console.log(
        `game ${String(r.game).padStart(String(total).length)}/${total}  ${r.white} - ${r.black}  ${r.result.padEnd(7)} ${r.reason}, ` +
          `${r.plies} plies, ${(r.ms / 1000).toFixed(1)} s  (${r.opening})${faults}`,
      );
    };
  }
  const summary = await runMatch(config);
  console.log('\n' + formatSummary(summary));
  if (config.json) {
    const out = { score: summary.score, reasons: summary.reasons, stats: summary.stats, failed: summary.failed, faults: summary.faults.map(({ io, ...f }) => f) };
    out.games = summary.records.map(({ faults, ...r }) => r);
    fs.writeFileSync(config.json, JSON.stringify(out, null, 2) + '\n');
  }
  return summary.failed ? 1 : 0;
}

main().then(
  (code) => {
    process.exitCode = code;
  },
  (err) => {
    console.error(err.stack || String(err));
    process.exitCode = 2;
  },
);
