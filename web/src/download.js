// "Exportar CSV" in the page: the file is handed to the browser as a
// download, in the dialect the user picks beside the button. As the
// desktop's save dialog does, the choice starts from the decimal sign of
// the user's own locale: a decimal comma offers the spreadsheet file first.

export function localeDialect(locale = navigator.language) {
  try {
    return (1.5).toLocaleString(locale).includes(',') ? 'spreadsheet' : 'plain';
  } catch {
    return 'plain';
  }
}

// Hands `text` (or a Blob) to the browser as the file `name`.
export function download(name, text, type = 'text/csv') {
  const url = URL.createObjectURL(new Blob([text], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  // The browser has the file once the click is handled.
  setTimeout(() => URL.revokeObjectURL(url), 0);
}

let made = 0;

// "Exportar CSV": the button opens the choice of file type, named as the
// desktop's save dialog names them, the locale's own first; a choice
// downloads the file (save(dialect)) and closes the choice. Escape closes
// it too. Returns { root, button, retext() } for a language switch.
export function exportControls(app, { description, save }) {
  const root = document.createElement('div');
  root.className = 'export';
  const id = `export-${++made}`;
  const button = document.createElement('button');
  button.type = 'button';
  button.setAttribute('aria-expanded', 'false');
  button.setAttribute('aria-controls', `${id}-types`);
  const hint = document.createElement('span');
  hint.className = 'visually-hidden';
  hint.id = `${id}-hint`;
  button.setAttribute('aria-describedby', hint.id);
  const types = document.createElement('div');
  types.className = 'export-types';
  types.id = `${id}-types`;
  types.setAttribute('role', 'group');
  types.hidden = true;
  const choice = {};
  const order = localeDialect() === 'spreadsheet' ? ['spreadsheet', 'plain'] : ['plain', 'spreadsheet'];
  for (const dialect of order) {
    const b = document.createElement('button');
    b.type = 'button';
    b.dataset.dialect = dialect;
    b.addEventListener('click', () => {
      close();
      save(dialect);
      button.focus();
    });
    choice[dialect] = b;
    types.append(b);
  }
  const close = () => {
    types.hidden = true;
    button.setAttribute('aria-expanded', 'false');
  };
  button.addEventListener('click', () => {
    const open = types.hidden;
    types.hidden = !open;
    button.setAttribute('aria-expanded', String(open));
    if (open) types.firstElementChild.focus();
  });
  types.addEventListener('keydown', (e) => {
    if (e.key === 'Escape') {
      e.stopPropagation();
      close();
      button.focus();
    }
  });
  root.append(button, types, hint);
  const retext = () => {
    button.textContent = app.t(description.context, 'Exportar CSV');
    hint.textContent = app.t(description.context, description.text);
    types.setAttribute('aria-label', app.t('CsvSaveDialog', 'Exportar CSV'));
    choice.plain.textContent = app.t('CsvSaveDialog', 'Archivos CSV (*.csv)');
    choice.spreadsheet.textContent =
      app.t('CsvSaveDialog', 'CSV para hoja de cálculo, coma decimal y punto y coma (*.csv)');
  };
  retext();
  return { root, button, retext };
}

// A file name from a chart's name: "Diagrama P–V" → "diagrama-p-v.png".
export function fileName(name, extension) {
  const stem = name.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
    .replace(/[^a-z0-9]+/g, '-').replace(/^-|-$/g, '');
  return `${stem || 'grafica'}.${extension}`;
}

// "Exportar PNG", beside "Exportar CSV": a window's chart as a picture.
// With one chart the button saves it; with several it opens the choice of
// which, each named as its chart is (Escape closes it). `charts()` gives
// the window's charts now. Returns { root, retext() }.
export function pngControls(app, charts) {
  const t = (source) => app.t('PageControls', source);
  const root = document.createElement('div');
  root.className = 'export-png';
  const id = `export-${++made}`;
  const button = document.createElement('button');
  button.type = 'button';
  const types = document.createElement('div');
  types.className = 'export-types';
  types.id = `${id}-charts`;
  types.setAttribute('role', 'group');
  types.hidden = true;
  const several = charts().length > 1;
  const save = async (chart) => {
    const name = chart.canvas.getAttribute('aria-label') ?? '';
    const png = await chart.png(name);
    if (png) download(fileName(name, 'png'), png, 'image/png');
  };
  const close = () => {
    types.hidden = true;
    if (several) button.setAttribute('aria-expanded', 'false');
  };
  button.addEventListener('click', () => {
    const list = charts();
    if (!several) {
      save(list[0]);
      return;
    }
    if (!types.hidden) { close(); return; }
    types.replaceChildren(...list.map((chart) => {
      const b = document.createElement('button');
      b.type = 'button';
      b.textContent = chart.canvas.getAttribute('aria-label');
      b.addEventListener('click', () => {
        close();
        save(chart);
        button.focus();
      });
      return b;
    }));
    types.hidden = false;
    button.setAttribute('aria-expanded', 'true');
    types.firstElementChild?.focus();
  });
  types.addEventListener('keydown', (e) => {
    if (e.key === 'Escape') {
      e.stopPropagation();
      close();
      button.focus();
    }
  });
  root.append(button, types);
  const retext = () => {
    button.textContent = t('Exportar PNG');
    button.title = t('Guarda una gráfica de esta ventana como imagen PNG');
    types.setAttribute('aria-label', t('Gráfica que guardar'));
    close();
  };
  // Several charts: the button opens their list.
  if (several) button.setAttribute('aria-controls', types.id);
  retext();
  return { root, retext };
}
