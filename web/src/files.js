// The page's own files (the core, the handbook's pages): fetched from beside
// the page when it is served, read from inside it when it is the single
// file molvix.html opened from a disk, where nothing can be fetched.
//   <script type="application/octet-stream" id="molvix-core">   base64
//   <script type="application/json" id="molvix-files">   { path: text }

let embedded;
function embeddedFiles() {
  if (embedded === undefined) {
    const node = document.getElementById('molvix-files');
    embedded = node ? JSON.parse(node.textContent) : null;
  }
  return embedded;
}

// True in the single file.
export const isSingleFile = () => document.getElementById('molvix-core') !== null;

export async function coreBytes(url) {
  const node = document.getElementById('molvix-core');
  if (!node) return (await fetch(url)).arrayBuffer();
  const text = atob(node.textContent.trim());
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return bytes.buffer;
}

// The text of one of the page's files, by its path in the built folder
// ("handbook/es/index.html"), or null where the single file has none.
export function embeddedText(path) {
  return embeddedFiles()?.[path] ?? null;
}
