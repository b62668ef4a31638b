// The editor page's two figures, against the native build (a benchmark, not
// a test): how long the page takes to load and show its grid from a local
// server, and the solver's worlds per second in the page's Worker beside the
// native quorrel-floors on the same floor. Run from a folder where
// playwright-core is installed (make bench-web does it in build/web-test):
//   node web-editor.mjs WEB_DIR QUORREL_FLOORS FLOOR_SOURCE_DIR [FLOOR [LOADS [BUDGET]]]
// BUDGET (worlds, 3000000 by default) keeps a creature floor's search short.
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { chromium } from 'playwright-core';
import { serve } from './serve.mjs';

const [webDir, floorsTool, sources, floorArg = '3', loadsArg = '7', budgetArg = '3000000'] = process.argv.slice(2);
if (!sources) {
  console.error('usage: node web-editor.mjs WEB_DIR QUORREL_FLOORS FLOOR_SOURCE_DIR [FLOOR [LOADS [BUDGET]]]');
  process.exit(2);
}
const floor = Number(floorArg);
const budget = Number(budgetArg);
const source = readFileSync(join(sources, `floor-${String(floor).padStart(2, '0')}.txt`), 'utf8');
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

const server = await serve(resolve(webDir));
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({ executablePath: process.env.QUORREL_CHROMIUM || '/usr/bin/chromium' });
try {
  // A fresh page each time, from navigation start to the grid drawn.
  const loads = [];
  for (let i = 0; i < Number(loadsArg); ++i) {
    const page = await browser.newPage();
    const started = Date.now();
    await page.goto(base + 'editor.html');
    await page.waitForFunction(() => window.editorReady === true, null, { timeout: 60000, polling: 5 });
    loads.push(Date.now() - started);
    await page.close();
  }
  console.log(`editor page load to grid: median ${median(loads)} ms, fastest ${Math.min(...loads)} ms, slowest ${Math.max(...loads)} ms (${loads.length} loads)`);

  // The Worker's search, timed in the page from the message sent to the answer.
  const page = await browser.newPage();
  await page.goto(base + 'editor.html');
  await page.waitForFunction(() => window.editorReady === true, null, { timeout: 60000 });
  const web = await page.evaluate(({ text, budget }) => new Promise((done) => {
    const worker = new Worker('solve-worker.js');
    const started = performance.now();
    worker.onmessage = (event) => {
      if (event.data.progress !== undefined) return;
      worker.terminate();
      done({ ms: performance.now() - started, result: event.data.result });
    };
    worker.postMessage({ source: text, budget });
  }), { text: source, budget });
  const webRate = web.result.searched / (web.ms / 1000);
  console.log(`worker solve of floor ${floor}: ${web.result.searched} worlds expanded in ${(web.ms / 1000).toFixed(2)} s wall, ${Math.round(webRate)} worlds/s`);

  // Natively both clocks: the processor time is the search's own work, the
  // wall time is what the page's figure is comparable with on a busy machine.
  const started = Date.now();
  const native = spawnSync(floorsTool, ['solve', '--measure', '--max-states', String(budget), '--sources', sources, String(floor)], { encoding: 'utf8' });
  const wall = (Date.now() - started) / 1000;
  const figures = /expanded (\d+), ([\d.]+) s/.exec(native.stdout);
  if (!figures) throw new Error('no figures from ' + floorsTool + ': ' + native.stdout + native.stderr);
  const nativeRate = Number(figures[1]) / Number(figures[2]);
  const nativeWallRate = Number(figures[1]) / wall;
  console.log(`native solve of floor ${floor}: ${figures[1]} worlds expanded, ${figures[2]} s processor ` +
    `(${Math.round(nativeRate)} worlds/s), ${wall.toFixed(2)} s wall for the whole program (${Math.round(nativeWallRate)} worlds/s)`);
  console.log(`worker / native: ${(webRate / nativeRate).toFixed(2)} against processor time, ` +
    `${(webRate / nativeWallRate).toFixed(2)} against wall time`);
} finally {
  await browser.close();
  server.close();
}
