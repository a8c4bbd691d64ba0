#!/usr/bin/env node
'use strict';
// A tiny UCI engine for testing the match runner. It plays a mate in one when it has one, else a
// capture, else its first legal move, or the moves of a script; and it misbehaves on request.
//
//   --fault KIND   illegal | malformed | null | zero | crash | hang | no-uciok | no-readyok | error-output
//   --at N         the Nth "go" of this process misbehaves (default 1)
//   --script M,M   moves to play at ply 0, 1, ... of the game (counted from the opening)
// The same settings may come from FAKE_FAULT, FAKE_AT and FAKE_SCRIPT.

const readline = require('node:readline');
const { Chess } = require('chess.js');

function setting(flag, env, fallback) {
  const i = process.argv.indexOf(flag);
  if (i >= 0 && i + 1 < process.argv.length) return process.argv[i + 1];
  return process.env[env] ?? fallback;
}

const fault = setting('--fault', 'FAKE_FAULT', 'none');
const faultAt = Number(setting('--at', 'FAKE_AT', '1'));
const script = setting('--script', 'FAKE_SCRIPT', '').split(',').filter(Boolean);

let board = new Chess();
let plies = 0;
let goCount = 0;

function out(text) {
  process.stdout.write(text + '\n');
}

// Sets the board from "position startpos|fen F [moves ...]".
function position(tokens) {
  let i = 1;
  if (tokens[i] === 'startpos') {
    board = new Chess();
    i += 1;
  } else if (tokens[i] === 'fen') {
    board = new Chess(tokens.slice(i + 1, i + 7).join(' '));
    i += 7;
  }
  plies = 0;
  if (tokens[i] === 'moves') {
    for (const m of tokens.slice(i + 1)) {
      board.move({ from: m.slice(0, 2), to: m.slice(2, 4), promotion: m[4] });
      plies += 1;
    }
  }
}

function uci(m) {
  return m.from + m.to + (m.promotion || '');
}

function chooseMove() {
  if (script[plies]) return script[plies];
  const moves = board.moves({ verbose: true });
  const mate = moves.find((m) => m.san.endsWith('#'));
  const capture = moves.find((m) => m.captured);
  return uci(mate || capture || moves[0]);
}

function go() {
  goCount += 1;
  const misbehave = goCount === faultAt ? fault : 'none';
  // Noise a real engine may print: info lines, a blank line, a CRLF line, bytes that are not UTF-8.
  process.stdout.write('info depth 1 score cp 0 nodes 1 pv\r\n\nWARNING ! noise\n');
  process.stdout.write(Buffer.from([0x69, 0x6e, 0x66, 0x6f, 0x20, 0xc0, 0xff, 0x0a]));
  const move = chooseMove();
  switch (misbehave) {
    case 'illegal':
      return out(`bestmove ${move.slice(0, 2)}${move.slice(0, 2)}`);
    case 'malformed':
      return out(`bestmove ${move.slice(0, 3)}`);
    case 'null':
      return out('bestmove (none)');
    case 'zero':
      return out('bestmove 0000');
    case 'crash':
      return process.exit(3);
    case 'hang':
      return undefined; // never answers, and ignores "stop"
    case 'error-output':
      out(`bestmove ${move}`);
      return out('ERROR from(in Iterative_Deepening)');
    default:
      return out(`bestmove ${move} ponder a1a2`);
  }
}

let readyCount = 0;

readline.createInterface({ input: process.stdin }).on('line', (line) => {
  const tokens = line.trim().split(/\s+/);
  switch (tokens[0]) {
    case 'uci':
      if (fault === 'no-uciok') return;
      out('id name fake');
      out('id author nobody');
      out('uciok ');
      return;
    case 'isready':
      readyCount += 1;
      if (fault === 'no-readyok' && readyCount === faultAt) return;
      out('readyok ');
      out('');
      return;
    case 'position':
      position(tokens);
      return;
    case 'go':
      go();
      return;
    case 'quit':
      process.exit(0);
  }
});
