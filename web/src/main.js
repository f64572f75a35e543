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
import { readAddress, writeAddress } from './address.js';

const response = await fetch(new URL('molvix-core.wasm', import.meta.url));
const core = await loadCore(await response.arrayBuffer());
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
app.on('language', (language) => writeAddress({ lang: language }));
app.changed('start');
// The first frame is drawn: ms since the navigation began (the benchmark's).
app.firstFrameMs = performance.now();
document.getElementById('app').removeAttribute('aria-busy');
// For the page tests and the curious: the app, its core and its gas.
window.molvix = app;
