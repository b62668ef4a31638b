// A small static file server for the game's page, on the loopback address
// only. The tests start it themselves; to play:
//   node tests/web/serve.mjs build/web 8000   (then open http://127.0.0.1:8000/)
import { createServer } from 'node:http';
import { createReadStream, statSync } from 'node:fs';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { pathToFileURL } from 'node:url';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  // The browser compiles the program while it downloads only when told it is WebAssembly.
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.dat': 'application/octet-stream',
};

// Serves `root` on 127.0.0.1 at `port` (0: any free one); resolves to the server.
export function serve(root, port = 0) {
  const base = resolve(root);
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    let file = normalize(join(base, path.endsWith('/') ? path + 'index.html' : path));
    if (file !== base && !file.startsWith(base + sep)) {
      response.writeHead(403).end();
      return;
    }
    let info;
    try {
      info = statSync(file);
    } catch {
      response.writeHead(404).end();
      return;
    }
    if (!info.isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {
      'Content-Type': TYPES[extname(file)] || 'application/octet-stream',
      'Content-Length': info.size,
      'Cache-Control': 'no-cache',
    });
    createReadStream(file).pipe(response);
  });
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () => done(server));
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const server = await serve(process.argv[2] || 'build/web', Number(process.argv[3] || 8000));
  console.log(`Quorrel at http://127.0.0.1:${server.address().port}/`);
}
