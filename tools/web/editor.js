// The floor editor page: the floor lives in the floor tools' module
// (quorrel-editor.js); this script draws it with the game's atlas, turns the
// mouse into cell edits, keeps undo as source texts, and runs the solver in
// a Worker.
'use strict';
(async function () {
  const $ = (id) => document.getElementById(id);
  const TILE = 16;
  const COLUMNS = 40;
  const SCREEN_ROWS = 30;
  const EXIT_CELL = 31;
  const SOLVE_BUDGET = 3000000;

  function showMessage(text, note) {
    const box = $('message');
    box.textContent = text;
    box.className = text ? (note ? 'shown note' : 'shown') : '';
  }

  // data.dat downloads while the module compiles.
  const dataFile = fetch('data.dat').then(async (response) => {
    if (!response.ok) throw new Error('data.dat: ' + response.status);
    return new Uint8Array(await response.arrayBuffer());
  });
  const m = await QuorrelEditor();
  const text = (name, ...args) =>
    m.ccall(name, 'string', args.map((a) => (typeof a === 'number' ? 'number' : 'string')), args);
  const json = (name, ...args) => JSON.parse(text(name, ...args));
  const run = (name, ...args) =>
    m.ccall(name, null, args.map((a) => (typeof a === 'number' ? 'number' : 'string')), args);

  // The atlas from data.dat, as the game reads it.
  let atlas = null;
  try {
    m.FS.writeFile('/data.dat', await dataFile);
    const at = m.ccall('qe_atlas_png', 'number', ['string'], ['/data.dat']);
    if (!at) throw new Error('data.dat holds no atlas');
    const png = m.HEAPU8.slice(at, at + m._qe_floor_dat_size());
    atlas = await createImageBitmap(new Blob([png], { type: 'image/png' }));
  } catch (error) {
    showMessage('The pictures could not be loaded (' + error.message + '); cells are drawn as their symbols.');
  }
  const pictures = json('qe_pictures');
  const legend = json('qe_legend');

  // ---- The floor and its history
  let floor = null;   // qe_state
  let actors = [];    // qe_actors
  let findings = [];  // qe_lint
  const undo = [];
  const redo = [];

  function refresh() {
    floor = json('qe_state');
    actors = json('qe_actors');
    findings = json('qe_lint');
    $('rows').value = floor.rows;
    $('start').max = Math.max(0, floor.rows - SCREEN_ROWS);
    $('start').value = floor.start;
    if (document.activeElement !== $('name')) $('name').value = floor.name;
    $('undo').disabled = undo.length === 0;
    $('redo').disabled = redo.length === 0;
    $('watch').disabled = floor.demo === 0;
    showLint();
    draw();
  }

  // Called before every change: what to go back to.
  function remember() {
    undo.push(text('qe_source'));
    if (undo.length > 500) undo.shift();
    redo.length = 0;
  }

  function travel(from, to) {
    if (!from.length) return;
    to.push(text('qe_source'));
    text('qe_open', from.pop());
    refresh();
  }

  // ---- Drawing
  const grid = $('grid');
  const ctx = grid.getContext('2d');
  let zoom = 2;

  function blit(rect, x, y, w, h) {
    if (!atlas || !rect || rect[2] <= rect[0]) return false;
    ctx.drawImage(atlas, rect[0], rect[1], rect[2] - rect[0], rect[3] - rect[1], x, y, w, h);
    return true;
  }

  function actorPicture(a) {
    if (a.kind === 2 || a.kind === 3) return pictures.lightBlocks[a.dir & 1];
    if (a.kind === 12 || a.kind === 13) return pictures.heavyBlocks[a.dir & 1];
    return pictures.kinds[a.kind];
  }

  function symbolOf(table, value) {
    const entry = table.find((e) => e.value === value);
    return entry ? entry.symbol : '?';
  }

  function mark(x, y, w, h, colour, width) {
    ctx.strokeStyle = colour;
    ctx.lineWidth = width;
    ctx.strokeRect(x + width / 2, y + width / 2, w - width, h - width);
  }

  function draw() {
    const height = floor.rows * TILE;
    if (grid.width !== 640 || grid.height !== height) {
      grid.width = 640;
      grid.height = height;
    }
    grid.style.width = 640 * zoom + 'px';
    grid.style.height = height * zoom + 'px';
    ctx.imageSmoothingEnabled = false;
    ctx.fillStyle = '#000';
    ctx.fillRect(0, 0, 640, height);
    const bg = pictures.background;
    for (let y = 0; y < height; y += bg[3] - bg[1]) blit(bg, 0, y, bg[2] - bg[0], bg[3] - bg[1]);
    ctx.font = '10px monospace';
    ctx.textAlign = 'center';
    ctx.textBaseline = 'middle';
    for (let r = 0; r < floor.rows; ++r) {
      for (let c = 0; c < COLUMNS; ++c) {
        const t = floor.tiles[r * COLUMNS + c];
        if (t === 0) continue;
        if (!blit(pictures.tiles[t], c * TILE, r * TILE, TILE, TILE) && !atlas) {
          ctx.fillStyle = '#aaa';
          ctx.fillText(symbolOf(legend.tiles, t), c * TILE + 8, r * TILE + 8);
        }
      }
    }
    for (const a of actors) {
      if (!blit(actorPicture(a), a.x, a.y, a.w, a.h)) mark(a.x, a.y, a.w, a.h, '#c6f', 1);
    }
    // Cells that spawn nothing visible: the exit cells, spawners, and any
    // object the world did not place (a second player).
    for (let r = 0; r < floor.rows; ++r) {
      for (let c = 0; c < COLUMNS; ++c) {
        const o = floor.objects[r * COLUMNS + c];
        if (o === 0) continue;
        const placed = actors.some((a) => a.kind === o && a.x === c * TILE);
        if (o === EXIT_CELL) {
          mark(c * TILE, r * TILE, TILE, TILE, '#0f4', 2);
        } else if (!placed || o === 14) {
          ctx.fillStyle = 'rgba(0,0,0,0.6)';
          ctx.fillRect(c * TILE, r * TILE, TILE, TILE);
          ctx.fillStyle = '#f8f';
          ctx.fillText(symbolOf(legend.objects, o), c * TILE + 8, r * TILE + 8);
        }
      }
    }
    mark(0, floor.start * TILE, 640, SCREEN_ROWS * TILE, 'rgba(255,224,0,0.8)', 2);
    for (const f of findings) {
      if (f.row < 0) continue;
      if (f.column < 0) mark(0, f.row * TILE, 640, TILE, '#f33', 2);
      else mark(f.column * TILE - 2, f.row * TILE - 2, TILE + 4, TILE + 4, '#f33', 2);
    }
    if (dragFrom && tool === 'rect' && dragTo) {
      const [c0, r0, c1, r1] = box(dragFrom, dragTo);
      mark(c0 * TILE, r0 * TILE, (c1 - c0 + 1) * TILE, (r1 - r0 + 1) * TILE, '#fff', 1);
    }
  }

  function showLint() {
    const list = $('lint');
    list.textContent = '';
    list.className = findings.length ? '' : 'clean';
    if (!findings.length) {
      const li = document.createElement('li');
      li.textContent = 'No faults.';
      list.appendChild(li);
    }
    for (const f of findings) {
      const li = document.createElement('li');
      li.textContent = (f.row >= 0 ? 'row ' + f.row + (f.column >= 0 ? ', column ' + f.column : '') + ': ' : '') + f.message;
      list.appendChild(li);
    }
  }

  // ---- Palette
  let choice = { layer: 0, value: 31 };
  const paletteButtons = [];

  function paintSwatch(canvas, layer, value) {
    const c = canvas.getContext('2d');
    c.imageSmoothingEnabled = false;
    let rect = null;
    if (layer === 0) rect = pictures.tiles[value];
    else if (value === 2 || value === 3) rect = pictures.lightBlocks[value - 2];
    else if (value === 12 || value === 13) rect = pictures.heavyBlocks[value - 12];
    else if (value >= 0 && value < pictures.kinds.length) rect = pictures.kinds[value];
    if (atlas && rect && rect[2] > rect[0]) {
      const w = rect[2] - rect[0], h = rect[3] - rect[1];
      const s = Math.min(32 / w, 32 / h);
      c.drawImage(atlas, rect[0], rect[1], w, h, (32 - w * s) / 2, (32 - h * s) / 2, w * s, h * s);
    } else {
      c.fillStyle = layer === 1 && value === EXIT_CELL ? '#0f4' : '#888';
      c.font = '16px monospace';
      c.textAlign = 'center';
      c.textBaseline = 'middle';
      c.fillText(layer === 0 ? symbolOf(legend.tiles, value) : symbolOf(legend.objects, value), 16, 16);
    }
  }

  function choose(layer, value) {
    choice = { layer, value };
    for (const b of paletteButtons) b.setAttribute('aria-pressed', String(b.layer === layer && b.value === value));
    const entry = (layer === 0 ? legend.tiles : legend.objects).find((e) => e.value === value);
    $('selected').textContent = (layer === 0 ? 'Terrain ' : 'Object ') + (entry ? "'" + entry.symbol + "' " + entry.meaning : value);
  }

  function buildPalette() {
    const nav = $('palette');
    for (const [layer, title, entries] of [[0, 'Terrain', legend.tiles], [1, 'Objects', legend.objects]]) {
      const h = document.createElement('h2');
      h.textContent = title;
      nav.appendChild(h);
      for (const e of entries) {
        const b = document.createElement('button');
        b.type = 'button';
        b.className = 'item';
        b.layer = layer;
        b.value = e.value;
        b.dataset.layer = layer === 0 ? 'terrain' : 'objects';
        b.dataset.symbol = e.symbol;
        b.title = e.meaning + (e.use ? ' (' + e.use + ')' : '');
        const swatch = document.createElement('canvas');
        swatch.width = swatch.height = 32;
        paintSwatch(swatch, layer, e.value);
        const code = document.createElement('code');
        code.textContent = e.symbol;
        const name = document.createElement('span');
        name.textContent = e.meaning;
        b.append(swatch, code, name);
        b.addEventListener('click', () => choose(layer, e.value));
        paletteButtons.push(b);
        nav.appendChild(b);
      }
    }
  }

  // ---- Tools on the grid
  let tool = 'draw';
  let dragFrom = null;
  let dragTo = null;

  function setTool(name) {
    tool = name;
    for (const b of document.querySelectorAll('#tools button')) b.setAttribute('aria-pressed', String(b.dataset.tool === name));
  }

  function cellAt(event) {
    const r = grid.getBoundingClientRect();
    const c = Math.floor(((event.clientX - r.left) / r.width) * COLUMNS);
    const row = Math.floor(((event.clientY - r.top) / r.height) * floor.rows);
    return [Math.max(0, Math.min(COLUMNS - 1, c)), Math.max(0, Math.min(floor.rows - 1, row))];
  }

  function box(a, b) {
    return [Math.min(a[0], b[0]), Math.min(a[1], b[1]), Math.max(a[0], b[0]), Math.max(a[1], b[1])];
  }

  function applyAt([c, r]) {
    const at = r * COLUMNS + c;
    if (tool === 'draw') {
      run('qe_set_cell', choice.layer, c, r, choice.value);
    } else if (tool === 'erase') {
      if (floor.objects[at] !== 0) run('qe_set_cell', 1, c, r, 0);
      else run('qe_set_cell', 0, c, r, 0);
    }
    refresh();
  }

  grid.addEventListener('pointerdown', (event) => {
    if (event.button !== 0) return;
    const cell = cellAt(event);
    if (tool === 'pick') {
      const at = cell[1] * COLUMNS + cell[0];
      if (floor.objects[at] !== 0) choose(1, floor.objects[at]);
      else choose(0, floor.tiles[at]);
      return;
    }
    grid.setPointerCapture(event.pointerId);
    remember();
    dragFrom = cell;
    dragTo = cell;
    if (tool !== 'rect') applyAt(cell);
    else draw();
  });
  grid.addEventListener('pointermove', (event) => {
    const cell = cellAt(event);
    const at = cell[1] * COLUMNS + cell[0];
    $('cell').textContent = 'column ' + cell[0] + ', row ' + cell[1] + ": '" + symbolOf(legend.tiles, floor.tiles[at]) +
      "' '" + symbolOf(legend.objects, floor.objects[at]) + "'";
    if (!dragFrom) return;
    if (cell[0] === dragTo[0] && cell[1] === dragTo[1]) return;
    dragTo = cell;
    if (tool === 'rect') draw();
    else applyAt(cell);
  });
  function endDrag() {
    if (!dragFrom) return;
    if (tool === 'rect') {
      const [c0, r0, c1, r1] = box(dragFrom, dragTo);
      for (let r = r0; r <= r1; ++r) for (let c = c0; c <= c1; ++c) run('qe_set_cell', choice.layer, c, r, choice.value);
    }
    dragFrom = dragTo = null;
    // A stroke that changed nothing leaves nothing to undo.
    if (undo.length && undo[undo.length - 1] === text('qe_source')) undo.pop();
    refresh();
  }
  grid.addEventListener('pointerup', endDrag);
  grid.addEventListener('pointercancel', endDrag);

  // ---- Header controls
  for (const b of document.querySelectorAll('#tools button')) b.addEventListener('click', () => setTool(b.dataset.tool));
  $('undo').addEventListener('click', () => travel(undo, redo));
  $('redo').addEventListener('click', () => travel(redo, undo));
  $('zoom').addEventListener('change', () => { zoom = Number($('zoom').value); draw(); });
  $('rows').addEventListener('change', () => {
    const rows = Math.round(Number($('rows').value));
    if (!(rows >= 30 && rows <= 120)) {
      showMessage('A floor has 30 to 120 rows.');
      refresh();
      return;
    }
    remember();
    run('qe_set_rows', rows);
    refresh();
  });
  $('start').addEventListener('change', () => {
    remember();
    run('qe_set_start', Math.round(Number($('start').value)) || 0);
    refresh();
  });
  $('name').addEventListener('change', () => {
    remember();
    run('qe_set_name', $('name').value);
    refresh();
  });
  $('new').addEventListener('click', () => {
    remember();
    text('qe_new', 30);
    refresh();
  });

  // ---- Open, save, share
  function openSource(source, from) {
    const before = text('qe_source');
    const result = json('qe_open', source);
    if (!result.ok) {
      showMessage(from + ' is not a floor source: line ' + result.line + ': ' + result.error);
      return false;
    }
    undo.push(before);
    redo.length = 0;
    showMessage('');
    refresh();
    return true;
  }
  $('open').addEventListener('click', () => $('file').click());
  $('file').addEventListener('change', async () => {
    const file = $('file').files[0];
    if (file) openSource(await file.text(), file.name);
    $('file').value = '';
  });
  $('save').addEventListener('click', () => {
    const blob = new Blob([text('qe_source')], { type: 'text/plain' });
    const a = document.createElement('a');
    a.href = URL.createObjectURL(blob);
    a.download = (floor.name.toLowerCase().replace(/[^a-z0-9]+/g, '-').replace(/^-|-$/g, '') || 'floor') + '.txt';
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  });
  function pageUrl(page) {
    return new URL(page, location.href).href.replace(/#.*$/, '');
  }
  $('share').addEventListener('click', () => {
    const link = text('qe_link');
    history.replaceState(null, '', '#' + link);
    const url = pageUrl('editor.html') + '#' + link;
    $('shareLink').value = url;
    $('shareLink').select();
    $('playLink').href = pageUrl('index.html') + '#floor=' + link;
    $('playLink').hidden = false;
    if (navigator.clipboard) navigator.clipboard.writeText(url).catch(() => {});
    showMessage('The link to this floor is in the Share box (' + url.length + ' characters).', true);
  });

  function openHash() {
    const link = decodeURIComponent(location.hash.slice(1));
    if (!link) return;
    const result = json('qe_open_link', link);
    if (!result.ok) {
      showMessage('The link does not hold a floor: ' + result.error + '. A new floor is shown instead.');
      return;
    }
    undo.length = redo.length = 0;
    showMessage('');
    refresh();
  }
  window.addEventListener('hashchange', openHash);

  // ---- Play and watch, in the game page over the editor
  function playInGame(how) {
    const frame = $('playFrame');
    frame.src = pageUrl('index.html') + '#floor=' + text('qe_link') + (how === 'demo' ? '&demo' : '');
    $('playBox').className = 'shown';
    frame.focus();
    frame.addEventListener('load', () => frame.contentWindow.focus(), { once: true });
  }
  function backToEditor() {
    if (!$('playBox').className) return;
    $('playBox').className = '';
    $('playFrame').src = 'about:blank';
    grid.focus();
  }
  window.addEventListener('message', (event) => {
    if (event.source === $('playFrame').contentWindow && event.data === 'quorrel-back') backToEditor();
  });
  $('play').addEventListener('click', () => playInGame('play'));
  $('watch').addEventListener('click', () => playInGame('demo'));

  // ---- Solve in a Worker
  let worker = null;
  function solveStatus(text, fraction) {
    $('solveStatus').textContent = text;
    $('fill').style.width = Math.max(0, Math.min(100, fraction * 100)) + '%';
  }
  function stopWorker() {
    if (worker) worker.terminate();
    worker = null;
    $('stop').disabled = true;
    $('solve').disabled = false;
  }
  $('solve').addEventListener('click', () => {
    stopWorker();
    const source = text('qe_source');
    worker = new Worker('solve-worker.js');
    $('stop').disabled = false;
    $('solve').disabled = true;
    solveStatus('Searching…', 0);
    worker.onmessage = (event) => {
      const d = event.data;
      if (d.progress !== undefined) {
        solveStatus('Searching… ' + d.progress.toLocaleString('en') + ' worlds', d.progress / SOLVE_BUDGET);
        return;
      }
      stopWorker();
      const r = d.result;
      if (d.error) {
        solveStatus('The solver failed: ' + d.error, 0);
      } else if (r.found) {
        // The floor may have been drawn on since: the way is kept only for the floor it was found on.
        if (text('qe_source') === source) {
          remember();
          text('qe_open', d.source);
          refresh();
        }
        solveStatus('Way found: ' + r.lifts + ' lift' + (r.lifts === 1 ? '' : 's') + ' (the fewest), ' + r.putDowns +
          ' put-down' + (r.putDowns === 1 ? '' : 's') + ', ' + r.steps + ' steps; ' + r.searched.toLocaleString('en') +
          ' worlds searched.', 1);
      } else if (r.exhausted) {
        solveStatus('This floor cannot be cleared: every world it can reach was searched (' +
          r.searched.toLocaleString('en') + ').', 1);
      } else if (r.searched > SOLVE_BUDGET) {
        solveStatus('The search ran out of its budget (' + SOLVE_BUDGET.toLocaleString('en') +
          ' worlds) without finding a way: the floor may still be clearable.', 1);
      } else {
        solveStatus('No way found; with creatures on the floor the search files them by tile, so this is no proof.', 1);
      }
    };
    worker.onerror = (event) => {
      stopWorker();
      solveStatus('The solver failed: ' + event.message, 0);
    };
    worker.postMessage({ source, budget: SOLVE_BUDGET });
  });
  $('stop').addEventListener('click', () => {
    stopWorker();
    solveStatus('Stopped.', 0);
  });

  // ---- Keys
  window.addEventListener('keydown', (event) => {
    if (event.target instanceof HTMLInputElement || event.target instanceof HTMLSelectElement) return;
    if (event.key === 'Escape') { backToEditor(); return; }
    const key = event.key.toLowerCase();
    if (event.ctrlKey && key === 'z') travel(undo, redo);
    else if (event.ctrlKey && key === 'y') travel(redo, undo);
    else if (!event.ctrlKey && { d: 1, e: 1, r: 1, p: 1 }[key]) setTool({ d: 'draw', e: 'erase', r: 'rect', p: 'pick' }[key]);
    else return;
    event.preventDefault();
  });

  // Twice size where the page has room for all 40 columns of it.
  if ($('gridBox').clientWidth < 640 * 2) $('zoom').value = '1';
  zoom = Number($('zoom').value);
  text('qe_new', 30);
  buildPalette();
  choose(0, 31);
  refresh();
  openHash();
  $('loading').remove();
  // The page's tests wait for this.
  window.editorReady = true;
})().catch((error) => {
  document.getElementById('loading').textContent = 'The editor could not start: ' + error.message;
  console.error(error);
});
