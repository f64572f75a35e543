// Builds the page into one folder that any static web server can serve:
// index.html, app.js and app.css (bundled by esbuild), the WebAssembly core,
// the handbook's pages and the English catalogue taken from the desktop's
// own (translations/molvix_en.ts), so that a text is translated once.
//   node web/build.mjs [--wasm build/wasm/src/web/molvix-core.wasm] [--out build/web]
import { build } from 'esbuild';
import { createHash } from 'node:crypto';
import { cpSync, existsSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { dirname, join, relative, resolve, sep } from 'node:path';
import { gzipSync } from 'node:zlib';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, '..');
const option = (name, fallback) => {
  const i = process.argv.indexOf(name);
  return i > 0 ? resolve(process.argv[i + 1]) : fallback;
};
const wasm = option('--wasm', join(root, 'build/wasm/src/web/molvix-core.wasm'));
const out = option('--out', join(root, 'build/web'));
// The single file beside the folder: build/molvix.html for build/web.
const single = option('--single', join(dirname(out), 'molvix.html'));
// What a teacher can hand out on a stick or a learning platform.
const SINGLE_MOST_GZIP = 1.5e6;

if (!existsSync(wasm)) {
  console.error(`build.mjs: no WebAssembly core at ${wasm} (make web builds it first)`);
  process.exit(1);
}

// The Qt Linguist catalogue as { context: { source: translation } }; an
// unfinished or empty translation is left out, so the page shows the source.
export function catalogueOf(ts) {
  const unescape = (text) => text
    .replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
    .replace(/&apos;/g, "'").replace(/&#x([0-9a-f]+);/gi, (_, h) => String.fromCodePoint(parseInt(h, 16)))
    .replace(/&#([0-9]+);/g, (_, d) => String.fromCodePoint(Number(d))).replace(/&amp;/g, '&');
  const catalogue = {};
  for (const [, body] of ts.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = unescape(body.match(/<name>([\s\S]*?)<\/name>/)?.[1] ?? '');
    const messages = (catalogue[name] ??= {});
    for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = message.match(/<source>([\s\S]*?)<\/source>/)?.[1];
      const translation = message.match(/<translation(?![^>]*type="(?:unfinished|vanished|obsolete)")[^>]*>([\s\S]*?)<\/translation>/)?.[1];
      if (source !== undefined && translation) messages[unescape(source)] = unescape(translation);
    }
  }
  return catalogue;
}

// The page's own texts (web/translations/page_en.json, contexts named Page…)
// beside the desktop's; a page context may not reuse a desktop one.
export function withPageTexts(catalogue, page) {
  for (const [context, messages] of Object.entries(page)) {
    if (context === '_') continue;
    if (!context.startsWith('Page') || catalogue[context]) {
      throw new Error(`page_en.json: context ${context} must begin with Page and be the page's own`);
    }
    catalogue[context] = messages;
  }
  return catalogue;
}

// Every file under `folder`, as paths with '/' relative to it.
function filesUnder(folder) {
  return readdirSync(folder, { recursive: true })
    .filter((name) => statSync(join(folder, name)).isFile())
    .map((name) => name.split(sep).join('/')).sort();
}

// The service worker, given every file of the folder and a version that
// changes with any of them, so that a new build replaces the cache.
function writeServiceWorker(folder) {
  const files = filesUnder(folder).filter((name) => name !== 'sw.js');
  const hash = createHash('sha256');
  for (const name of files) hash.update(name).update(readFileSync(join(folder, name)));
  const source = readFileSync(join(here, 'src/sw.js'), 'utf8')
    .replace('__FILES__', JSON.stringify(['./', ...files]))
    .replace('__VERSION__', JSON.stringify(hash.digest('hex').slice(0, 16)));
  writeFileSync(join(folder, 'sw.js'), source);
}

// Code safe inside a <script> element: no closing tag, no comment opening
// (both only ever in its strings, where the escape means the same).
const scriptSafe = (text) => text.replace(/<\/(script)/gi, '<\\/$1').replace(/<!--/g, '<\\!--');

// The page as one file that runs opened from a disk: the style, the code,
// the core (base64) and the handbook's pages inside it; nothing fetched.
export function singleFile(folder) {
  const read = (name) => readFileSync(join(folder, name));
  const embedded = {};
  for (const name of filesUnder(folder).filter((n) => n.startsWith('handbook/'))) {
    embedded[name] = read(name).toString('utf8');
  }
  const icon = `data:image/png;base64,${read('molvix-32.png').toString('base64')}`;
  const html = read('index.html').toString('utf8');
  const parts = {
    manifest: /\s*<link rel="manifest"[^>]*>/,
    icon: /<link rel="icon" href="[^"]*">/,
    style: /<link rel="stylesheet" href="app.css">/,
    script: /<script type="module" src="app.js"><\/script>/,
  };
  for (const [what, pattern] of Object.entries(parts)) {
    if (!pattern.test(html)) throw new Error(`build.mjs: index.html has no ${what} link to replace`);
  }
  return html
    .replace(parts.manifest, '')
    .replace(parts.icon, () => `<link rel="icon" href="${icon}">`)
    .replace(parts.style, () => `<style>${scriptSafe(read('app.css').toString('utf8'))}</style>`)
    .replace(parts.script, () => [
      `<script type="application/octet-stream" id="molvix-core">${read('molvix-core.wasm').toString('base64')}</script>`,
      `<script type="application/json" id="molvix-files">${JSON.stringify(embedded).replace(/</g, '\\u003c')}</script>`,
      `<script type="module">${scriptSafe(read('app.js').toString('utf8'))}</script>`,
    ].join('\n'));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  rmSync(out, { recursive: true, force: true });
  mkdirSync(out, { recursive: true });
  const catalogue = withPageTexts(catalogueOf(readFileSync(join(root, 'translations/molvix_en.ts'), 'utf8')),
    JSON.parse(readFileSync(join(here, 'translations/page_en.json'), 'utf8')));
  await build({
    entryPoints: { app: join(here, 'src/main.js') },
    bundle: true,
    format: 'esm',
    minify: true,
    target: ['chrome100', 'firefox100', 'safari16'],
    outdir: out,
    logLevel: 'warning',
    plugins: [{
      name: 'catalogue',
      setup(b) {
        b.onResolve({ filter: /^molvix:catalogue$/ }, () => ({ path: 'catalogue', namespace: 'molvix' }));
        b.onLoad({ filter: /.*/, namespace: 'molvix' }, () => ({
          contents: JSON.stringify({ en: catalogue }), loader: 'json' }));
      },
    }],
  });
  cpSync(join(here, 'index.html'), join(out, 'index.html'));
  cpSync(wasm, join(out, 'molvix-core.wasm'));
  cpSync(join(here, 'manifest.webmanifest'), join(out, 'manifest.webmanifest'));
  for (const size of ['32', '128']) cpSync(join(root, `resources/icons/molvix-${size}.png`), join(out, `molvix-${size}.png`));
  cpSync(join(root, 'resources/icons/molvix.png'), join(out, 'molvix-256.png'));
  // The page's own handbook: its buttons, keys and windows (the desktop's
  // pages, resources/handbook, describe the desktop's).
  cpSync(join(here, 'handbook'), join(out, 'handbook'), { recursive: true });
  writeFileSync(join(out, 'VERSION'), `${JSON.parse(readFileSync(join(here, 'package.json'))).version}\n`);
  writeServiceWorker(out);
  const page = singleFile(out);
  const packed = gzipSync(page, { level: 9 }).length;
  if (packed > SINGLE_MOST_GZIP) {
    console.error(`build.mjs: ${single} is ${packed} bytes compressed, over ${SINGLE_MOST_GZIP}`);
    process.exit(1);
  }
  writeFileSync(single, page);
  console.log(`build.mjs: the page is in ${out}, and in one file ${relative(process.cwd(), single)} (${Math.round(packed / 1024)} KB compressed)`);
}
