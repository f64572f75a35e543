// The page: loads the core, starts the gas as the program starts it, and
// mounts each part into its place in index.html.
import './style.css';
import { loadCore } from './core.js';
import { App, preferredLanguage } from './app.js';
import { mountView } from './view.js';
import { mountPanel } from './panel.js';
import { mountControls } from './controls.js';
import { mountGraphs } from './graphs.js';
import { mountProcesses } from './processes.js';
import { mountDiffusion } from './diffusion.js';
import { mountHandbook } from './handbook.js';
import { mountAnnouncer } from './announce.js';
import { followSettings, readAddress, writeAddress } from './address.js';
import { VOCABULARY, applySettings, parseSettings, readSettings } from './settings.js';
import { coreBytes, isSingleFile } from './files.js';

const core = await loadCore(await coreBytes(new URL('molvix-core.wasm', import.meta.url)));
// A language named in the address wins over the browser's; nothing is
// stored on the computer.
const named = readAddress().get('lang');
const app = new App(core, core.createGas(), ['es', 'en'].includes(named) ? named : preferredLanguage());
document.documentElement.lang = app.language;

mountView(document.getElementById('main-window'), app);
mountControls(document.getElementById('main-window'), app);
mountPanel(document.getElementById('panel'), app);
mountGraphs(document.getElementById('graficas'), app);
mountProcesses(document.getElementById('procesos'), app);
mountDiffusion(document.getElementById('difusion'), app);
mountHandbook(document.getElementById('handbook'), app);
mountAnnouncer(app);
app.settings = { read: () => readSettings(app), apply: (s) => applySettings(app, s) };
app.on('language', (language) => writeAddress({ lang: language }));
// Settings in the address (a link, a bookmark) set the gas up as they say;
// none, and the page starts as the program does.
const addressed = parseSettings(readAddress());
if (addressed.taken.size) applySettings(app, addressed.taken);
app.changed('start');
const writeSettings = followSettings(app, { vocabulary: VOCABULARY, read: readSettings });
// What was refused or not taken is not left in the address.
if (addressed.taken.size || addressed.refused.length) writeSettings();
// The first frame is drawn: ms since the navigation began (the benchmark's).
app.firstFrameMs = performance.now();
document.getElementById('app').removeAttribute('aria-busy');
// For the page tests and the curious: the app, its core and its gas.
window.molvix = app;
// Served, the page keeps itself for use with no network (the single file
// needs nothing, and a file: page may not have a worker).
if ('serviceWorker' in navigator && !isSingleFile() && /^https?:$/.test(location.protocol)) {
  navigator.serviceWorker.register('sw.js').catch((error) => console.warn(`Molvix works, but not offline: ${error}`));
}
