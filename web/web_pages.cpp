#include "web/web_pages.h"

#include <string>

#include "texts/japanese.h"

namespace palvo {

namespace {

std::string Join(std::initializer_list<std::string_view> parts)
{
    std::string out;
    for (const std::string_view part : parts) {
        out += part;
    }
    return out;
}

// Shared by the page and the overlay: follows /events, reconnects by itself (the browser sends
// Last-Event-ID and the service answers with what was missed), and starts over when the line has
// gone quiet for longer than three of the service's keep-alive pings.
constexpr std::string_view kFollowScript = R"JS('use strict';
function palvoFollow(onState, onLink) {
  let source = null;
  let quiet = null;
  function watch() {
    clearTimeout(quiet);
    quiet = setTimeout(restart, 50000);
  }
  function restart() {
    if (source) source.close();
    onLink(false);
    setTimeout(open, 1000);
  }
  function open() {
    source = new EventSource('/events');
    source.onopen = () => { onLink(true); watch(); };
    source.onmessage = (event) => { watch(); onState(JSON.parse(event.data)); };
    source.addEventListener('ping', watch);
    source.onerror = () => {
      onLink(false);
      if (source.readyState === EventSource.CLOSED) restart();
    };
    watch();
  }
  open();
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible') {
      fetch('/state', {cache: 'no-store'}).then((r) => r.json()).then(onState).catch(() => {});
    }
  });
}
)JS";

constexpr std::string_view kPlayerScript = R"JS(
const byId = (id) => document.getElementById(id);
let shown = null;
let card = null;

function lastFive(state) {
  return state.called.slice(-6, -1).reverse();
}

// The cards' five columns: 1 ... numMax split as evenly as possible, the longer ranges first;
// none below 25 or above 99, where there are no cards and the hall keeps its rows.
function columnRanges(numMax) {
  if (numMax < 25 || numMax > 99) return null;
  const ranges = [];
  let next = 1;
  for (let column = 0; column < 5; ++column) {
    const size = Math.floor(numMax / 5) + (column < numMax % 5 ? 1 : 0);
    ranges.push([next, next + size - 1]);
    next += size;
  }
  return ranges;
}

function numberCell(board, n) {
  const cell = document.createElement('span');
  cell.textContent = n;
  cell.dataset.n = n;
  board.appendChild(cell);
}

// As the hall's board: rows of ten, or one labelled row per column of the cards (B I N G O).
function drawBoard(state) {
  const board = byId('board');
  const ranges = state.columns ? columnRanges(state.numMax) : null;
  const layout = (ranges ? 'columns ' : 'rows ') + state.numMax;
  if (board.dataset.layout !== layout) {
    board.dataset.layout = layout;
    board.textContent = '';
    board.classList.toggle('bands', ranges !== null);
    board.style.gridTemplateColumns = '';
    if (ranges) {
      board.style.gridTemplateColumns = 'auto repeat(' + (ranges[0][1] - ranges[0][0] + 1) + ', 1fr)';
      ranges.forEach(([first, last], column) => {
        const label = document.createElement('b');
        label.textContent = 'BINGO'[column];
        board.appendChild(label);
        for (let n = first; n <= last; ++n) numberCell(board, n);
      });
    } else {
      for (let n = 1; n <= state.numMax; ++n) numberCell(board, n);
    }
  }
  const called = new Set(state.called);
  board.querySelectorAll('span').forEach((cell) => {
    const n = Number(cell.dataset.n);
    cell.className = called.has(n) ? (n === state.newest ? 'lit newest' : 'lit') : '';
  });
}

function cardLines(marked, columns, rows) {
  const lines = [];
  for (let r = 0; r < rows; ++r) lines.push([...Array(columns).keys()].map((c) => r * columns + c));
  for (let c = 0; c < columns; ++c) lines.push([...Array(rows).keys()].map((r) => r * columns + c));
  if (columns === rows) {
    lines.push([...Array(rows).keys()].map((i) => i * columns + i));
    lines.push([...Array(rows).keys()].map((i) => i * columns + columns - 1 - i));
  }
  return lines.filter((line) => line.every((i) => marked[i]));
}

function drawCard() {
  const grid = byId('card-grid');
  const entry = byId('card-entry');
  const shownCard = byId('card-shown');
  if (!card) {
    entry.hidden = false;
    shownCard.hidden = true;
    byId('bingo').hidden = true;
    return;
  }
  entry.hidden = true;
  shownCard.hidden = false;
  byId('card-code').textContent = card.code;
  grid.style.gridTemplateColumns = 'repeat(' + card.columns + ', 1fr)';
  const called = new Set(shown ? shown.called : []);
  const marked = card.cells.map((n) => n === null || called.has(n));
  grid.textContent = '';
  // A printed card of five columns has B I N G O over them: the phone shows the same.
  if (card.columns === 5) {
    [...'BINGO'].forEach((letter) => {
      const head = document.createElement('b');
      head.textContent = letter;
      grid.appendChild(head);
    });
  }
  card.cells.forEach((n, i) => {
    const cell = document.createElement('span');
    cell.textContent = n === null ? grid.dataset.free : n;
    if (marked[i]) cell.className = 'marked';
    grid.appendChild(cell);
  });
  byId('bingo').hidden = cardLines(marked, card.columns, card.rows).length === 0;
}

function showState(state) {
  if (shown && state.game === shown.game && state.seq < shown.seq) return;
  shown = state;
  byId('current').textContent = state.newest === null ? '--' : state.newest;
  byId('count').textContent = state.count + ' / ' + state.numMax;
  byId('over').hidden = !state.over;
  const recent = byId('recent');
  recent.textContent = '';
  lastFive(state).forEach((n) => {
    const item = document.createElement('li');
    item.textContent = n;
    recent.appendChild(item);
  });
  drawBoard(state);
  drawCard();
}

function showLink(up) {
  byId('link').hidden = up;
}

function loadCard(code) {
  return fetch('/card/' + encodeURIComponent(code), {cache: 'no-store'}).then((r) => {
    if (!r.ok) throw new Error('no card');
    return r.json();
  });
}

byId('card-form').addEventListener('submit', (event) => {
  event.preventDefault();
  const code = byId('card-input').value.trim();
  loadCard(code).then((found) => {
    card = found;
    localStorage.setItem('palvo-card', code);
    byId('card-missing').hidden = true;
    drawCard();
  }).catch(() => { byId('card-missing').hidden = false; });
});
byId('card-forget').addEventListener('click', () => {
  card = null;
  localStorage.removeItem('palvo-card');
  drawCard();
});
const kept = localStorage.getItem('palvo-card');
if (kept) loadCard(kept).then((found) => { card = found; drawCard(); }).catch(() => {});
palvoFollow(showState, showLink);
)JS";

constexpr std::string_view kOverlayScript = R"JS(
palvoFollow((state) => {
  document.getElementById('current').textContent = state.newest === null ? '' : state.newest;
  const recent = document.getElementById('recent');
  recent.textContent = '';
  state.called.slice(-6, -1).reverse().forEach((n) => {
    const item = document.createElement('li');
    item.textContent = n;
    recent.appendChild(item);
  });
}, () => {});
)JS";

constexpr std::string_view kStyleSheet = R"CSS(
:root { color-scheme: dark; --lit: #ffd23f; --ink: #f4f4f4; --dim: #5a6478; --ground: #101726; }
* { box-sizing: border-box; }
body { margin: 0; font-family: "IPAGothic", "Hiragino Sans", "Noto Sans JP", sans-serif;
  background: var(--ground); color: var(--ink); }
main.player { display: grid; gap: 12px; padding: 12px; max-width: 1800px; margin: 0 auto;
  grid-template-columns: 1fr; }
h1 { font-size: 1rem; margin: 0; color: var(--dim); }
h2 { font-size: 1rem; margin: 0 0 6px; color: var(--dim); font-weight: normal; }
#link { background: #8a3b12; padding: 6px 12px; border-radius: 6px; }
.now { display: flex; align-items: center; justify-content: space-between; gap: 12px; }
#current { font-size: min(38vw, 40vh); line-height: 1; font-weight: bold; color: var(--lit);
  font-variant-numeric: tabular-nums; }
#count { font-size: 2rem; font-variant-numeric: tabular-nums; }
#over { font-size: 2.4rem; color: #ff6b6b; font-weight: bold; }
ol.recent { list-style: none; display: flex; gap: 8px; padding: 0; margin: 0; flex-wrap: wrap; }
ol.recent li { font-size: 1.8rem; min-width: 2.4em; text-align: center; padding: 4px 0;
  border: 2px solid var(--dim); border-radius: 8px; }
#board { display: grid; grid-template-columns: repeat(10, 1fr); gap: 3px; }
#board span { text-align: center; padding: 4px 0; border-radius: 4px; color: var(--dim);
  font-variant-numeric: tabular-nums; }
#board span.lit { background: #2d4a7a; color: var(--ink); }
#board span.newest { background: var(--lit); color: #000; font-weight: bold; }
#board.bands { gap: 2px; }
#board.bands b { grid-column: 1; color: var(--lit); text-align: center; padding: 4px 6px 4px 0;
  font-size: 1.2rem; }
#board.bands span { font-size: min(1rem, 3.4vw); padding: 5px 0; }
#card-grid { display: grid; gap: 4px; max-width: 420px; }
#card-grid span { text-align: center; padding: 10px 0; border: 1px solid var(--dim);
  border-radius: 6px; font-size: 1.3rem; }
#card-grid span.marked { background: #b83280; border-color: #b83280; }
#card-grid b { text-align: center; color: var(--lit); font-size: 1.3rem; }
#bingo { font-size: 2.4rem; font-weight: bold; color: #000; background: var(--lit);
  padding: 8px 16px; border-radius: 8px; margin-top: 8px; }
#bingo small { display: block; font-size: 1rem; font-weight: normal; }
input, button { font-size: 1.1rem; padding: 6px 10px; }
.missing { color: #ff6b6b; }
[hidden] { display: none !important; }
@media (orientation: landscape) and (min-width: 700px) {
  main.player { grid-template-columns: minmax(0, 2fr) minmax(0, 3fr); }
  main.player > header { grid-column: 1 / -1; }
  #current { font-size: min(24vw, 50vh); }
  #board { grid-template-columns: repeat(15, 1fr); }
}
@media (min-width: 1200px) {
  #board span, #board.bands span { font-size: 1.7rem; padding: 10px 0; }
  #board.bands b { font-size: 2rem; }
  #count { font-size: 3rem; }
}
body.overlay { background: transparent; }
main.overlay { display: flex; align-items: flex-end; gap: 24px; padding: 16px; }
main.overlay #current { font-size: 30vh; text-shadow: 0 0 12px #000, 0 0 4px #000; }
main.overlay ol.recent li { background: rgba(0, 0, 0, 0.55); font-size: 8vh; }
)CSS";

}  // namespace

std::string_view PlayerScript()
{
    static const std::string script = Join({kFollowScript, kPlayerScript});
    return script;
}

std::string_view OverlayScript()
{
    static const std::string script = Join({kFollowScript, kOverlayScript});
    return script;
}

std::string_view StyleSheet()
{
    return kStyleSheet;
}

std::string_view Icon()
{
    return R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 32 32">)"
           R"(<rect width="32" height="32" rx="6" fill="#101726"/>)"
           R"(<circle cx="16" cy="16" r="13" fill="#ffd23f"/>)"
           R"(<circle cx="16" cy="16" r="7.5" fill="#f4f4f4"/>)"
           R"(<rect x="14.5" y="11.5" width="3" height="9" fill="#101726"/></svg>)";
}

std::string_view PlayerPage()
{
    using namespace texts;
    static const std::string page = Join({
        R"(<!DOCTYPE html><html lang="ja"><head><meta charset="utf-8">)",
        R"(<meta name="viewport" content="width=device-width, initial-scale=1">)",
        R"(<title>)",
        kWebPageTitle,
        R"(</title><link rel="stylesheet" href="/palvo.css">)",
        R"(<link rel="icon" href="/favicon.svg" type="image/svg+xml"></head>)",
        R"(<body><main class="player"><header><h1>)",
        kWebPageTitle,
        R"(</h1>)",
        R"(<div id="link">)",
        kWebWaiting,
        R"(</div></header>)",
        R"(<section><h2>)",
        kWebCurrentNumber,
        R"(</h2><div class="now"><div id="current">--</div>)",
        R"(<div><div id="count">0 / 0</div><div id="over" hidden>)",
        kWebGameOver,
        R"(</div></div></div>)",
        R"(<h2>)",
        kWebRecentNumbers,
        R"(</h2><ol id="recent" class="recent"></ol>)",
        R"(<div id="card"><h2>)",
        kWebCardHeading,
        R"(</h2>)",
        R"(<div id="card-entry"><form id="card-form"><label>)",
        kWebCardCodeLabel,
        R"( <input id="card-input" autocomplete="off" maxlength="32" pattern="[A-Za-z0-9-]+"></label> )",
        R"(<button>)",
        kWebCardShow,
        R"(</button></form><p id="card-missing" class="missing" hidden>)",
        kWebCardNotFound,
        R"(</p></div><div id="card-shown" hidden><p><span id="card-code"></span> )",
        R"(<button id="card-forget" type="button">)",
        kWebCardForget,
        R"(</button></p>)",
        R"(<div id="card-grid" data-free=")",
        kWebCardFree,
        R"("></div><div id="bingo" hidden>)",
        kWebBingo,
        R"(<small>)",
        kWebBingoNote,
        R"(</small></div></div>)",
        R"(</div></section>)",
        R"(<section><h2>)",
        kWebBoard,
        R"(</h2><div id="board"></div></section>)",
        R"(</main><script src="/palvo.js"></script></body></html>)",
    });
    return page;
}

std::string_view OverlayPage()
{
    static const std::string page = Join({
        R"(<!DOCTYPE html><html lang="ja"><head><meta charset="utf-8"><title>)",
        texts::kWebPageTitle,
        R"(</title><link rel="stylesheet" href="/palvo.css">)",
        R"(<link rel="icon" href="/favicon.svg" type="image/svg+xml"></head>)",
        R"(<body class="overlay"><main class="overlay"><div id="current"></div>)",
        R"(<ol id="recent" class="recent"></ol></main><script src="/overlay.js"></script></body></html>)",
    });
    return page;
}

}  // namespace palvo
