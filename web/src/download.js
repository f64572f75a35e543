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

// Hands `text` to the browser as the file `name`.
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
