// The game in a real browser: Debian's chromium, headless, on the page that
// make web builds, served from 127.0.0.1. The screenshots stay in OUT_DIR.
//   QUORREL_WEB_DIR=build/web QUORREL_GAME_DIR=build/game \
//   QUORREL_HEADLESS=build/release/quorrel-headless QUORREL_WEB_TEST_OUT=build/web-test node --test tests/web
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { chromium } from 'playwright-core';
import { PNG } from 'pngjs';
import { serve } from './serve.mjs';

const WEB_DIR = resolve(process.env.QUORREL_WEB_DIR || 'build/web');
const GAME_DIR = resolve(process.env.QUORREL_GAME_DIR || 'build/game');
const HEADLESS = resolve(process.env.QUORREL_HEADLESS || 'build/release/quorrel-headless');
const OUT_DIR = resolve(process.env.QUORREL_WEB_TEST_OUT || 'build/web-test');
const BROWSER = process.env.QUORREL_CHROMIUM || '/usr/bin/chromium';

// The game's scene ids and play modes, as quorrel-headless logs them.
const SCENE = { idle: 0, title: 1, characterSelect: 2, play: 5, quitPrompt: 14 };
const DEMO_REPLAY = 2;
// The desktop's frame rule: one frame every 17 whole milliseconds.
const FRAMES_PER_SECOND = 1000 / 17;

let server;
let browser;
let pageUrl;

before(async () => {
  mkdirSync(OUT_DIR, { recursive: true });
  server = await serve(WEB_DIR);
  pageUrl = `http://127.0.0.1:${server.address().port}/`;
  browser = await chromium.launch({
    executablePath: BROWSER,
    // WebGL runs on the CPU, as there is no GPU here.
    args: ['--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
  });
});

after(async () => {
  await browser?.close();
  await new Promise((done) => (server ? server.close(done) : done()));
});

// Runs `play` on a fresh page with the game loaded and its first frame
// drawn, then closes the page, so that no game is left running to slow the
// next. Every console error and uncaught exception is kept in page.problems.
async function withGame(play, viewport = { width: 800, height: 600 }) {
  const page = await browser.newPage({ viewport });
  try {
    page.problems = [];
    page.on('console', (m) => { if (m.type() === 'error') page.problems.push(m.text()); });
    page.on('pageerror', (e) => page.problems.push(String(e)));
    await page.goto(pageUrl);
    await page.waitForFunction(() => window.Module && Module.calledRun && Module._quorrel_frames() > 0,
      null, { timeout: 60000 });
    await play(page);
  } finally {
    await page.close();
  }
}

const frames = (page) => page.evaluate(() => Module._quorrel_frames());
const scene = (page) => page.evaluate(() => Module._quorrel_scene());

async function waitForFrames(page, count) {
  const until = (await frames(page)) + count;
  await page.waitForFunction((n) => Module._quorrel_frames() >= n, until, { timeout: 60000, polling: 20 });
}

async function waitForScene(page, id, timeout = 30000) {
  await page.waitForFunction((s) => Module._quorrel_scene() === s, id, { timeout, polling: 20 });
}

// Held for a few game frames, so that the game's key poll sees it down.
async function press(page, key, holdFrames = 4) {
  await page.keyboard.down(key);
  await waitForFrames(page, holdFrames);
  await page.keyboard.up(key);
  await waitForFrames(page, 2);
}

// Moves the title menu's cursor and waits until the entry has slid in, as the
// menu drops a choice made before that.
async function menuDown(page, times) {
  for (let i = 0; i < times; ++i) await press(page, 'ArrowDown');
  await waitForFrames(page, 40);
}

// The canvas at its own size, 640 x 480, at the page's top-left corner (so
// on whole pixels), as PNG.
async function canvasShot(page, name) {
  await page.evaluate(() => {
    const style = Module.canvas.style;
    style.width = '640px';
    style.height = '480px';
    style.position = 'fixed';
    style.left = '0';
    style.top = '0';
  });
  const bytes = await page.screenshot({ path: resolve(OUT_DIR, name), clip: { x: 0, y: 0, width: 640, height: 480 } });
  return PNG.sync.read(bytes);
}

// How far two pictures of the same size are apart: the share of pixels whose
// colour differs by more than `step` in some channel, and the mean difference.
function compare(a, b, step = 24) {
  assert.equal(a.width, b.width);
  assert.equal(a.height, b.height);
  let differing = 0;
  let total = 0;
  for (let i = 0; i < a.data.length; i += 4) {
    let worst = 0;
    for (let c = 0; c < 3; ++c) {
      const d = Math.abs(a.data[i + c] - b.data[i + c]);
      total += d;
      worst = Math.max(worst, d);
    }
    if (worst > step) ++differing;
  }
  const pixels = a.width * a.height;
  return { differingShare: differing / pixels, meanDifference: total / (pixels * 3) };
}

function distinctColours(png) {
  const seen = new Set();
  for (let i = 0; i < png.data.length; i += 4) seen.add(png.data.readUInt32BE(i));
  return seen.size;
}

describe('the page', () => {
  test('has a title, an icon, a line on the keys, a canvas that keeps its aspect, and full screen', async () => {
    await withGame(async (page) => {
      assert.equal(await page.title(), 'Quorrel');
      const icon = await page.evaluate(() => document.querySelector('link[rel=icon]').href);
      assert.equal((await page.request.get(icon)).status(), 200, 'the icon is served');
      assert.match(await page.locator('footer').innerText(), /Space.*Esc/s);
      assert.equal(await page.locator('#loading').isVisible(), false, 'the loading bar has gone');
      const box = await page.locator('#canvas').boundingBox();
      assert.ok(Math.abs(box.width / box.height - 4 / 3) < 0.01, `canvas ${box.width} x ${box.height}`);
      assert.ok(box.height > 700 && box.height <= 800, 'the canvas fills the height the page leaves it');
      await page.screenshot({ path: resolve(OUT_DIR, 'page.png') });

      await page.locator('#fullscreen').click();
      await page.waitForFunction(() => document.fullscreenElement?.id === 'stage', null, { timeout: 10000 });
      await page.keyboard.press('Escape');
      assert.deepEqual(page.problems, []);
    }, { width: 1280, height: 800 });
  });
});

describe('the game in the browser', () => {
  test('starts on the title, drawn as quorrel-headless draws it', async () => {
    await withGame(async (page) => {
      await waitForFrames(page, 120);
      assert.equal(await scene(page), SCENE.title);
      const browserTitle = await canvasShot(page, 'title.png');

      // The title has stopped moving well before frame 120.
      const script = resolve(OUT_DIR, 'title-script.txt');
      const reference = resolve(OUT_DIR, 'title-headless.png');
      writeFileSync(script, `120 shot ${reference}\n`);
      const run = spawnSync(HEADLESS, ['--script', script, '--frames', '121'], { cwd: GAME_DIR, encoding: 'utf8' });
      assert.equal(run.status, 0, run.stderr);
      const headlessTitle = PNG.sync.read(readFileSync(reference));

      const { differingShare, meanDifference } = compare(browserTitle, headlessTitle);
      console.log(`title: ${(differingShare * 100).toFixed(3)}% of pixels differ, mean difference ${meanDifference.toFixed(3)}`);
      assert.ok(differingShare < 0.01, `${(differingShare * 100).toFixed(2)}% of the pixels differ`);
      assert.ok(meanDifference < 2, `mean difference ${meanDifference}`);
      assert.deepEqual(page.problems, []);
    });
  });

  test('starts its sound with the first key press, then goes from Enter to floor 1 and plays', async () => {
    await withGame(async (page) => {
      const soundState = () => page.evaluate(() => Module.SDL2?.audioContext?.state ?? 'none');
      // Headless chromium lets any page play sound; held back, as a browser a
      // person uses would hold it until a key press, the sound must come on
      // with the next key.
      await page.evaluate(() => Module.SDL2.audioContext.suspend());
      assert.equal(await soundState(), 'suspended');
      await waitForFrames(page, 60);
      await press(page, 'Enter');
      assert.equal(await soundState(), 'running', 'the first key press starts the sound');

      await waitForScene(page, SCENE.characterSelect);
      await waitForFrames(page, 30);
      await press(page, 'Enter');
      await waitForScene(page, SCENE.play);
      assert.equal(await page.evaluate(() => Module._quorrel_floor()), 1);

      // A few seconds of walking and climbing.
      for (const [key, hold] of [['ArrowRight', 60], ['ArrowUp', 30], ['ArrowLeft', 40], ['Space', 4], ['ArrowRight', 30]]) {
        await press(page, key, hold);
      }
      const play = await canvasShot(page, 'play.png');
      assert.ok(distinctColours(play) > 16, 'the floor is drawn');
      assert.notEqual(await scene(page), SCENE.idle);
      assert.equal(await soundState(), 'running', 'the sound is still on');
      // Stopped again later (the browser may do so), the next key brings it back.
      await page.evaluate(() => Module.SDL2.audioContext.suspend());
      await press(page, 'ArrowLeft');
      assert.equal(await soundState(), 'running', 'the sound came back');
      assert.deepEqual(page.problems, []);
    });
  });

  test('replays the demo for a minute of game time at the desktop speed without an error', async () => {
    await withGame(async (page) => {
      await waitForFrames(page, 60);
      await menuDown(page, 4);
      await press(page, 'Enter');
      await waitForScene(page, SCENE.characterSelect);
      await waitForFrames(page, 30);
      await press(page, 'Enter');
      await waitForScene(page, SCENE.play);
      assert.equal(await page.evaluate(() => Module._quorrel_play_mode()), DEMO_REPLAY);
      const start = await frames(page);

      // Game frames and the page's refreshes against the page's clock over ten seconds.
      const measured = await page.evaluate(() => new Promise((done) => {
        const t0 = performance.now();
        const f0 = Module._quorrel_frames();
        let refreshes = 0;
        const count = () => {
          ++refreshes;
          const t = performance.now();
          if (t - t0 >= 10000) done({ frames: Module._quorrel_frames() - f0, ms: t - t0, refreshes });
          else requestAnimationFrame(count);
        };
        requestAnimationFrame(count);
      }));
      const expected = (measured.ms / 1000) * FRAMES_PER_SECOND;
      // A browser starved of time by a busy machine refreshes less often than
      // the game's rate; each of its refreshes then runs one frame.
      const reachable = Math.min(expected, measured.refreshes);
      console.log(`speed: ${measured.frames} frames in ${measured.ms.toFixed(0)} ms over ${measured.refreshes} refreshes ` +
                  `(${expected.toFixed(1)} at the desktop's rate)`);
      assert.ok(measured.frames <= expected * 1.02, `${measured.frames} frames: faster than the desktop's ${expected.toFixed(1)}`);
      assert.ok(measured.frames >= reachable * 0.98,
        `${measured.frames} frames, ${reachable.toFixed(1)} expected from ${measured.refreshes} refreshes`);

      await page.waitForFunction((n) => Module._quorrel_frames() >= n, start + Math.ceil(60 * FRAMES_PER_SECOND),
        { timeout: 600000, polling: 500 });
      await canvasShot(page, 'demo.png');
      assert.notEqual(await scene(page), SCENE.idle, 'the game is still running');
      assert.deepEqual(page.problems, []);
    });
  });

  test('says thanks for playing when the player quits from the menu', async () => {
    await withGame(async (page) => {
      await waitForFrames(page, 60);
      await menuDown(page, 2);
      await press(page, 'Enter');
      await waitForScene(page, SCENE.quitPrompt);
      await menuDown(page, 1);
      // The game ends on this key, so no frame follows to wait for.
      await page.keyboard.down('Enter');
      await page.locator('#ended').waitFor({ state: 'visible', timeout: 10000 });
      assert.equal(await page.locator('#canvas').isVisible(), false);
      assert.match(await page.locator('#ended').innerText(), /Thanks for playing/);
      await page.screenshot({ path: resolve(OUT_DIR, 'ended.png') });
      assert.deepEqual(page.problems, []);
    });
  });
});
