// The floor editor page in Debian's chromium: a floor drawn with the mouse is
// linted as it is drawn, played to its exit in the game page, solved,
// saved and opened again, shared as a link; damaged links are explained.
// The saved source also compiles with the desktop's quorrel-floors and its
// way clears it in the desktop's quorrel-sim. Run as web.test.mjs is, with
//   QUORREL_FLOORS=build/release/quorrel-floors QUORREL_SIM=build/release/quorrel-sim
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { chromium } from 'playwright-core';
import { serve } from './serve.mjs';

const WEB_DIR = resolve(process.env.QUORREL_WEB_DIR || 'build/web');
const OUT_DIR = resolve(process.env.QUORREL_WEB_TEST_OUT || 'build/web-test');
const FLOORS = resolve(process.env.QUORREL_FLOORS || 'build/release/quorrel-floors');
const SIM = resolve(process.env.QUORREL_SIM || 'build/release/quorrel-sim');
const BROWSER = process.env.QUORREL_CHROMIUM || '/usr/bin/chromium';
const PLAY_SCENE = 5;
// How long a wait may take before the page is judged stuck: the game runs in
// software WebGL, and on a busy machine its frames come slowly.
const PATIENCE = 300000;

let server;
let browser;
let base;

before(async () => {
  server = await serve(WEB_DIR);
  base = `http://127.0.0.1:${server.address().port}/`;
  browser = await chromium.launch({ executablePath: BROWSER, args: ['--use-angle=swiftshader', '--enable-unsafe-swiftshader'] });
});

after(async () => {
  await browser?.close();
  await new Promise((done) => (server ? server.close(done) : done()));
});

async function openEditor(hash = '') {
  const page = await browser.newPage({ viewport: { width: 1500, height: 1000 }, acceptDownloads: true });
  page.problems = [];
  page.on('pageerror', (e) => page.problems.push(String(e)));
  page.on('console', (m) => { if (m.type() === 'error') page.problems.push(m.text()); });
  await page.goto(base + 'editor.html' + hash);
  await page.waitForFunction(() => window.editorReady === true, null, { timeout: PATIENCE });
  return page;
}

// Clicks the middle of a cell of the grid, whatever its zoom and scroll.
async function clickCell(page, column, row) {
  const cell = await page.evaluate(([c, r]) => {
    const grid = document.getElementById('grid');
    const rows = grid.height / 16;
    const scale = grid.getBoundingClientRect().width / 640;
    grid.parentElement.scrollTo(c * 16 * scale - 100, r * 16 * scale - 100);
    const box = grid.getBoundingClientRect();
    return { x: box.left + (c + 0.5) * (box.width / 40), y: box.top + (r + 0.5) * (box.height / rows) };
  }, [column, row]);
  await page.mouse.click(cell.x, cell.y);
}

const choose = (page, layer, symbol) => page.click(`#palette button[data-layer="${layer}"][data-symbol="${symbol}"]`);
const lint = (page) => page.locator('#lint').innerText();
const gridPixels = (page) => page.evaluate(() => document.getElementById('grid').toDataURL());

// The game page in the editor's Play frame once it has loaded the address
// the editor gave it (the frame starts blank, so it is waited for).
async function gameFrame(page, url) {
  await page.waitForFunction((source) => new RegExp(source).test(document.getElementById('playFrame').src), url.source);
  for (let tries = 0; tries < PATIENCE / 100; ++tries) {
    const frame = page.frames().find((f) => url.test(f.url()));
    if (frame) return frame;
    await page.waitForTimeout(100);
  }
  throw new Error('the play frame never loaded ' + url);
}

async function save(page) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save')]);
  return readFileSync(await download.path(), 'utf8');
}

// The small floor every check below uses: a new 30-row floor (stone walls and
// bottom row), the player at column 3 and a narrow door with its exit at 8.
async function drawWalkRightFloor(page) {
  await page.click('#new');
  await choose(page, 'objects', 'P');
  await clickCell(page, 3, 27);
  assert.match(await lint(page), /no exit/);
  await choose(page, 'terrain', 'n');
  await clickCell(page, 8, 26);
  await choose(page, 'terrain', 'd');
  await clickCell(page, 8, 27);
  await choose(page, 'objects', 'E');
  await clickCell(page, 8, 27);
  assert.equal(await lint(page), 'No faults.');
}

test('a floor drawn with clicks is linted at once, plays to its exit, solves, saves and shares', async () => {
  const page = await openEditor();
  const tmp = mkdtempSync(join(tmpdir(), 'quorrel-editor-'));
  try {
    await drawWalkRightFloor(page);
    await page.evaluate(() => document.getElementById('gridBox').scrollTo(0, 1e6));
    await page.screenshot({ path: join(OUT_DIR, 'editor-drawn.png') });

    // A gap in the wall: named with its cell, and gone again on undo.
    await page.click('#tools button[data-tool="erase"]');
    await clickCell(page, 39, 27);
    assert.match(await lint(page), /row 27, column 39: the player .* can leave the floor sideways/);
    await page.screenshot({ path: join(OUT_DIR, 'editor-lint.png') });
    await page.click('#undo');
    assert.equal(await lint(page), 'No faults.');
    await page.click('#tools button[data-tool="draw"]');

    // Played in the game page over the editor: walking right clears it (the
    // set goes on to its second place), and Esc comes back.
    await page.click('#play');
    const game = page.frameLocator('#playFrame');
    const frame = await gameFrame(page, /index\.html#floor=[^&]*$/);
    await frame.waitForFunction((s) => window.Module && Module.calledRun && Module._quorrel_scene() === s, PLAY_SCENE, { timeout: PATIENCE });
    await game.locator('canvas').click();
    await page.screenshot({ path: join(OUT_DIR, 'editor-play.png') });
    await page.keyboard.down('ArrowRight');
    await frame.waitForFunction(() => Module._quorrel_floor() === 2, null, { timeout: PATIENCE, polling: 50 });
    await page.keyboard.up('ArrowRight');
    await page.keyboard.press('Escape');
    await page.waitForFunction(() => !document.getElementById('playBox').className);
    assert.equal(await lint(page), 'No faults.');

    // Solved in the Worker: no block, so no lift; the way becomes the demo.
    await page.click('#solve');
    await page.waitForFunction(() => /Way found/.test(document.getElementById('solveStatus').textContent), null, { timeout: PATIENCE });
    assert.match(await page.locator('#solveStatus').innerText(), /Way found: 0 lifts/);
    // The way watched as the game plays a demo: it clears the floor by itself.
    await page.click('#watch');
    const demo = await gameFrame(page, /index\.html#floor=.*&demo$/);
    await demo.waitForFunction(() => window.Module && Module.calledRun && Module._quorrel_play_mode() === 2, null, { timeout: PATIENCE });
    await demo.waitForFunction(() => Module._quorrel_floor() === 2, null, { timeout: PATIENCE, polling: 50 });
    await page.keyboard.press('Escape');
    await page.waitForFunction(() => !document.getElementById('playBox').className);

    // Saved, opened again and saved: the same bytes; the desktop's tools
    // compile it and its way clears it.
    const saved = await save(page);
    assert.match(saved, /^name: My floor$/m);
    assert.match(saved, /^demo:$/m);
    writeFileSync(join(tmp, 'mine.txt'), saved);
    await page.click('#new');
    await page.setInputFiles('#file', join(tmp, 'mine.txt'));
    await page.waitForFunction(() => document.getElementById('watch').disabled === false);
    assert.equal(await save(page), saved);
    const compiled = spawnSync(FLOORS, ['compile', '--floor', join(tmp, 'mine.txt'), '--out', join(tmp, 'mine.dat')], { encoding: 'utf8' });
    assert.equal(compiled.status, 0, compiled.stderr);
    const played = spawnSync(SIM, ['--floors', join(tmp, 'mine.dat'), '--floor', '1'], { encoding: 'utf8' });
    assert.equal(played.status, 0, played.stderr);
    assert.match(played.stdout, /"result":0,/);

    // The share link opens the same grid in a new page.
    await page.click('#share');
    const link = await page.inputValue('#shareLink');
    assert.match(link, /editor\.html#q1[A-Za-z0-9_-]+$/);
    const shared = await openEditor(link.slice(link.indexOf('#')));
    assert.equal(await gridPixels(shared), await gridPixels(page));
    assert.equal(await save(shared), saved);
    await shared.close();
    assert.deepEqual(page.problems, []);
  } finally {
    await page.close();
  }
});

test('a damaged link shows its message in the editor and in the game page', async () => {
  const page = await openEditor('#q1AbCdEf');
  assert.match(await page.locator('#message').innerText(), /does not hold a floor: this floor link is damaged/);
  assert.match(await lint(page), /no player/);  // the new floor shown in its place
  await page.screenshot({ path: join(OUT_DIR, 'editor-bad-link.png') });
  await page.close();

  const game = await browser.newPage();
  await game.goto(base + 'index.html#floor=q1notafloor');
  await game.waitForFunction(() => /cannot be played/.test(document.getElementById('status').textContent), null, { timeout: PATIENCE });
  assert.match(await game.locator('#status a').getAttribute('href'), /editor\.html/);
  await game.close();
});
