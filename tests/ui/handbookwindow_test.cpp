// The handbook's pages as built into the program, in both languages, and
// the window that shows them.
#include "handbookwindow.h"
#include "language.h"
#include "uitest.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

#include <set>

namespace {

using molvix::ui::handbookAnchors;
using molvix::ui::handbookLinks;

const QStringList kLanguages{QStringLiteral("es"), QStringLiteral("en")};

QString pageText(const QString &language, const QString &page)
{
    QFile file(HandbookWindow::pageFolder(language) + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString titleOf(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.metaInformation(QTextDocument::DocumentTitle);
}

// Every page a language has, every link of each leading to a page (and an
// anchor) that exists, every page reached from the contents; English has
// the same pages as Spanish, each with a title of its own.
TEST(HandbookPages, EveryPageReachedFromTheContentsAndEveryLinkLeadsToAPage)
{
    std::map<QString, QStringList> files;
    for (const QString &language : kLanguages) {
        SCOPED_TRACE(qPrintable(language));
        QStringList all = QDir(HandbookWindow::pageFolder(language)).entryList({"*.html"});
        all.sort();
        files[language] = all;
        ASSERT_TRUE(all.contains(QLatin1String(HandbookWindow::kContentsPage)));
        QStringList reached{QLatin1String(HandbookWindow::kContentsPage)};
        for (qsizetype i = 0; i < reached.size(); ++i) {
            const QString html = pageText(language, reached.at(i));
            EXPECT_FALSE(titleOf(html).isEmpty()) << qPrintable(reached.at(i));
            for (const auto &link : handbookLinks(html)) {
                SCOPED_TRACE(qPrintable(reached.at(i) + QStringLiteral(" -> ") + link.page + u'#' + link.anchor));
                EXPECT_FALSE(link.text.trimmed().isEmpty()) << "a link with no words";
                ASSERT_TRUE(all.contains(link.page)) << "broken link";
                if (!link.anchor.isEmpty()) {
                    EXPECT_TRUE(handbookAnchors(pageText(language, link.page)).contains(link.anchor));
                }
                if (!reached.contains(link.page)) {
                    reached << link.page;
                }
            }
        }
        reached.sort();
        EXPECT_EQ(reached, all) << "pages the contents never lead to";
        EXPECT_GE(all.size(), 15);
    }
    EXPECT_EQ(files.at("en"), files.at("es")) << "every page in both languages";
    for (const QString &page : files.at("es")) {
        EXPECT_NE(titleOf(pageText("en", page)), titleOf(pageText("es", page)))
            << qPrintable(page) << " is not translated";
    }
}

class HandbookWindowTest : public ::testing::Test
{
protected:
    HandbookWindow window{QStringLiteral("es")};
    QString shown() const { return window.TextoAyuda->toPlainText(); }
};

TEST_F(HandbookWindowTest, ContentsListOpensPagesAndBackReturns)
{
    EXPECT_EQ(window.windowTitle(), "Ayuda");
    // Every page is listed, besides the section headings, which lead nowhere.
    int listed = 0;
    for (int row = 0; row < window.ListaContenido->count(); ++row) {
        listed += window.ListaContenido->item(row)->data(Qt::UserRole).isNull() ? 0 : 1;
    }
    EXPECT_EQ(listed, window.pages().size());
    QListWidgetItem *item = window.ListaContenido->findItems("Boyle", Qt::MatchContains).value(0);
    ASSERT_NE(item, nullptr);
    emit window.ListaContenido->itemClicked(item);
    EXPECT_TRUE(shown().contains("Ley de Boyle"));
    window.showPage("model.html"); // as a link does
    EXPECT_EQ(window.ListaContenido->currentItem()->data(Qt::UserRole), "model.html");
    for (const char *page : {"boyle.html", "index.html"}) {
        window.BtnAtras->click();
        EXPECT_EQ(window.currentPage(), page);
    }
    window.BtnAdelante->click();
    EXPECT_EQ(window.currentPage(), "boyle.html");
    EXPECT_EQ(HandbookWindow(QStringLiteral("fr")).language(), "es") << "no French pages";
}

TEST_F(HandbookWindowTest, SearchGoesOnThroughThePagesAndSaysWhenNothingHoldsTheText)
{
    // From the contents, which does not say it, to the page that does.
    ASSERT_FALSE(shown().contains("Kolmogorov"));
    EXPECT_TRUE(window.findText("kolmogorov"));
    EXPECT_EQ(window.TextoAyuda->textCursor().selectedText(), "Kolmogorov");
    // Every place of a word many pages use, in turn, and round to the first.
    ASSERT_TRUE(window.findText("Maxwell"));
    const std::pair first{window.currentPage(), window.TextoAyuda->textCursor().position()};
    std::set<QString> pages;
    int found = 0;
    do {
        ASSERT_TRUE(window.findText("Maxwell"));
        pages.insert(window.currentPage());
    } while (std::pair{window.currentPage(), window.TextoAyuda->textCursor().position()} != first &&
             ++found < 100);
    EXPECT_GE(pages.size(), 4u);
    EXPECT_LT(found, 100) << "comes round";

    EXPECT_FALSE(window.findText("flogisto"));
    EXPECT_TRUE(window.LabelBuscar->text().contains("flogisto"));
    window.EditBuscar->setText("Boyle");
    EXPECT_TRUE(window.LabelBuscar->text().isEmpty()) << "a new search clears the note";
}

TEST_F(HandbookWindowTest, KeysFindAndZoom)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.TextoAyuda, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(window.EditBuscar, "Charles");
    QTest::keyClick(window.EditBuscar, Qt::Key_Return);
    EXPECT_EQ(window.currentPage(), "heating.html");

    const qreal standard = window.TextoAyuda->font().pointSizeF();
    QTest::keyClick(window.TextoAyuda, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window.TextoAyuda->font().pointSizeF(), standard + 1);
    for (int i = 0; i < 20; ++i) {
        window.BtnAlejar->click();
    }
    EXPECT_GT(window.TextoAyuda->font().pointSizeF(), 3) << "the letters never vanish";
    QTest::keyClick(window.TextoAyuda, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(window.TextoAyuda->font().pointSizeF(), standard);

    // Escape leaves the search box for the page, then closes; Ctrl+W closes.
    window.EditBuscar->setFocus();
    QTest::keyClick(window.EditBuscar, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible() && window.TextoAyuda->hasFocus());
    QTest::keyClick(window.TextoAyuda, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.TextoAyuda, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
