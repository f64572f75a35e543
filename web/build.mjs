// Builds the page into one folder that any static web server can serve:
// index.html, app.js and app.css (bundled by esbuild), the WebAssembly core,
// the handbook's pages and the English catalogue taken from the desktop's
// own (translations/molvix_en.ts), so that a text is translated once.
//   node web/build.mjs [--wasm build/wasm/src/web/molvix-core.wasm] [--out build/web]
import { build } from 'esbuild';
import { cpSync, existsSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, '..');
const option = (name, fallback) => {
  const i = process.argv.indexOf(name);
  return i > 0 ? resolve(process.argv[i + 1]) : fallback;
};
const wasm = option('--wasm', join(root, 'build/wasm/src/web/molvix-core.wasm'));
const out = option('--out', join(root, 'build/web'));

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
  cpSync(join(root, 'resources/icons/molvix-32.png'), join(out, 'molvix-32.png'));
  // The page's own handbook: its buttons, keys and windows (the desktop's
  // pages, resources/handbook, describe the desktop's).
  cpSync(join(here, 'handbook'), join(out, 'handbook'), { recursive: true });
  writeFileSync(join(out, 'VERSION'), `${JSON.parse(readFileSync(join(here, 'package.json'))).version}\n`);
  console.log(`build.mjs: the page is in ${out}`);
}
