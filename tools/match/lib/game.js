'use strict';
// One game between two UCI engines, judged move by move with chess.js.

const { performance } = require('node:perf_hooks');
const { Chess, DEFAULT_POSITION } = require('chess.js');
const { firstToken, describeExit } = require('./engine');

const UCI_MOVE = /^[a-h][1-8][a-h][1-8][qrbn]?$/;

// The end of the game by the rules, or null while it goes on. Checkmate is tested first,
// so a mate given on the hundredth half-move still wins.
function adjudicate(board) {
  if (board.isCheckmate()) return { result: board.turn() === 'w' ? '0-1' : '1-0', reason: 'checkmate' };
  if (board.isStalemate()) return { result: '1/2-1/2', reason: 'stalemate' };
  if (board.isInsufficientMaterial()) return { result: '1/2-1/2', reason: 'insufficient material' };
  if (board.isThreefoldRepetition()) return { result: '1/2-1/2', reason: 'threefold repetition' };
  if (board.isDrawByFiftyMoves()) return { result: '1/2-1/2', reason: 'fifty-move rule' };
  return null;
}

// Reads the move of a "bestmove" line: { move } with the chess.js move, or { fault }.
function parseBestmove(line, board) {
  const text = line.trim().split(/\s+/)[1];
  if (text === undefined) return { fault: { kind: 'malformed-bestmove', detail: `"${line}" has no move` } };
  if (text === '(none)' || text === '0000') {
    return { fault: { kind: 'null-bestmove', detail: `"${line}" while legal moves exist` } };
  }
  if (!UCI_MOVE.test(text)) return { fault: { kind: 'malformed-bestmove', detail: `"${line}" is not a move` } };
  const promotion = text[4] || '';
  const move = board
    .moves({ verbose: true })
    .find((m) => m.from === text.slice(0, 2) && m.to === text.slice(2, 4) && (m.promotion || '') === promotion);
  if (!move) return { fault: { kind: 'illegal-move', detail: `${text} is illegal in ${board.fen()}` } };
  return { move, text };
}

// The "position" command for the opening and the moves played since.
function positionCommand(startFen, moves) {
  const base = startFen === DEFAULT_POSITION ? 'position startpos' : `position fen ${startFen}`;
  return moves.length > 0 ? `${base} moves ${moves.join(' ')}` : base;
}

// Runs one game. ctx: { game, opening, white, black, settings, stats(engine) }.
// Returns { result, reason, faults, moves, plies, fen, startFen, ms }.
async function playGame(ctx) {
  const { white, black, opening, settings } = ctx;
  const started = performance.now();
  const board = new Chess(opening.fen);
  const moves = [];
  const faults = [];
  const fault = (engine, kind, detail) => {
    if (kind === 'crash') engine.accounted = true;
    const f = { game: ctx.game, engine: engine.label, role: engine.role, kind, detail, io: engine.recent() };
    faults.push(f);
    return f;
  };
  const finish = (result, reason) => ({
    result,
    reason,
    faults,
    moves,
    plies: moves.length,
    startFen: opening.fen,
    fen: board.fen(),
    ms: performance.now() - started,
  });
  const forfeit = (loser, kind, detail) => {
    fault(loser, kind, detail);
    return finish(loser === white ? '0-1' : '1-0', kind);
  };

  for (const e of [white, black]) e.errorLines = [];

  // Both engines get ready; a failure here loses the game before a move is played.
  const prepFaults = [];
  for (const e of [white, black]) {
    const f = await prepare(e, settings, fault);
    if (f) prepFaults.push([e, f]);
  }
  if (prepFaults.length > 0) {
    for (const [e, f] of prepFaults) fault(e, f.kind, f.detail);
    const lost = new Set(prepFaults.map(([e]) => e));
    const result = lost.size === 2 ? '0-0' : lost.has(white) ? '0-1' : '1-0';
    return closeGame(ctx, finish(result, prepFaults[0][1].kind), fault);
  }

  const clock = { w: settings.tc ? settings.tc.base : 0, b: settings.tc ? settings.tc.base : 0 };
  for (;;) {
    const over = adjudicate(board);
    if (over) return closeGame(ctx, finish(over.result, over.reason), fault);

    const side = board.turn();
    const mover = side === 'w' ? white : black;
    const waiting = side === 'w' ? black : white;
    if (!waiting.alive) {
      return closeGame(ctx, forfeit(waiting, 'crash', `exited while the opponent was to move (${describeExit(waiting.exitInfo)})`), fault);
    }

    mover.drain();
    mover.send(positionCommand(opening.fen, moves));
    let go;
    let limit;
    if (settings.movetime) {
      go = `go movetime ${settings.movetime}`;
      limit = settings.movetime;
    } else {
      const { inc } = settings.tc;
      go = `go wtime ${Math.round(clock.w)} btime ${Math.round(clock.b)} winc ${inc} binc ${inc}`;
      limit = clock[side];
    }
    const sentAt = mover.send(go);
    if (sentAt === null) {
      return closeGame(ctx, forfeit(mover, 'crash', `exited before its move (${describeExit(mover.exitInfo || {})})`), fault);
    }
    const reply = await mover.waitFor((l) => firstToken(l) === 'bestmove', limit + settings.margin);
    const elapsed = (reply.kind === 'line' ? reply.at : performance.now()) - sentAt;

    if (reply.kind === 'exit') {
      return closeGame(ctx, forfeit(mover, 'crash', `exited while thinking (${describeExit(reply)})`), fault);
    }
    if (reply.kind === 'timeout') {
      const r = forfeit(mover, 'time-forfeit', `no bestmove within ${Math.round(limit)} + ${settings.margin} ms`);
      await abandonSearch(mover, settings.stopGrace);
      return closeGame(ctx, r, fault);
    }

    const st = ctx.stats(mover);
    st.moves += 1;
    st.totalMs += elapsed;
    st.maxMs = Math.max(st.maxMs, elapsed);
    if (elapsed > limit) st.overruns += 1;
    if (settings.tc) clock[side] = Math.max(0, clock[side] - elapsed) + settings.tc.inc;

    const parsed = parseBestmove(reply.line, board);
    if (parsed.fault) return closeGame(ctx, forfeit(mover, parsed.fault.kind, parsed.fault.detail), fault);
    board.move({ from: parsed.move.from, to: parsed.move.to, promotion: parsed.move.promotion });
    moves.push(parsed.text);
  }
}

// Starts the engine when it is not running, then ucinewgame and isready. Returns a fault or null.
async function prepare(engine, settings, fault) {
  if (engine.proc && !engine.alive && !engine.accounted) {
    fault(engine, 'crash', `exited between games (${describeExit(engine.exitInfo)})`);
  }
  if (!engine.alive) {
    const f = await engine.start(settings.startTimeout);
    if (f) {
      await engine.kill();
      return f;
    }
  }
  engine.send('ucinewgame');
  const f = await engine.sync(settings.startTimeout);
  if (f) await engine.kill();
  return f;
}

// After a lost-on-time move: ask the engine to stop; an engine that will not stop is killed
// and started afresh for the next game.
async function abandonSearch(engine, graceMs) {
  if (!engine.alive) return;
  engine.send('stop');
  const r = await engine.waitFor((l) => firstToken(l) === 'bestmove', graceMs);
  if (r.kind !== 'line') await engine.kill();
}

// The end of a game: one more isready round trip, so self-test lines written after the last
// bestmove are seen and an engine that died after its last move is found. Such faults are
// recorded with this game but do not change its result.
async function closeGame(ctx, record, fault) {
  for (const e of [ctx.white, ctx.black]) {
    if (e.alive) {
      const f = await e.sync(ctx.settings.startTimeout);
      if (f) {
        fault(e, f.kind, `${f.detail}, after the game ended`);
        await e.kill();
      }
    } else if (e.proc && !e.accounted) {
      fault(e, 'crash', `exited after the game ended (${describeExit(e.exitInfo)})`);
    }
    if (e.errorLines.length > 0) {
      const n = e.errorLines.length;
      fault(e, 'error-output', `${n} ERROR line${n > 1 ? 's' : ''}, first: "${e.errorLines[0]}"`);
      e.errorLines = [];
    }
  }
  return record;
}

module.exports = { playGame, adjudicate, parseBestmove, positionCommand };
