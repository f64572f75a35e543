#include "handbookwindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace molvix::ui {

namespace {

// Calls a function on every fragment of a page's text.
template <typename Visit> void forEachFragment(const QString &html, Visit visit)
{
    QTextDocument document;
    document.setHtml(html);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            visit(it.fragment());
        }
    }
}

} // namespace

QList<HandbookLink> handbookLinks(const QString &html)
{
    QList<HandbookLink> links;
    QString lastHref;
    int lastEnd = -1;
    forEachFragment(html, [&](const QTextFragment &fragment) {
        const QString href = fragment.charFormat().anchorHref();
        if (href.isEmpty()) {
            lastEnd = -1;
            return;
        }
        // A link split into fragments (a word in bold inside it) is one link.
        if (href == lastHref && fragment.position() == lastEnd) {
            links.last().text += fragment.text();
        } else {
            links.append({href.section(u'#', 0, 0), href.section(u'#', 1), fragment.text()});
        }
        lastHref = href;
        lastEnd = fragment.position() + fragment.length();
    });
    return links;
}

QStringList handbookAnchors(const QString &html)
{
    QStringList anchors;
    forEachFragment(html, [&anchors](const QTextFragment &fragment) {
        anchors << fragment.charFormat().anchorNames();
    });
    return anchors;
}

} // namespace molvix::ui

namespace {

QString readPage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QToolButton *toolButton(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}

constexpr int kMostZoomIn = 8;
constexpr int kMostZoomOut = -4;

} // namespace

HandbookWindow::HandbookWindow(const QString &language, QWidget *parent)
    : QWidget(parent), m_language(hasPages(language) ? language : QStringLiteral("es"))
{
    setObjectName(QStringLiteral("FormAyuda"));
    setWindowTitle(tr("Ayuda"));
    // Closing it only hides it; the program ends with the main window.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_folder = pageFolder(m_language);
    buildControls();
    readPages();
    setUpKeys();
    explainControls();
    showPage(QLatin1String(kContentsPage));
}

QString HandbookWindow::pageFolder(const QString &language)
{
    return QStringLiteral(":/handbook/%1/").arg(language);
}

bool HandbookWindow::hasPages(const QString &language)
{
    return QFile::exists(pageFolder(language) + QLatin1String(kContentsPage));
}

QUrl HandbookWindow::urlOf(const QString &page) const
{
    return QUrl(QStringLiteral("qrc") + m_folder + page);
}

void HandbookWindow::buildControls()
{
    resize(820, 580);
    BtnAtras = toolButton(this, "BtnAtras", tr("Atrás"));
    BtnAtras->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    BtnAtras->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    BtnAtras->setEnabled(false);
    BtnAdelante = toolButton(this, "BtnAdelante", tr("Adelante"));
    BtnAdelante->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    BtnAdelante->setEnabled(false);
    BtnContenido = toolButton(this, "BtnContenido", tr("Contenido"));
    BtnContenido->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    BtnContenido->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    BtnAlejar = toolButton(this, "BtnAlejar", tr("A−"));
    BtnAcercar = toolButton(this, "BtnAcercar", tr("A+"));
    EditBuscar = new QLineEdit(this);
    EditBuscar->setObjectName(QStringLiteral("EditBuscar"));
    EditBuscar->setPlaceholderText(tr("Buscar en la ayuda"));
    EditBuscar->setClearButtonEnabled(true);
    EditBuscar->setMinimumWidth(180);
    LabelBuscar = new QLabel(this);
    LabelBuscar->setObjectName(QStringLiteral("LabelBuscar"));
    BtnQueEs = toolButton(this, "BtnQueEs", tr("?"));

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : {static_cast<QWidget *>(BtnAtras), static_cast<QWidget *>(BtnAdelante),
                       static_cast<QWidget *>(BtnContenido), static_cast<QWidget *>(BtnAlejar),
                       static_cast<QWidget *>(BtnAcercar), static_cast<QWidget *>(EditBuscar),
                       static_cast<QWidget *>(LabelBuscar)}) {
        bar->addWidget(w);
    }
    bar->addStretch(1);
    bar->addWidget(BtnQueEs);

    ListaContenido = new QListWidget(this);
    ListaContenido->setObjectName(QStringLiteral("ListaContenido"));
    TextoAyuda = new QTextBrowser(this);
    TextoAyuda->setObjectName(QStringLiteral("TextoAyuda"));
    TextoAyuda->setOpenLinks(true);
    TextoAyuda->viewport()->installEventFilter(this);
    TextoAyuda->document()->setDefaultStyleSheet(QStringLiteral(
        "h1 { color: #000080; } h2 { color: #000080; } "
        "code, pre { background-color: #eeeeee; } "
        "td, th { padding: 2px 8px; } th { background-color: #dddddd; }"));
    auto *split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("SplitAyuda"));
    split->addWidget(ListaContenido);
    split->addWidget(TextoAyuda);
    split->setStretchFactor(1, 1);
    split->setSizes({270, 550});
    split->setChildrenCollapsible(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(split, 1);

    connect(BtnAtras, &QToolButton::clicked, TextoAyuda, &QTextBrowser::backward);
    connect(BtnAdelante, &QToolButton::clicked, TextoAyuda, &QTextBrowser::forward);
    connect(BtnContenido, &QToolButton::clicked, this,
            [this] { showPage(QLatin1String(kContentsPage)); });
    connect(TextoAyuda, &QTextBrowser::backwardAvailable, BtnAtras, &QToolButton::setEnabled);
    connect(TextoAyuda, &QTextBrowser::forwardAvailable, BtnAdelante, &QToolButton::setEnabled);
    connect(TextoAyuda, &QTextBrowser::sourceChanged, this, &HandbookWindow::followSource);
    connect(BtnAcercar, &QToolButton::clicked, this, [this] { zoom(1); });
    connect(BtnAlejar, &QToolButton::clicked, this, [this] { zoom(-1); });
    connect(BtnQueEs, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    const auto openItem = [this](QListWidgetItem *item) {
        const QString page = item->data(Qt::UserRole).toString();
        if (!page.isEmpty()) {
            showPage(page);
        }
    };
    connect(ListaContenido, &QListWidget::itemActivated, this, openItem);
    connect(ListaContenido, &QListWidget::itemClicked, this, openItem);
    connect(EditBuscar, &QLineEdit::returnPressed, this, [this] {
        const bool back = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
        findText(EditBuscar->text(), back);
    });
    connect(EditBuscar, &QLineEdit::textChanged, LabelBuscar, &QLabel::clear);
}

void HandbookWindow::readPages()
{
    // Every page reached from the contents, each once, in the order met.
    m_pages = {QLatin1String(kContentsPage)};
    for (qsizetype i = 0; i < m_pages.size(); ++i) {
        const QString html = readPage(m_folder + m_pages.at(i));
        QTextDocument document;
        document.setHtml(html);
        m_plainTexts << document.toPlainText();
        for (const molvix::ui::HandbookLink &link : molvix::ui::handbookLinks(html)) {
            if (!link.page.isEmpty() && !link.page.contains(u':') &&
                !m_pages.contains(link.page) && QFile::exists(m_folder + link.page)) {
                m_pages << link.page;
            }
        }
    }
    fillContents(readPage(m_folder + QLatin1String(kContentsPage)));
}

void HandbookWindow::fillContents(const QString &html)
{
    // The contents page's sections and links, as the list shows them: a
    // section's heading in bold, which leads nowhere, then its pages.
    auto *contents = new QListWidgetItem(tr("Contenido"), ListaContenido);
    contents->setData(Qt::UserRole, QLatin1String(kContentsPage));
    QTextDocument document;
    document.setHtml(html);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2) {
            auto *section = new QListWidgetItem(block.text().simplified(), ListaContenido);
            QFont bold = section->font();
            bold.setBold(true);
            section->setFont(bold);
            section->setFlags(Qt::ItemIsEnabled);
            continue;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && !href.contains(u'#')) {
                auto *item = new QListWidgetItem(QStringLiteral("   ") +
                                                     it.fragment().text().simplified(),
                                                 ListaContenido);
                item->setData(Qt::UserRole, href);
            }
        }
    }
}

void HandbookWindow::setUpKeys()
{
    const auto key = [this](const QKeySequence &keys, auto action) {
        auto *s = new QShortcut(keys, this);
        connect(s, &QShortcut::activated, this, action);
        return keys.toString(QKeySequence::NativeText);
    };
    const QString find = key(QKeySequence::Find, [this] {
        EditBuscar->setFocus(Qt::ShortcutFocusReason);
        EditBuscar->selectAll();
    });
    const QString in = key(QKeySequence::ZoomIn, [this] { zoom(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoom(1); });
    const QString out = key(QKeySequence::ZoomOut, [this] { zoom(-1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoom(-m_zoom); });
    const QString back = key(QKeySequence::Back, [this] { TextoAyuda->backward(); });
    const QString forward = key(QKeySequence::Forward, [this] { TextoAyuda->forward(); });
    const QString home = key(QKeySequence(Qt::ALT | Qt::Key_Home),
                             [this] { showPage(QLatin1String(kContentsPage)); });
    // Escape in the search box goes back to the page; elsewhere, where no
    // control uses it, it closes the window (keyPressEvent), as Ctrl+W does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), EditBuscar);
    escape->setContext(Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, TextoAyuda, [this] { TextoAyuda->setFocus(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_W), [this] { close(); });
    const QString closing = QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText);

    BtnAtras->setToolTip(tr("Página anterior (%1)").arg(back));
    BtnAdelante->setToolTip(tr("Página siguiente (%1)").arg(forward));
    BtnContenido->setToolTip(tr("Vuelve al contenido (%1)").arg(home));
    BtnAcercar->setToolTip(tr("Letra más grande (%1)").arg(in));
    BtnAlejar->setToolTip(tr("Letra más pequeña (%1)").arg(out));
    EditBuscar->setToolTip(
        tr("%1: buscar en todas las páginas; Intro, la siguiente; Mayús+Intro, la anterior")
            .arg(find));
    BtnQueEs->setToolTip(tr("¿Qué es esto? Pulse y luego haga clic en un control (Mayús+F1)"));
    setToolTip(tr("Teclas: %1 buscar · %2 / %3 tamaño de la letra · %4 atrás · "
                  "Mayús+F1 qué es esto · F1 esta ayuda · %5 cerrar")
                   .arg(find, in, out, back, closing));
}

void HandbookWindow::explainControls()
{
    BtnAtras->setWhatsThis(tr("Vuelve a la página que se leía antes."));
    BtnAdelante->setWhatsThis(tr("Deshace el último «Atrás»."));
    BtnContenido->setWhatsThis(tr("Muestra la lista de todas las páginas de la ayuda."));
    BtnAcercar->setWhatsThis(tr("Agranda la letra de la página."));
    BtnAlejar->setWhatsThis(tr("Reduce la letra de la página."));
    EditBuscar->setWhatsThis(
        tr("Escriba una palabra y pulse Intro: se marca el siguiente lugar donde aparece, en "
           "esta página o en las siguientes."));
    BtnQueEs->setWhatsThis(
        tr("Modo «¿qué es esto?»: el siguiente clic en un control de cualquier ventana muestra "
           "qué es y en qué unidades se mide, en vez de accionarlo."));
    ListaContenido->setWhatsThis(tr("Las páginas de la ayuda; un clic abre una."));
    TextoAyuda->setWhatsThis(tr("La página de la ayuda. Los enlaces llevan a otras páginas."));
    setWhatsThis(tr("La ayuda de Molvix. F1 la abre desde cualquier ventana."));
    // Names a screen reader says, each beginning with what the control shows.
    BtnAlejar->setAccessibleName(tr("A−, letra más pequeña"));
    BtnAcercar->setAccessibleName(tr("A+, letra más grande"));
    BtnQueEs->setAccessibleName(tr("?, qué es esto"));
    EditBuscar->setAccessibleName(tr("Buscar en la ayuda"));
    ListaContenido->setAccessibleName(tr("Contenido"));
    TextoAyuda->setAccessibleName(tr("Página de la ayuda"));
}

void HandbookWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool HandbookWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The window's list of keys stays off the page being read.
    if (watched == TextoAyuda->viewport() && event->type() == QEvent::ToolTip) {
        QToolTip::hideText();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HandbookWindow::open()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void HandbookWindow::showPage(const QString &page)
{
    TextoAyuda->setSource(urlOf(page));
}

QString HandbookWindow::currentPage() const
{
    return TextoAyuda->source().fileName();
}

void HandbookWindow::followSource(const QUrl &source)
{
    const QString page = source.fileName();
    for (int row = 0; row < ListaContenido->count(); ++row) {
        if (ListaContenido->item(row)->data(Qt::UserRole).toString() == page) {
            const QSignalBlocker quiet(ListaContenido);
            ListaContenido->setCurrentRow(row);
            return;
        }
    }
    ListaContenido->clearSelection();
}

void HandbookWindow::zoom(int steps)
{
    const int to = std::clamp(m_zoom + steps, kMostZoomOut, kMostZoomIn);
    TextoAyuda->zoomIn(to - m_zoom);
    m_zoom = to;
}

bool HandbookWindow::findText(const QString &text, bool backwards)
{
    if (text.isEmpty()) {
        LabelBuscar->clear();
        return false;
    }
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (TextoAyuda->find(text, flags)) {
        LabelBuscar->clear();
        return true;
    }
    // On through the other pages in contents order, and round to this one.
    const qsizetype here = std::max<qsizetype>(0, m_pages.indexOf(currentPage()));
    const qsizetype n = m_pages.size();
    for (qsizetype step = 1; step <= n; ++step) {
        const qsizetype i = backwards ? (here - step + n * 2) % n : (here + step) % n;
        if (!m_plainTexts.at(i).contains(text, Qt::CaseInsensitive)) {
            continue;
        }
        if (i != here) {
            showPage(m_pages.at(i));
        }
        QTextCursor cursor = TextoAyuda->textCursor();
        cursor.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        TextoAyuda->setTextCursor(cursor);
        if (TextoAyuda->find(text, flags)) {
            LabelBuscar->clear();
            return true;
        }
    }
    LabelBuscar->setText(tr("No se encuentra «%1»").arg(text));
    return false;
}
