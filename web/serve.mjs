// A static server for the built folder on 127.0.0.1: `make web-serve`, and
// each page test starts its own on a free port. Only files under the folder
// are served; nothing else is read.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.wasm': 'application/wasm', '.json': 'application/json',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.jpg': 'image/jpeg', '.txt': 'text/plain',
};

export function serve(folder, port = 0) {
  const rootDir = resolve(folder);
  const server = createServer(async (request, response) => {
    try {
      let path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
      if (path.endsWith('/')) path += 'index.html';
      const file = normalize(join(rootDir, path));
      if (file !== rootDir && !file.startsWith(rootDir + sep)) throw new Error('outside');
      if (!(await stat(file)).isFile()) throw new Error('not a file');
      response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
      response.end(await readFile(file));
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('not found\n');
    }
  });
  return new Promise((done) => server.listen(port, '127.0.0.1', () => done(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const folder = process.argv[2] ?? 'build/web';
  const port = Number(process.argv[3] ?? 8080);
  const server = await serve(folder, port);
  console.log(`Molvix: http://127.0.0.1:${server.address().port}/ (Ctrl+C ends it)`);
}
