#pragma once

#include <QStringList>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

namespace molvix::ui {

// A link of a handbook page: the page it leads to ("boyle.html"), the
// anchor on it (may be empty) and the words it shows.
struct HandbookLink
{
    QString page;
    QString anchor;
    QString text;
};

// The links of a page's HTML, in reading order, and the anchors it offers.
QList<HandbookLink> handbookLinks(const QString &html);
QStringList handbookAnchors(const QString &html);

} // namespace molvix::ui

// The handbook "Ayuda": pages of HTML built into the program
// (":/handbook/<language>/<page>.html"), a contents list beside them, links
// between pages, search over every page, zoom and Back. F1 anywhere opens
// it, in the language the interface shows.
class HandbookWindow : public QWidget
{
    Q_OBJECT

public:
    // The contents page, which every other page is reached from.
    static constexpr char kContentsPage[] = "index.html";

    // A language without pages of its own shows the Spanish ones.
    explicit HandbookWindow(const QString &language, QWidget *parent = nullptr);

    // Where a language's pages live, and whether it has any.
    static QString pageFolder(const QString &language);
    static bool hasPages(const QString &language);

    // Shows the window in front, on the page it was left on.
    void open();
    // Shows a page by its file name ("boyle.html"), or a page's anchor.
    void showPage(const QString &page);
    // The page shown, by file name.
    QString currentPage() const;
    const QString &language() const { return m_language; }

    // The pages in contents order: the contents page first, then what its
    // links list, then pages reached only through other pages.
    const QStringList &pages() const { return m_pages; }

    // Finds the next place where the text occurs, from the cursor on through
    // the pages in contents order and round; false (and says so) when no
    // page holds it.
    bool findText(const QString &text, bool backwards = false);

    // Controls, with their names as object names.
    QToolButton *BtnAtras;
    QToolButton *BtnAdelante;
    QToolButton *BtnContenido;
    QToolButton *BtnAlejar;
    QToolButton *BtnAcercar;
    QToolButton *BtnQueEs;
    QLineEdit *EditBuscar;
    QLabel *LabelBuscar;
    QListWidget *ListaContenido;
    QTextBrowser *TextoAyuda;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Escape, unused by the control with the focus, closes the window.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void setUpKeys();
    void explainControls();
    void readPages();
    void fillContents(const QString &html);
    void followSource(const QUrl &source);
    void zoom(int steps);
    QUrl urlOf(const QString &page) const;

    QString m_language;
    QString m_folder;
    QStringList m_pages;
    QStringList m_plainTexts; // each page as plain text, to search
    int m_zoom = 0;           // steps away from the standard size
};
