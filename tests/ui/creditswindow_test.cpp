#include "creditswindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

class CreditsWindow : public ::testing::Test
{
protected:
    std::unique_ptr<TForm3> window = std::make_unique<TForm3>();

    QList<QLabel *> labels() const
    {
        return {window->Label1, window->Label2,  window->Label3, window->Label4,
                window->Label5, window->Label6,  window->Label7, window->Label8,
                window->Label9, window->Label10, window->Label11};
    }
    // Everything but Label1 and the picture: what the picture page hides.
    QList<QWidget *> textPage() const
    {
        const QList<QLabel *> all = labels();
        QList<QWidget *> page(all.begin() + 1, all.end());
        page.append(window->BtnGrupo);
        return page;
    }
    void expectTextPage()
    {
        EXPECT_TRUE(window->ImageGrupo->isHidden());
        EXPECT_TRUE(window->Label1->isVisibleTo(window.get()));
        for (QWidget *control : textPage()) {
            EXPECT_TRUE(control->isVisibleTo(window.get())) << control->objectName().toStdString();
        }
    }
    void expectPicturePage()
    {
        EXPECT_TRUE(window->ImageGrupo->isVisibleTo(window.get()));
        EXPECT_TRUE(window->Label1->isVisibleTo(window.get()));
        for (QWidget *control : textPage()) {
            EXPECT_TRUE(control->isHidden()) << control->objectName().toStdString();
        }
    }
    // Where the picture is painted inside the window, and whether the window
    // shows exactly the picture's pixels there.
    bool showsPicture()
    {
        const QPixmap picture = window->ImageGrupo->pixmap();
        const QRect at = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, picture.size(),
                                             window->ImageGrupo->geometry());
        const QRect visible = at.intersected(window->rect());
        const QImage shown = window->grab(visible).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage expected = picture.toImage()
                                    .convertToFormat(QImage::Format_RGB32)
                                    .copy(visible.translated(-at.topLeft()));
        return shown == expected;
    }
};

// Records the order in which the watched controls are shown or hidden.
class VisibilityLog : public QObject
{
public:
    explicit VisibilityLog(const QList<QWidget *> &watched)
    {
        for (QWidget *w : watched) {
            w->installEventFilter(this);
        }
    }
    QStringList entries;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            entries << (event->type() == QEvent::Show ? "+" : "-") + watched->objectName();
        }
        return false;
    }
};

TEST_F(CreditsWindow, StartsHiddenWithItsCaptionPlaceAndNamedControls)
{
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowTitle(), "Autores");
    EXPECT_EQ(window->pos(), QPoint(22, 110));
    EXPECT_EQ(window->size(), QSize(281, 161));
    EXPECT_EQ(window->Label1->geometry(), QRect(0, 0, 281, 13));
    EXPECT_EQ(window->Label2->geometry(), QRect(0, 13, 281, 13));
    EXPECT_EQ(window->BtnGrupo->geometry(), QRect(96, 136, 50, 17));
    EXPECT_EQ(window->BtnGrupo->text(), "Grupo");
    EXPECT_EQ(window->ImageGrupo->geometry(), QRect(0, 13, 281, 148)) << "fills below Label1";
    EXPECT_EQ(window->findChild<QWidget *>("Label1"), window->Label1);
    EXPECT_EQ(window->findChild<QWidget *>("Label2"), window->Label2);
    EXPECT_EQ(window->findChild<QWidget *>("ImageGrupo"), window->ImageGrupo);
    EXPECT_EQ(window->findChild<QWidget *>("BtnGrupo"), window->BtnGrupo);
    // The notice, then the authors' names and addresses in two columns.
    const QList<QPair<const char *, QPoint>> places = {
        {"Label3", {120, 32}},  {"Label4", {16, 48}},  {"Label5", {16, 64}},
        {"Label6", {162, 48}},  {"Label7", {160, 64}}, {"Label8", {162, 96}},
        {"Label9", {152, 112}}, {"Label10", {13, 96}}, {"Label11", {8, 112}}};
    for (const auto &[name, at] : places) {
        const QWidget *label = window->findChild<QWidget *>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->pos(), at) << name;
    }
}

TEST_F(CreditsWindow, OpensOnTheTextPage)
{
    window->show();
    expectTextPage();
    EXPECT_FALSE(showsPicture());
}

TEST_F(CreditsWindow, GrupoSwitchesToThePictureAndShowTextPageSwitchesBack)
{
    window->show();
    VisibilityLog log(QList<QWidget *>{window->ImageGrupo} + textPage());
    QTest::mouseClick(window->BtnGrupo, Qt::LeftButton);
    expectPicturePage();
    EXPECT_TRUE(showsPicture());
    EXPECT_EQ(log.entries.join(' '), "+ImageGrupo -Label2 -Label3 -Label4 -Label5 -Label6 -Label7 "
                                     "-Label8 -Label9 -Label10 -Label11 -BtnGrupo");

    log.entries.clear();
    window->showTextPage();
    expectTextPage();
    EXPECT_FALSE(showsPicture());
    EXPECT_EQ(log.entries.join(' '), "-ImageGrupo +Label2 +Label3 +Label4 +Label5 +Label6 +Label7 "
                                     "+Label8 +Label9 +Label10 +Label11 +BtnGrupo");
}

TEST_F(CreditsWindow, ClosingOnlyHidesTheWindow)
{
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QPointer<TForm3> guard(window.get());
    window->show();
    QTest::mouseClick(window->BtnGrupo, Qt::LeftButton);
    // The application only quits on a last closed window from inside its
    // event loop, so close the window from there, as the close box would.
    bool closed = false;
    QTimer::singleShot(0, window.get(), [&] { closed = window->close(); });
    QTimer::singleShot(100, qApp, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 1) << "closing the credits must not end the program";
    EXPECT_TRUE(closed);
    EXPECT_EQ(lastClosed.count(), 0);
    ASSERT_FALSE(guard.isNull());
    EXPECT_TRUE(window->isHidden());

    window->show();
    window->showTextPage();
    expectTextPage();
}

TEST_F(CreditsWindow, TextsFitTheirPlaces)
{
    window->show();
    for (QLabel *label : labels()) {
        const std::string name = label->objectName().toStdString();
        EXPECT_FALSE(label->text().trimmed().isEmpty()) << name;
        const QFontMetrics metrics(label->font());
        const int room = label->contentsRect().width() - qMax(label->indent(), 0);
        EXPECT_LE(metrics.horizontalAdvance(label->text()), room) << name;
        EXPECT_LE(metrics.height(), label->height()) << name;
        EXPECT_TRUE(window->rect().contains(label->geometry())) << name;
    }
    // Neither the texts nor the button may cover one another.
    const QList<QWidget *> page = textPage();
    for (qsizetype i = 0; i < page.size(); ++i) {
        for (qsizetype j = i + 1; j < page.size(); ++j) {
            EXPECT_FALSE(page[i]->geometry().intersects(page[j]->geometry()))
                << page[i]->objectName().toStdString() << " and "
                << page[j]->objectName().toStdString();
        }
    }
}

// Which way an arrow glyph points: its axis is its mirror axis, and its tip
// is the narrower end.
QString direction(const QImage &glyph)
{
    const QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
    const bool vertical = image == image.mirrored(true, false);
    // Opaque pixels on one row (vertical arrow) or one column (horizontal).
    auto count = [&](int line) {
        int n = 0;
        for (int k = 0; k < (vertical ? image.width() : image.height()); ++k) {
            n += qAlpha(vertical ? image.pixel(k, line) : image.pixel(line, k)) > 0 ? 1 : 0;
        }
        return n;
    };
    int first = 0;
    int last = (vertical ? image.height() : image.width()) - 1;
    while (first < last && count(first) == 0) {
        ++first;
    }
    while (last > first && count(last) == 0) {
        --last;
    }
    const bool tipFirst = count(first) < count(last);
    if (vertical) {
        return tipFirst ? "up" : "down";
    }
    return tipFirst ? "left" : "right";
}

bool allGrey(const QImage &glyph)
{
    const QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 0 && (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p))) {
                return false;
            }
        }
    }
    return true;
}

TEST(Resources, ArrowGlyphsPointTheirWayInNormalAndGreyedImages)
{
    for (const QString way : {"up", "down", "left", "right"}) {
        const QImage normal(":/glyphs/arrow-" + way + ".png");
        const QImage disabled(":/glyphs/arrow-" + way + "-disabled.png");
        ASSERT_FALSE(normal.isNull()) << way.toStdString();
        ASSERT_FALSE(disabled.isNull()) << way.toStdString();
        EXPECT_EQ(normal.size(), disabled.size());
        EXPECT_NE(normal, disabled);
        EXPECT_EQ(direction(normal).toStdString(), way.toStdString());
        EXPECT_FALSE(allGrey(normal)) << way.toStdString();
        EXPECT_TRUE(allGrey(disabled)) << way.toStdString();
    }
}

TEST(Resources, PictureAndIconLoad)
{
    EXPECT_TRUE(QFile::exists(":/credits/grupo.png"));
    EXPECT_EQ(QPixmap(":/credits/grupo.png").size(), QSize(290, 148));
    const QPixmap icon(":/icons/molvix.png");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), icon.height());
}

} // namespace
