'use strict';
// Opening positions from an EPD (or plain FEN) file, each one checked with chess.js.

const fs = require('node:fs');
const { Chess, DEFAULT_POSITION } = require('chess.js');

// Parses the operations after the four position fields: `hmvc 0; fmvn 1; c0 "name";`.
function parseOperations(text) {
  const ops = {};
  const re = /\s*([A-Za-z][A-Za-z0-9_]*)\s*((?:"[^"]*"|[^;])*);/g;
  let m;
  while ((m = re.exec(text)) !== null) {
    ops[m[1]] = m[2].trim().replace(/^"(.*)"$/, '$1');
  }
  return ops;
}

// Turns one EPD or FEN line into { fen, name }; throws with the reason when it is not a playable position.
function parseOpeningLine(line) {
  const fields = line.trim().split(/\s+/);
  if (fields.length < 4) throw new Error('fewer than four position fields');
  const rest = fields.slice(4);
  let halfmove = '0';
  let fullmove = '1';
  let ops = {};
  if (rest.length >= 2 && /^\d+$/.test(rest[0]) && /^\d+$/.test(rest[1])) {
    [halfmove, fullmove] = rest;
    ops = parseOperations(rest.slice(2).join(' '));
  } else {
    ops = parseOperations(rest.join(' '));
    if (ops.hmvc !== undefined) halfmove = ops.hmvc;
    if (ops.fmvn !== undefined) fullmove = ops.fmvn;
  }
  const fen = [...fields.slice(0, 4), halfmove, fullmove].join(' ');
  const board = new Chess(fen); // throws on an illegal or malformed position
  if (board.isGameOver()) throw new Error('the game is already over in this position');
  if (ops.c1) {
    const replay = new Chess();
    for (const san of ops.c1.split(/\s+/)) replay.move(san);
    const want = replay.fen().split(' ').slice(0, 4).join(' ');
    const got = board.fen().split(' ').slice(0, 4).join(' ');
    if (want !== got) throw new Error(`moves "${ops.c1}" lead to ${want}, not to this position`);
  }
  return { fen: board.fen(), name: ops.c0 || ops.id || fen };
}

// Reads an opening file; blank lines and lines starting with '#' are skipped.
function loadOpenings(file) {
  const out = [];
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  lines.forEach((raw, i) => {
    const line = raw.replace(/\r$/, '').trim();
    if (line === '' || line.startsWith('#')) return;
    try {
      out.push(parseOpeningLine(line));
    } catch (err) {
      throw new Error(`${file}:${i + 1}: ${err.message}`);
    }
  });
  if (out.length === 0) throw new Error(`${file}: no opening positions`);
  return out;
}

module.exports = { loadOpenings, parseOpeningLine, DEFAULT_POSITION };
